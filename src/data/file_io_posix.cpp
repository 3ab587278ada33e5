#include "data/file_io_platform.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cal::platform {

namespace fs = std::filesystem;

int currentPid() { return static_cast<int>(::getpid()); }

bool checkReplaceable(const fs::path& target, OldFile& old, int& err) {
    if (::stat(target.c_str(), &old.info) != 0) {
        if (errno == ENOENT) return true;
        err = errno;
        return false;
    }
    old.exists = true;
    if (S_ISDIR(old.info.st_mode) || !S_ISREG(old.info.st_mode)) {
        err = S_ISDIR(old.info.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    if (::access(target.c_str(), W_OK) != 0) {
        err = errno;
        return false;
    }
    // A file nobody may write is read-only by intent (a common calendar a
    // head teacher protected), as Windows' read-only attribute is: kept even
    // for an administrator, whom access() lets write anything.
    if ((old.info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        err = EACCES;
        return false;
    }
    return true;
}

int openNew(const fs::path& path, bool privateMode) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, privateMode ? 0600 : 0644);
    return fd;
}

// The old file's owner where the user may give it, and its mode.
bool takeOwnerAndMode(int fd, const OldFile& old, int& err) {
    if (!old.exists) return true;
    if (::fchown(fd, old.info.st_uid, old.info.st_gid) != 0) {
        // Not allowed to give the file away: the group alone where we may.
        if (errno != EPERM || (::fchown(fd, static_cast<uid_t>(-1), old.info.st_gid) != 0 && errno != EPERM)) {
            err = errno;
            return false;
        }
    }
    if (::fchmod(fd, old.info.st_mode & 07777) != 0) {
        err = errno;
        return false;
    }
    return true;
}

long writeSome(int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}
bool syncFile(int fd) { return ::fsync(fd) == 0; }
bool closeFile(int fd) { return ::close(fd) == 0; }

bool renameOver(const fs::path& from, const fs::path& to, int& err) {
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
    err = errno;
    return false;
}

bool syncFolder(const fs::path& folder, int& err) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;  // a folder we may not read cannot be synced; the file itself is
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    if (!ok) err = errno;
    ::close(fd);
    return ok;
}

bool processRuns(int pid) { return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH); }

}  // namespace cal::platform
