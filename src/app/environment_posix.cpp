#include "app/environment.h"

#include <cstdlib>

namespace cal {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace cal
