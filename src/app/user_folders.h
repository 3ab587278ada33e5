#pragma once
// Folders of the user's own, outside any data folder.

#include <string>

namespace cal {

// Where recovery files of unsaved months go: $XDG_STATE_HOME (or
// ~/.local/state)/nursery-calendar/recovery on Linux, the local application
// data folder on Windows; empty when neither can be found.
std::string userRecoveryRoot();

}  // namespace cal
