#pragma once
// The system calls a save makes, one file of them per system
// (file_io_posix.cpp, file_io_win.cpp). Failures are told as errno values.

#include <cstddef>
#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace cal::platform {

// What a save keeps of the file it replaces.
struct OldFile {
    bool exists = false;
#ifndef _WIN32
    struct stat info {};
#endif
};

int currentPid();
// Whether the target is a file this user may replace.
bool checkReplaceable(const std::filesystem::path& target, OldFile& old, int& err);
// A new file, refused when the name is taken; -1 on failure.
int openNew(const std::filesystem::path& path, bool privateMode);
// What the new file takes over of the old one.
bool takeOwnerAndMode(int fd, const OldFile& old, int& err);
long writeSome(int fd, const char* data, std::size_t size);
bool syncFile(int fd);
bool closeFile(int fd);
bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to, int& err);
// Makes the rename itself durable: without this a power cut can bring the
// old file back.
bool syncFolder(const std::filesystem::path& folder, int& err);
// Whether a process of that id may still run.
bool processRuns(int pid);

}  // namespace cal::platform
