#include "data/file_io.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace cal {

namespace fs = std::filesystem;

namespace {

// A temporary file older than this is left over from a save that never ended.
constexpr auto kStaleAge = std::chrono::seconds(10);


std::string toUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string reasonText(int err) {
    switch (err) {
    case ENOSPC: return "ディスクの空きが足りません";
    case EACCES:
    case EPERM: return "アクセスが許可されていません";
    case ENOENT: return "フォルダが見つかりません";
    case EROFS: return "読み取り専用の場所です";
    case EISDIR: return "同じ名前のフォルダがあります";
    case EIO: return "入出力エラーです";
    case EFBIG: return "ファイルが大きすぎます";
    default: return "エラー番号 " + std::to_string(err);
    }
}

std::string writeReasonText(int err) {
    return err == EACCES || err == EPERM ? "書き込みが許可されていません" : reasonText(err);
}

// Eight hex digits that differ from call to call; O_EXCL makes the name unique.
std::string randomHex(unsigned attempt) {
    std::uint64_t x = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    x ^= reinterpret_cast<std::uintptr_t>(&attempt) + (std::uint64_t{attempt} << 32);
    x += 0x9E3779B97F4A7C15u;  // splitmix64
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    x ^= x >> 31;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(x));
    return text;
}

// ---- the platform's calls --------------------------------------------------

// What a save keeps of the file it replaces.
struct OldFile {
    bool exists = false;
#ifndef _WIN32
    struct stat info {};
#endif
};

#ifndef _WIN32

int currentPid() { return static_cast<int>(::getpid()); }

// Whether the target is a file this user may replace.
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

// Makes the rename itself durable: without this a power cut can bring the
// old file back.
bool syncFolder(const fs::path& folder, int& err) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;  // a folder we may not read cannot be synced; the file itself is
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    if (!ok) err = errno;
    ::close(fd);
    return ok;
}

bool processRuns(int pid) { return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH); }

#else

int currentPid() { return _getpid(); }

int errnoOf(DWORD code) {
    switch (code) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_WRITE_PROTECT: return EROFS;
    default: return EIO;
    }
}

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
    return true;
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
bool syncFile(int fd) { return _commit(fd) == 0; }
bool closeFile(int fd) { return _close(fd) == 0; }

bool renameOver(const fs::path& from, const fs::path& to, int& err) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    err = errnoOf(GetLastError());
    return false;
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

#endif

// ---- temporary files -------------------------------------------------------

// The file a save replaces: a symbolic link is followed to the file it names,
// so the link itself stays a link.
bool resolveTarget(const std::string& path, fs::path& target, int& err) {
    fs::path p = pathOf(path);
    std::error_code ec;
    for (int depth = 0; depth < 40; ++depth) {
        if (!fs::is_symlink(fs::symlink_status(p, ec))) {
            target = p;
            return true;
        }
        if (fs::exists(p, ec)) {
            target = fs::canonical(p, ec);
            if (ec) err = ec.value();
            return !ec;
        }
        // A link to a file not made yet: the save makes it.
        const fs::path link = fs::read_symlink(p, ec);
        if (ec) {
            err = ec.value();
            return false;
        }
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    err = ELOOP;
    return false;
}

// "<name>.<pid>.<random>.tmp" beside the target, made new.
int createTemp(const fs::path& target, bool privateMode, fs::path& temp, int& err) {
    const std::string base = toUtf8(target) + "." + std::to_string(currentPid()) + ".";
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temp = pathOf(base + randomHex(attempt) + ".tmp");
        const int fd = openNew(temp, privateMode);
        if (fd >= 0) return fd;
        err = errno;
        if (err != EEXIST) break;
    }
    return -1;
}

// Writes, flushes to the disk and closes; the first failure is the one told.
bool fillAndClose(int fd, const std::string& bytes, int& err) {
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const long n = writeSome(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            ok = false;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    if (ok && !syncFile(fd)) {
        err = errno;
        ok = false;
    }
    if (!closeFile(fd) && ok) {
        err = errno;
        ok = false;
    }
    return ok;
}

bool allOf(std::string_view text, std::string_view chars) {
    return !text.empty() && text.find_first_not_of(chars) == std::string_view::npos;
}

// The process id in a temporary file name of `name`; 0 for the single
// "<name>.tmp" of earlier versions, -1 for any other file.
int tempOwner(std::string_view name, std::string_view entry) {
    if (entry.size() == name.size() + 4 && entry.starts_with(name) && entry.ends_with(".tmp")) return 0;
    if (entry.size() <= name.size() + 5 || !entry.starts_with(name) || entry[name.size()] != '.' ||
        !entry.ends_with(".tmp"))
        return -1;
    const std::string_view middle = entry.substr(name.size() + 1, entry.size() - name.size() - 5);
    const auto dot = middle.find('.');
    if (dot == std::string_view::npos || dot > 9) return -1;
    const std::string_view pid = middle.substr(0, dot);
    if (!allOf(pid, "0123456789") || !allOf(middle.substr(dot + 1), "0123456789abcdef")) return -1;
    int owner = -1;
    std::from_chars(pid.data(), pid.data() + pid.size(), owner);
    return owner;
}

// Removes the temporary files of saves of `target` that never ended: their
// program is gone, or they are too old to belong to a save still running.
void removeStaleTemps(const fs::path& target) {
    const std::string name = toUtf8(target.filename());
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const auto now = fs::file_time_type::clock::now();
    std::vector<fs::path> stale;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const int pid = tempOwner(name, toUtf8(it->path().filename()));
        std::error_code ignored;
        if (pid < 0 || !fs::is_regular_file(it->symlink_status(ignored))) continue;
        const auto modified = fs::last_write_time(it->path(), ignored);
        const bool old = !ignored && now - modified > kStaleAge;
        if (old || (pid > 0 && !processRuns(pid))) stale.push_back(it->path());
    }
    for (const fs::path& path : stale) fs::remove(path, ec);
}

// The new file of a replacement of `path`, made beside its target; -1 with
// `err` set when the file may not be replaced.
int openReplacement(const std::string& path, fs::path& target, OldFile& old, fs::path& temp, int& err) {
    if (!resolveTarget(path, target, err) || !checkReplaceable(target, old, err)) return -1;
    return createTemp(target, old.exists, temp, err);
}

}  // namespace

fs::path pathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string dataPath(const std::string& dataDir, const std::string& folder, const std::string& name) {
    const char sep = static_cast<char>(fs::path::preferred_separator);
    return dataDir + sep + folder + sep + name;
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(pathOf(path), ec);
}

bool folderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(pathOf(path), ec);
}

ReadResult readFile(const std::string& path, std::size_t maxBytes) {
    ReadResult result;
    errno = 0;
    std::ifstream in(pathOf(path), std::ios::binary);
    if (!in) {
        result.error = reasonText(errno ? errno : EIO);
        return result;
    }
    result.bytes.resize(maxBytes);
    in.read(result.bytes.data(), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) {
        result.bytes.clear();
        result.error = reasonText(errno ? errno : EIO);
        return result;
    }
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    result.ok = true;
    return result;
}

bool canReplaceFile(const std::string& path, std::string& error) {
    int err = 0;
    fs::path target, temp;
    OldFile old;
    const int fd = openReplacement(path, target, old, temp, err);
    if (fd < 0) {
        error = writeReasonText(err);
        return false;
    }
    closeFile(fd);
    std::error_code ignored;
    fs::remove(temp, ignored);
    return true;
}

bool writeFileReplacing(const std::string& path, const std::string& bytes, std::string& error) {
    int err = 0;
    fs::path target, temp;
    OldFile old;
    const int fd = openReplacement(path, target, old, temp, err);
    if (fd < 0) {
        error = writeReasonText(err);
        return false;
    }
    bool written = takeOwnerAndMode(fd, old, err);
    if (written)
        written = fillAndClose(fd, bytes, err);
    else
        closeFile(fd);
    if (!written || !renameOver(temp, target, err)) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        error = writeReasonText(err);
        return false;
    }
    // The new file is in place; a folder that cannot be synced is still told.
    const bool synced = syncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."), err);
    removeStaleTemps(target);
    if (!synced) error = writeReasonText(err);
    return synced;
}

bool copyFileReplacing(const std::string& from, const std::string& to, std::string& error) {
    std::error_code ec;
    const auto size = fs::file_size(pathOf(from), ec);
    if (ec) {
        error = reasonText(ec.value());
        return false;
    }
    ReadResult source = readFile(from, static_cast<std::size_t>(size));
    if (!source.ok) {
        error = source.error;
        return false;
    }
    return writeFileReplacing(to, source.bytes, error);
}

}  // namespace cal
