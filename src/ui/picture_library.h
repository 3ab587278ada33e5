#pragma once
// The picture library as the user meets it: pictures of any kind brought in
// as BMP files, and the window that shows the library to choose from.
// Texts and paths are UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cal {

// What became of one file brought into the library.
struct PictureImport {
    std::string name;   // its library name; empty when it was refused
    std::string error;  // why it was refused, naming the file
    bool reused = false;  // a library file of that name already held these pixels
    bool ok() const { return !name.empty(); }
};

class PictureLibrary {
public:
    virtual ~PictureLibrary() = default;
    // Brings the picture file at `path` into dataDir's picture library as a
    // 24-bit BMP; never writes over another picture.
    virtual PictureImport importFile(const std::string& dataDir, const std::string& path) = 0;
    // The library window owned by `owner`, `current` selected: answers the
    // library name chosen, nothing when cancelled.
    virtual std::optional<std::string> choose(std::string_view owner, const std::string& dataDir,
                                              const std::string& current) = 0;
};

}  // namespace cal
