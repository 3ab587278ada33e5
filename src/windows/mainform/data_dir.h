#pragma once
// Where the data lives: the data folder of this installation and the common
// calendar's folder registered for the user.

#include <optional>
#include <string>

namespace cal {

struct Context;

// The data folder: the command line text when there is one, else the
// current directory (with a message when that could not be read).
std::string chooseDataDir(Context& context, const std::string& commandLine,
                          const std::optional<std::string>& currentDirectory);

// Sets `commonDir` to the registered common calendar folder; on failure shows
// why and leaves it unchanged.
void SPROUTWORKS_REG_GET(Context& context, std::string& commonDir);

// The registry key and value that hold the common calendar folder.
inline constexpr const char* kRegistryKey = "Directory";
inline constexpr const char* kRegistryValue = "Kick";

}  // namespace cal
