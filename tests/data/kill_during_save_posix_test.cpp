// A program killed while it saves leaves the old file or the new one, whole,
// and the next save clears what it left behind. POSIX only: it starts and
// kills processes with posix_spawn and signals.
#include "data/file_io.h"
#include "data/save_contents.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

namespace cal::test {
namespace {

pid_t spawnSaveLoop(const std::string& path) {
    pid_t child = 0;
    char* const argv[] = {const_cast<char*>(SAVE_LOOP_PATH), const_cast<char*>(path.c_str()), nullptr};
    EXPECT_EQ(::posix_spawn(&child, SAVE_LOOP_PATH, nullptr, nullptr, argv, environ), 0);
    return child;
}

// How long a started save loop takes to finish its first save here: kills
// are spread over twice that, so that some land before, some during and some
// after a save, however slow the machine (a sanitizer build, a busy disk).
int firstSaveMicroseconds(const std::string& path, const std::string& first) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = spawnSaveLoop(path);
    while (readBytes(path) == first && std::chrono::steady_clock::now() - start < std::chrono::seconds(10))
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const auto took = std::chrono::steady_clock::now() - start;
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(took).count());
}

TEST(KillDuringSave, TheFileIsAlwaysOneWholeContentAndNothingIsLeftBehind) {
    const TempDataDir dir;
    const std::string path = dir.file("Calendar_dat", "Calendar200301.dat");
    const std::string first = saveLoopContent(0), second = saveLoopContent(1);
    std::string error;
    ASSERT_TRUE(writeFileReplacing(path, first, error)) << error;

    const int firstSave = firstSaveMicroseconds(path, first);
    ASSERT_TRUE(writeFileReplacing(path, first, error)) << error;
    std::mt19937 random(20030115);
    std::uniform_int_distribution<int> delayMicroseconds(0, std::max(40000, 2 * firstSave));
    int changed = 0;
    for (int run = 0; run < 200; ++run) {
        // The delay counts from the loop's start, however slow the start-up
        // (a sanitizer build on a busy machine).
        int out[2];
        ASSERT_EQ(::pipe(out), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        pid_t child = 0;
        char* const argv[] = {const_cast<char*>(SAVE_LOOP_PATH), const_cast<char*>(path.c_str()), nullptr};
        ASSERT_EQ(::posix_spawn(&child, SAVE_LOOP_PATH, &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        char ready[8] = {};
        ASSERT_GT(::read(out[0], ready, sizeof ready - 1), 0);
        ::close(out[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the save loop ended by itself with " << WEXITSTATUS(status);
        const std::string saved = readBytes(path);
        ASSERT_TRUE(saved == first || saved == second) << "run " << run << ": " << saved.size() << " bytes";
        changed += saved != first;
    }
    EXPECT_GT(changed, 0) << "no save finished before its kill";

    ASSERT_TRUE(writeFileReplacing(path, first, error)) << error;
    const auto folder = std::filesystem::path(path).parent_path();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace cal::test
