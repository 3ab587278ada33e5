#include "app/user_folders.h"

#include "app/environment.h"

namespace cal {

std::string userRecoveryRoot() {
    std::string state = environment("XDG_STATE_HOME");
    // Relative values are to be ignored.
    if (state.empty() || state.front() != '/') {
        const std::string home = environment("HOME");
        if (home.empty()) return {};
        state = home + "/.local/state";
    }
    return state + "/nursery-calendar/recovery";
}

}  // namespace cal
