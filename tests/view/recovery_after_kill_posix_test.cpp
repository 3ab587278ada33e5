// A real program killed after a day was stored and before any save: the next
// run gives the day back, or leaves the month file as it was. POSIX only: it
// starts and kills the program with posix_spawn and signals.

#include "data/month_file.h"
#include "data/recovery_file.h"
#include "support/month_setup.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>

namespace cal::test {
namespace {

namespace fs = std::filesystem;

class RecoveryAfterKill : public ::testing::Test {
protected:
    void SetUp() override {
        root = first.dir.path() + "-state";
        writeYearFile(first, 2002, 1, "水", 31);
        writeMonthFile(first, 2003, 1, 23, "もちつき");
        monthOnDisk = first.dir.read("Calendar_dat", "Calendar200301.dat");
    }
    void TearDown() override {
        fs::remove_all(u8path(root));
        fs::remove(u8path(recordFile));
    }

    // Runs the program until it has stored a day, then kills it; `meanwhile`
    // runs while it is still alive.
    void storeAndKill(const std::function<void(pid_t)>& meanwhile = {}) {
        int out[2];
        ASSERT_EQ(::pipe(out), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const std::string dataDir = first.dir.path();
        char* const argv[] = {const_cast<char*>(EDIT_THEN_WAIT_PATH), const_cast<char*>(dataDir.c_str()),
                              const_cast<char*>(root.c_str()), const_cast<char*>(recordFile.c_str()), nullptr};
        pid_t child = 0;
        ASSERT_EQ(::posix_spawn(&child, EDIT_THEN_WAIT_PATH, &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        char said[16] = {};
        const ssize_t n = ::read(out[0], said, sizeof said - 1);
        ::close(out[0]);
        if (meanwhile) meanwhile(child);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_GT(n, 0);
        ASSERT_EQ(std::string(said), "stored\n");
        ASSERT_TRUE(WIFSIGNALED(status));
    }

    // The next run of the program on the same folder, answering the recovery question.
    void restart(MessageAnswer answer) {
        next.recoveryRoot = root;
        next.clock.date = {2003, 1, 20};
        next.forms.answerMessages({answer});
        next.startOn(first.dir.path());
    }

    Harness first, next;
    std::string root;
    std::string recordFile = first.dir.path() + "-record";
    std::string monthOnDisk;
};

TEST_F(RecoveryAfterKill, YesBringsTheStoredDayBackByteForByte) {
    storeAndKill();
    EXPECT_TRUE(first.dir.read("Calendar_dat", "Calendar200301.dat") == monthOnDisk);  // never saved
    restart(MessageAnswer::Yes);
    ASSERT_EQ(next.forms.messages.size(), 1u);
    EXPECT_EQ(next.forms.messages[0].title, "問い合せ");
    const std::string stored = readBytes(recordFile);
    ASSERT_EQ(stored.size(), sizeof(DayCell));
    EXPECT_EQ(std::memcmp(&next.state->monthCells[23], stored.data(), sizeof(DayCell)), 0);
}

// A second copy on the same folder would write over the first one's
// recovery: it is refused, naming the first, while that one runs; once the
// first is killed, the next start offers what it stored.
TEST_F(RecoveryAfterKill, ASecondCopyIsRefusedWhileTheFirstRunsAndOffersItsDayAfter) {
    storeAndKill([&](pid_t running) {
        Harness second;
        second.recoveryRoot = root;
        second.startOn(first.dir.path());
        EXPECT_TRUE(second.forms.programEnded());
        ASSERT_EQ(second.forms.messages.size(), 1u);
        EXPECT_NE(second.forms.messages[0].message.find("プロセス番号 " + std::to_string(running)), std::string::npos);
    });
    restart(MessageAnswer::Yes);
    ASSERT_FALSE(next.forms.messages.empty());
    EXPECT_EQ(next.forms.messages[0].message.rfind("前回保存されなかった変更があります", 0), 0u);
    EXPECT_FALSE(next.forms.programEnded());
}

TEST_F(RecoveryAfterKill, NoLeavesTheMonthFileAndNoRecoveryBehind) {
    storeAndKill();
    restart(MessageAnswer::No);
    EXPECT_TRUE(first.dir.read("Calendar_dat", "Calendar200301.dat") == monthOnDisk);
    EXPECT_FALSE(fs::exists(u8path(recoveryFilePath(root, first.dir.path(), "2003", 1))));
    EXPECT_TRUE(fs::is_empty(u8path(recoveryFolder(root, first.dir.path()))));
}

}  // namespace
}  // namespace cal::test
