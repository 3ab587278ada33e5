#pragma once
// Pictures chosen or dropped by the user become library names: a BMP of
// the library by its name, anything else brought into the library first,
// so that no record ever names a file the library does not hold.

#include "state/context.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cal {

// The library name for the file at `path`; nothing when it was refused,
// which `owner`'s message has told the user.
std::optional<std::string> libraryNameOf(Context& c, std::string_view owner, const std::string& path);

// The library names of dropped files, in order, each refusal told.
std::vector<std::string> libraryNamesOf(Context& c, std::string_view owner, const std::vector<std::string>& paths);

struct PictureChoice {
    bool cancelled = false;
    std::optional<std::string> name;  // nothing when cancelled or refused
};
// Lets the user choose a picture for a place holding `current`: the
// library window, or the file dialog where there is none.
PictureChoice chooseLibraryPicture(Context& c, std::string_view owner, const std::string& current);

}  // namespace cal
