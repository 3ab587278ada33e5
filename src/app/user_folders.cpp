#include "app/user_folders.h"

#include <cstdlib>

namespace cal {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string userRecoveryRoot() {
#ifdef _WIN32
    const std::string local = environment("LOCALAPPDATA");
    return local.empty() ? std::string() : local + "\\nursery-calendar\\recovery";
#else
    std::string state = environment("XDG_STATE_HOME");
    // Relative values are to be ignored.
    if (state.empty() || state.front() != '/') {
        const std::string home = environment("HOME");
        if (home.empty()) return {};
        state = home + "/.local/state";
    }
    return state + "/nursery-calendar/recovery";
#endif
}

}  // namespace cal
