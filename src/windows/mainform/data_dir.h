#pragma once
// Where the data lives: the data folder of this installation and the common
// calendar's folder registered for the user.

#include <optional>
#include <string>
#include <string_view>

namespace cal {

struct Context;

// The data folder: the command line text when there is one, else the
// current directory (with a message when that could not be read).
std::string chooseDataDir(Context& context, const std::string& commandLine,
                          const std::optional<std::string>& currentDirectory);

// Sets `commonDir` to the registered common calendar folder; on failure shows
// why and leaves it unchanged.
void SPROUTWORKS_REG_GET(Context& context, std::string& commonDir);

// The registered common calendar folder, without any message; empty when
// none is registered.
std::string registeredCommonDir(const Context& context);

// Lets the user choose the common calendar's folder in a folder dialog and
// registers it. A folder without Calendar_dat, or a name longer than the
// registry value can hold, is refused with a message. Answers false when
// nothing was registered.
bool chooseCommonDir(Context& context, std::string_view owner, std::string& commonDir);

// The registry key and value that hold the common calendar folder, and the
// value beside it that remembers the data folder a start without one chose.
inline constexpr const char* kRegistryKey = "Directory";
inline constexpr const char* kRegistryValue = "Kick";
inline constexpr const char* kDataFolderValue = "Data";
// The month window's zoom in percent, as the user left it.
inline constexpr const char* kMonthZoomValue = "MonthZoom";
// "1": pictures fill their places instead of keeping their proportions.
inline constexpr const char* kStretchPicturesValue = "StretchPictures";
// The longest registry value that can be read back, in Shift-JIS bytes.
inline constexpr std::size_t kRegistryValueBytes = 255;

}  // namespace cal
