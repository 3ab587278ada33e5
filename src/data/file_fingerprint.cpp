#include "data/file_fingerprint.h"

#include "data/file_io.h"

#include <chrono>
#include <filesystem>

namespace cal {

std::uint64_t fingerprint(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::optional<std::uint64_t> fileFingerprint(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(pathOf(path), ec);
    if (ec || !fileExists(path)) return std::nullopt;
    const ReadResult file = readFile(path, static_cast<std::size_t>(size));
    if (!file.ok) return std::nullopt;
    return fingerprint(file.bytes);
}

std::optional<std::int64_t> fileModifiedTime(const std::string& path) {
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(pathOf(path), ec);
    if (ec) return std::nullopt;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
}

}  // namespace cal
