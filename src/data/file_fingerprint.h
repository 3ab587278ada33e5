#pragma once
// What a file held when the program last read or wrote it, to notice a
// change made by someone else before writing over it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cal {

// A 64-bit FNV-1a hash of the bytes.
std::uint64_t fingerprint(std::string_view bytes);
// The fingerprint of the file's whole content; nothing when it cannot be read.
std::optional<std::uint64_t> fileFingerprint(const std::string& path);
// The file's modification time in nanoseconds since the epoch of the file
// clock; nothing when the file does not exist.
std::optional<std::int64_t> fileModifiedTime(const std::string& path);

}  // namespace cal
