// Replacing files on every system: a failed or refused write keeps the old
// file whole and leaves nothing behind; saves at once, Japanese names.
#include "data/file_io.h"
#include "support/failing_writer.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <thread>

namespace cal::test {
namespace {

namespace fs = std::filesystem;

const std::string kOld(4000, 'o');
const std::string kNew(5000, 'n');

class FileIo : public ::testing::Test {
protected:
    std::string file(const std::string& name) const { return dir.file("Calendar_dat", name); }
    std::set<std::string> names() const { return namesIn(dir.path() + "/Calendar_dat"); }
    static std::set<std::string> namesIn(const std::string& folder) {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(u8path(folder))) found.insert(utf8Of(entry.path().filename()));
        return found;
    }
    TempDataDir dir;
};

// Whoever runs the program, root included: a file nobody may write is kept.
TEST_F(FileIo, AReadOnlyFileIsKeptForEveryUser) {
    writeBytes(file("protected.dat"), kOld);
    // Read-only for everyone; on Windows the read-only attribute.
    fs::permissions(u8path(file("protected.dat")), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string error;
    EXPECT_FALSE(writeFileReplacing(file("protected.dat"), kNew, error));
    EXPECT_EQ(error, "書き込みが許可されていません");
    EXPECT_EQ(readBytes(file("protected.dat")), kOld);
    EXPECT_EQ(names(), std::set<std::string>{"protected.dat"});
}

TEST_F(FileIo, ReplacesAnExistingFileInAJapaneseFolder) {
    const std::string path = dataPath(dir.path(), "ひまわり組", "Calendar200301.dat");
    fs::create_directory(u8path(dir.path() + "/ひまわり組"));
    writeBytes(path, kOld);
    std::string error;
    ASSERT_TRUE(writeFileReplacing(path, kNew, error)) << error;
    EXPECT_EQ(readBytes(path), kNew);
    EXPECT_EQ(namesIn(dir.path() + "/ひまわり組"), std::set<std::string>{"Calendar200301.dat"});
}

TEST_F(FileIo, FailuresTellTheirOwnReasonAndLeaveNothingBehind) {
    writeBytes(file("month.dat"), kOld);
    writeBytes(file("source.dat"), kNew);
    std::string error;
    {
        FailingWriter fullDisk(100);
        EXPECT_FALSE(writeFileReplacing(file("month.dat"), kNew, error, fullDisk));
        EXPECT_EQ(error, "ディスクの空きが足りません");
        EXPECT_FALSE(copyFileReplacing(file("source.dat"), file("month.dat"), error, fullDisk));
        EXPECT_EQ(error, "ディスクの空きが足りません");
    }
    fs::create_directory(u8path(file("folder.dat")));
    EXPECT_FALSE(writeFileReplacing(file("folder.dat"), kNew, error));
    EXPECT_EQ(error, "同じ名前のフォルダがあります");
    EXPECT_FALSE(writeFileReplacing(file("missing/month.dat"), kNew, error));
    EXPECT_EQ(error, "フォルダが見つかりません");

    EXPECT_EQ(readBytes(file("month.dat")), kOld);
    EXPECT_EQ(names(), (std::set<std::string>{"month.dat", "source.dat", "folder.dat"}));
}

TEST_F(FileIo, TheReplaceProbeAnswersAsTheWriteThenDoesAndLeavesNothing) {
    writeBytes(file("month.dat"), kOld);
    fs::create_directory(u8path(file("folder.dat")));
    for (const char* name : {"month.dat", "new.dat", "folder.dat", "missing/month.dat"}) {
        const std::set<std::string> before = names();
        std::string probed, written;
        const bool can = canReplaceFile(file(name), probed);
        EXPECT_EQ(names(), before) << name;
        EXPECT_EQ(can, writeFileReplacing(file(name), kNew, written)) << name;
        EXPECT_EQ(probed, written) << name;
    }
}

TEST_F(FileIo, SavesOfTheSameFileAtOnceAllSucceed) {
    const std::string a(117648, 'a'), b(117648, 'b');
    const auto saveMany = [&](const std::string& bytes, int& failed) {
        std::string error;
        for (int i = 0; i < 25; ++i) failed += !writeFileReplacing(file("m.dat"), bytes, error);
    };
    int failedA = 0, failedB = 0;
    std::thread first(saveMany, std::cref(a), std::ref(failedA));
    saveMany(b, failedB);
    first.join();
    EXPECT_EQ(failedA + failedB, 0);
    const std::string saved = readBytes(file("m.dat"));
    EXPECT_TRUE(saved == a || saved == b);
    EXPECT_EQ(names(), std::set<std::string>{"m.dat"});
}

}  // namespace
}  // namespace cal::test
