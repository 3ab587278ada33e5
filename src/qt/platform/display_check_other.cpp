#include "qt/platform/display_check.h"

namespace cal::qtui {

// Windows and macOS always have their one screen.
bool displayAvailable() { return true; }

}  // namespace cal::qtui
