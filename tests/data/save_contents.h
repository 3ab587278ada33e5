#pragma once
// The two contents the save loop alternates: month-sized, differing in every byte.

#include <cstddef>
#include <string>

namespace cal::test {

inline constexpr std::size_t kSaveLoopBytes = 117648;

inline std::string saveLoopContent(int which) {
    std::string bytes(kSaveLoopBytes, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 31 + static_cast<std::size_t>(which) * 101) % 251);
    return bytes;
}

}  // namespace cal::test
