#pragma once
// A signed 32-bit little-endian number as it lies in a record.

#include <array>
#include <cstdint>

namespace cal {

struct LeInt32 {
    std::array<unsigned char, 4> bytes{};

    std::int32_t get() const {
        const std::uint32_t u = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                                std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
        return static_cast<std::int32_t>(u);
    }
    void set(std::int32_t value) {
        const auto u = static_cast<std::uint32_t>(value);
        bytes = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                 static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
    }
};
static_assert(sizeof(LeInt32) == 4 && alignof(LeInt32) == 1);

}  // namespace cal
