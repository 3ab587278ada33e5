#pragma once
// The names pictures get when they are brought into the picture library: a
// bare name ending in .bmp that a record's 30-byte field holds in Shift-JIS
// and that every system of the nursery can open.

#include <cstddef>
#include <string>
#include <string_view>

namespace cal {

// Bytes a picture name may take in a record.
inline constexpr std::size_t kPictureNameBytes = 30;

// The library name for a file called `fileName` (no folder part): its stem
// with ".bmp", characters Shift-JIS cannot hold and characters no file name
// may hold on Windows replaced by "_", cut on a character boundary so that
// the whole name fits kPictureNameBytes. `number` above 1 gives the free
// name "stem-2.bmp", "stem-3.bmp", … with the number kept whole.
std::string libraryName(std::string_view fileName, int number = 1);

// Whether two library names name one file on a system that ignores the
// case of ASCII letters (Windows), as the nursery's other computers do.
bool sameLibraryName(std::string_view a, std::string_view b);

}  // namespace cal
