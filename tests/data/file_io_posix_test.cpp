// Replacing files on POSIX systems: refused when another user owns them,
// keeping mode, owner and symbolic links, and the cleanup of temporary files
// of programs that are gone. POSIX only: owners, modes, links and processes
// (fork, setuid) are what they test.
#include "data/file_io.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>

namespace cal::test {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
const std::string kOld(4000, 'o');
const std::string kNew(5000, 'n');

class PosixFileIo : public ::testing::Test {
protected:
    std::string file(const std::string& name) const { return dir.file("Calendar_dat", name); }
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(u8path(file(""))))
            found.insert(entry.path().filename().string());
        return found;
    }
    static struct stat info(const std::string& path) {
        struct stat st {};
        ::lstat(path.c_str(), &st);
        return st;
    }
    TempDataDir dir;
};

// Runs `check` in a child process as an ordinary user ("nobody") when the
// tests run as root, since root may write any file; nothing when the child
// cannot become that user.
std::optional<bool> asOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(!dropped ? 2 : check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

class Refusal : public PosixFileIo {
protected:
    // The folder stays writable: only the file's own permission refuses.
    void SetUp() override { fs::permissions(u8path(file("")), fs::perms::all); }
    void expectRefusedAndKept(const std::string& name) {
        const struct stat before = info(file(name));
        const std::optional<bool> refused = asOrdinaryUser([&] {
            std::string error;
            return !writeFileReplacing(file(name), kNew, error) && error == "書き込みが許可されていません";
        });
        if (!refused) GTEST_SKIP() << "root から一般の利用者に切り替えられません";
        EXPECT_TRUE(*refused);
        EXPECT_EQ(readBytes(file(name)), kOld);
        EXPECT_EQ(info(file(name)).st_ino, before.st_ino);
        EXPECT_EQ(info(file(name)).st_mode, before.st_mode);
        EXPECT_EQ(names(), std::set<std::string>{name});
    }
};

TEST_F(Refusal, ReadOnlyFileIsRefusedAndKeptWhole) {
    writeBytes(file("readonly.dat"), kOld);
    ::chmod(file("readonly.dat").c_str(), 0444);
    // As root the file is handed to the user the check runs as.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file("readonly.dat").c_str(), kNobody, kNobody), 0);
    }
    expectRefusedAndKept("readonly.dat");
}

TEST_F(Refusal, AnotherUsersFileIsRefusedAndKeptWhole) {
    if (::geteuid() != 0) GTEST_SKIP() << "他の利用者のファイルは root でないと用意できません";
    writeBytes(file("others.dat"), kOld);  // root's, 0644: the check runs as nobody
    ::chmod(file("others.dat").c_str(), 0644);
    expectRefusedAndKept("others.dat");
}

TEST_F(PosixFileIo, ReplacementKeepsModeOwnerAndGroup) {
    writeBytes(file("shared.dat"), kOld);
    ::chmod(file("shared.dat").c_str(), 0660);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file("shared.dat").c_str(), kNobody, kNobody), 0);
    }
    const struct stat before = info(file("shared.dat"));
    std::string error;
    ASSERT_TRUE(writeFileReplacing(file("shared.dat"), kNew, error)) << error;
    const struct stat after = info(file("shared.dat"));
    EXPECT_EQ(readBytes(file("shared.dat")), kNew);
    EXPECT_NE(after.st_ino, before.st_ino);  // replaced, not written in place
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(names(), std::set<std::string>{"shared.dat"});
}

TEST_F(PosixFileIo, SymbolicLinksAreFollowedAndStayLinks) {
    fs::create_directory(u8path(file("real")));
    writeBytes(file("real/month.dat"), kOld);
    ::chmod(file("real/month.dat").c_str(), 0640);
    fs::create_symlink("real/month.dat", u8path(file("link.dat")));
    fs::create_symlink("real/later.dat", u8path(file("dangling.dat")));

    std::string error;
    ASSERT_TRUE(writeFileReplacing(file("link.dat"), kNew, error)) << error;
    ASSERT_TRUE(writeFileReplacing(file("dangling.dat"), kNew, error)) << error;

    EXPECT_EQ(fs::read_symlink(u8path(file("link.dat"))), "real/month.dat");
    EXPECT_EQ(fs::read_symlink(u8path(file("dangling.dat"))), "real/later.dat");
    EXPECT_EQ(readBytes(file("real/month.dat")), kNew);
    EXPECT_EQ(readBytes(file("real/later.dat")), kNew);
    EXPECT_EQ(info(file("real/month.dat")).st_mode & 07777, 0640u);
    EXPECT_EQ(names(), (std::set<std::string>{"real", "link.dat", "dangling.dat"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(u8path(file("real"))), fs::directory_iterator()), 2);
}

TEST_F(PosixFileIo, StaleTemporaryFilesOfTheSameFileAreRemovedLiveOnesKept) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = std::to_string(child);
    const std::string live = std::to_string(::getppid());
    const std::set<std::string> kept = {
        "m.dat",
        "m.dat." + live + ".0badf00d.tmp",      // a save still running elsewhere
        "other.dat." + dead + ".0badf00d.tmp",  // another file's
        "m.dat.backup.tmp",                     // not a temporary file of ours
    };
    const std::set<std::string> stale = {
        "m.dat." + dead + ".0badf00d.tmp",  // its program is gone
        "m.dat." + live + ".12345678.tmp",  // an hour old
        "m.dat.tmp",                        // the single name of earlier versions, an hour old
    };
    for (const auto& names : {kept, stale})
        for (const std::string& name : names) writeBytes(file(name), "x");
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(u8path(file("m.dat." + live + ".12345678.tmp")), hourAgo);
    fs::last_write_time(u8path(file("m.dat.tmp")), hourAgo);

    std::string error;
    ASSERT_TRUE(writeFileReplacing(file("m.dat"), kNew, error)) << error;
    EXPECT_EQ(names(), kept);
}

}  // namespace
}  // namespace cal::test
