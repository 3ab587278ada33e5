#pragma once
// Whole-file reads and writes. Paths are UTF-8 texts. Every write goes to a
// new file beside the target and is then renamed over it, so a failed write
// leaves the old file whole.

#include <cstddef>
#include <string>

namespace cal {

// dataDir + separator + folder + separator + name, with the platform's separator.
std::string dataPath(const std::string& dataDir, const std::string& folder, const std::string& name);

// True when a regular file of that name exists (a folder does not count).
bool fileExists(const std::string& path);

struct ReadResult {
    bool ok = false;
    std::string bytes;  // at most the size asked for
    std::string error;  // why it failed, for a message
};
// Reads up to `maxBytes` bytes from the start of the file.
ReadResult readFile(const std::string& path, std::size_t maxBytes);

// How reading a fixed-size record file went.
enum class RecordRead { Whole, Short, Missing, Unreadable };

// Replaces the file with `bytes`: written beside it, flushed, then renamed.
bool writeFileReplacing(const std::string& path, const std::string& bytes, std::string& error);
// Copies `from` onto `to` (replacing it) the same way.
bool copyFileReplacing(const std::string& from, const std::string& to, std::string& error);

}  // namespace cal
