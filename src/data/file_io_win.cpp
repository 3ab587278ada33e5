#include "data/file_io_platform.h"

#include "data/win32.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

namespace cal::platform {

namespace fs = std::filesystem;

namespace {

int errnoOf(DWORD code) {
    switch (code) {
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_WRITE_PROTECT: return EROFS;
    default: return EIO;
    }
}

// A file another program holds open without letting it be deleted (an
// editor, a viewer) cannot be replaced; one held only for a moment (a virus
// scanner, the search indexer) can once it is let go.
bool sharingRefused(DWORD code) { return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION; }
constexpr int kSharingTries = 10;
constexpr DWORD kSharingPauseMs = 50;

}  // namespace

int currentPid() { return _getpid(); }

bool checkReplaceable(const fs::path& target, OldFile& old, int& err) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND) return true;
        err = errnoOf(code);
        return false;
    }
    old.exists = true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        err = EISDIR;
        return false;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        err = EACCES;
        return false;
    }
    // Opened as the replacement will: to be deleted, sharing everything.
    for (int attempt = 0;; ++attempt) {
        const HANDLE file = CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        const DWORD code = GetLastError();
        if (!sharingRefused(code) || attempt + 1 == kSharingTries) {
            err = errnoOf(code);
            return false;
        }
        Sleep(kSharingPauseMs);
    }
}

int openNew(const fs::path& path, bool) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}

// The new file takes the folder's permissions, as any new file there.
bool takeOwnerAndMode(int, const OldFile&, int&) { return true; }

long writeSome(int fd, const char* data, std::size_t size) {
    const unsigned chunk = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
    return _write(fd, data, chunk);
}
bool syncFile(int fd) {
    if (FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(fd)))) return true;
    errno = errnoOf(GetLastError());
    return false;
}
bool closeFile(int fd) { return _close(fd) == 0; }

bool renameOver(const fs::path& from, const fs::path& to, int& err) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD code = GetLastError();
        if ((!sharingRefused(code) && code != ERROR_ACCESS_DENIED) || attempt + 1 == kSharingTries) {
            err = errnoOf(code);
            return false;
        }
        Sleep(kSharingPauseMs);
    }
}

// MOVEFILE_WRITE_THROUGH has put the rename on the disk already.
bool syncFolder(const fs::path&, int&) { return true; }

bool processRuns(int pid) {
    if (pid <= 0) return false;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

}  // namespace cal::platform
