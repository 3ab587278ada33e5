#include "data/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace cal {

namespace fs = std::filesystem;

namespace {

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
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
    default: return "エラー番号 " + std::to_string(err);
    }
}

#ifndef _WIN32
// Writes all of `bytes` to a new file and flushes it to the disk.
bool writeNewFile(const std::string& path, const std::string& bytes, int& err) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        err = errno;
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        err = errno;
        return false;
    }
    return true;
}
#else
bool writeNewFile(const std::string& path, const std::string& bytes, int& err) {
    std::ofstream out(toPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        err = errno ? errno : EIO;
        return false;
    }
    return true;
}
#endif

}  // namespace

std::string dataPath(const std::string& dataDir, const std::string& folder, const std::string& name) {
    const char sep = static_cast<char>(fs::path::preferred_separator);
    return dataDir + sep + folder + sep + name;
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(toPath(path), ec);
}

ReadResult readFile(const std::string& path, std::size_t maxBytes) {
    ReadResult result;
    std::ifstream in(toPath(path), std::ios::binary);
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

bool writeFileReplacing(const std::string& path, const std::string& bytes, std::string& error) {
    const std::string temp = path + ".tmp";
    int err = 0;
    if (!writeNewFile(temp, bytes, err)) {
        std::error_code ignored;
        if (fs::is_regular_file(toPath(temp), ignored)) fs::remove(toPath(temp), ignored);
        error = reasonText(err);
        return false;
    }
    std::error_code ec;
    fs::rename(toPath(temp), toPath(path), ec);
    if (ec) {
        fs::remove(toPath(temp), ec);
        error = reasonText(ec.value());
        return false;
    }
    return true;
}

bool copyFileReplacing(const std::string& from, const std::string& to, std::string& error) {
    std::error_code ec;
    const auto size = fs::file_size(toPath(from), ec);
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
