#pragma once
// The process environment, read as text.

#include <cstdlib>
#include <string>

namespace cal {

// The variable's value; empty when it is not set.
inline std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace cal
