#include "data/file_io.h"

#include "data/file_io_platform.h"

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
    case EBUSY: return "ほかのプログラムがファイルを開いています";
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
    const std::string base = toUtf8(target) + "." + std::to_string(platform::currentPid()) + ".";
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temp = pathOf(base + randomHex(attempt) + ".tmp");
        const int fd = platform::openNew(temp, privateMode);
        if (fd >= 0) return fd;
        err = errno;
        if (err != EEXIST) break;
    }
    return -1;
}

class SystemFileWriter final : public FileWriter {
public:
    long writeSome(int fd, const char* data, std::size_t size) override { return platform::writeSome(fd, data, size); }
};

// Writes, flushes to the disk and closes; the first failure is the one told.
bool fillAndClose(int fd, const std::string& bytes, FileWriter& writer, int& err) {
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const long n = writer.writeSome(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            ok = false;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    if (ok && !platform::syncFile(fd)) {
        err = errno;
        ok = false;
    }
    if (!platform::closeFile(fd) && ok) {
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
        if (old || (pid > 0 && !platform::processRuns(pid))) stale.push_back(it->path());
    }
    for (const fs::path& path : stale) fs::remove(path, ec);
}

// The new file of a replacement of `path`, made beside its target; -1 with
// `err` set when the file may not be replaced.
int openReplacement(const std::string& path, fs::path& target, platform::OldFile& old, fs::path& temp, int& err) {
    if (!resolveTarget(path, target, err) || !platform::checkReplaceable(target, old, err)) return -1;
    return createTemp(target, old.exists, temp, err);
}

}  // namespace

FileWriter& systemFileWriter() {
    static SystemFileWriter writer;
    return writer;
}

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
    platform::OldFile old;
    const int fd = openReplacement(path, target, old, temp, err);
    if (fd < 0) {
        error = writeReasonText(err);
        return false;
    }
    platform::closeFile(fd);
    std::error_code ignored;
    fs::remove(temp, ignored);
    return true;
}

bool writeFileReplacing(const std::string& path, const std::string& bytes, std::string& error, FileWriter& writer) {
    int err = 0;
    fs::path target, temp;
    platform::OldFile old;
    const int fd = openReplacement(path, target, old, temp, err);
    if (fd < 0) {
        error = writeReasonText(err);
        return false;
    }
    bool written = platform::takeOwnerAndMode(fd, old, err);
    if (written)
        written = fillAndClose(fd, bytes, writer, err);
    else
        platform::closeFile(fd);
    if (!written || !platform::renameOver(temp, target, err)) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        error = writeReasonText(err);
        return false;
    }
    // The new file is in place; a folder that cannot be synced is still told.
    const bool synced = platform::syncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."), err);
    removeStaleTemps(target);
    if (!synced) error = writeReasonText(err);
    return synced;
}

bool copyFileReplacing(const std::string& from, const std::string& to, std::string& error, FileWriter& writer) {
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
    return writeFileReplacing(to, source.bytes, error, writer);
}

}  // namespace cal
