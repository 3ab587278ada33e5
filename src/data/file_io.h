#pragma once
// Whole-file reads and writes. Paths are UTF-8 texts. Every write goes to a
// new file beside the target and is then renamed over it, so a failed write
// leaves the old file whole.

#include <cstddef>
#include <filesystem>
#include <string>

namespace cal {

// dataDir + separator + folder + separator + name, with the platform's separator.
std::string dataPath(const std::string& dataDir, const std::string& folder, const std::string& name);

// The file system's name of a UTF-8 path.
std::filesystem::path pathOf(const std::string& utf8);

// True when a regular file of that name exists (a folder does not count).
bool fileExists(const std::string& path);
// True when a folder of that name exists.
bool folderExists(const std::string& path);
// The error text for a folder found where a file should be.
inline constexpr const char* kFolderInPlace = "ファイルのあるべき場所がフォルダになっています";

struct ReadResult {
    bool ok = false;
    std::string bytes;  // at most the size asked for
    std::string error;  // why it failed, for a message
};
// Reads up to `maxBytes` bytes from the start of the file.
ReadResult readFile(const std::string& path, std::size_t maxBytes);

// How reading a fixed-size record file went. A short file is read with the
// rest empty (an empty one holds no byte at all); a long one holds more than
// its records, which are read alone.
enum class RecordRead { Whole, Short, Empty, Long, Missing, Unreadable };
inline bool recordWasRead(RecordRead read) {
    return read == RecordRead::Whole || read == RecordRead::Short || read == RecordRead::Empty ||
           read == RecordRead::Long;
}
// Reads a record of `size` bytes from the file into `into`, the part the file
// lacks zero.
RecordRead readRecordFile(const std::string& path, void* into, std::size_t size, std::string& error);

// Where a save's bytes go: the system's writer puts them into the file; tests
// of failed saves put one in its place that fails part way, as a full disk
// does. The program's writer is AppState::fileWriter.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Writes up to `size` bytes into the open file `fd`: how many it wrote, or
    // -1 with errno set.
    virtual long writeSome(int fd, const char* data, std::size_t size) = 0;
};
// The writer that writes into the file itself; it keeps no state.
FileWriter& systemFileWriter();

// Replaces the file with `bytes`: written to "<name>.<pid>.<random>.tmp"
// beside it, flushed, renamed over it, and the rename flushed too. A file the
// user may not write is refused. The new file keeps the old one's mode and,
// where the user may give it, its owner and group. A symbolic link is followed:
// its target is replaced and the link stays. Temporary files of the same file
// left by saves that never ended are removed. On failure `error` tells why,
// in Japanese, and the old file is untouched.
bool writeFileReplacing(const std::string& path, const std::string& bytes, std::string& error,
                        FileWriter& writer = systemFileWriter());
// Whether writeFileReplacing could replace the file now: the target may be
// replaced and a new file can be made beside it (made and removed again).
bool canReplaceFile(const std::string& path, std::string& error);
// Copies `from` onto `to` (replacing it) the same way.
bool copyFileReplacing(const std::string& from, const std::string& to, std::string& error,
                       FileWriter& writer = systemFileWriter());

}  // namespace cal
