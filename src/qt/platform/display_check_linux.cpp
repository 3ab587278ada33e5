#include "qt/platform/display_check.h"

#include <cstdlib>
#include <initializer_list>

namespace cal::qtui {

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace cal::qtui
