#include "app/user_folders.h"

#include "app/environment.h"

namespace cal {

std::string userRecoveryRoot() {
    const std::string local = environment("LOCALAPPDATA");
    return local.empty() ? std::string() : local + "\\nursery-calendar\\recovery";
}

}  // namespace cal
