#pragma once
// Qt's own warnings (a missing XDG_RUNTIME_DIR, what the offscreen platform
// cannot do) are no concern of the user's: standard error carries the
// program's own lines only. CALENDAR_DEBUG=1 in the environment lets Qt's
// messages through again.

namespace cal::qtui {

// Installs the filter; call before the application object is made.
void keepQtMessagesForDebugging();

}  // namespace cal::qtui
