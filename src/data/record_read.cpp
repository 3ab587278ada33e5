#include "data/file_io.h"

#include <algorithm>
#include <cstring>

namespace cal {

RecordRead readRecordFile(const std::string& path, void* into, std::size_t size, std::string& error) {
    if (!fileExists(path)) return RecordRead::Missing;
    // One byte more than the record tells a longer file from a whole one.
    const ReadResult file = readFile(path, size + 1);
    if (!file.ok) {
        error = file.error;
        return RecordRead::Unreadable;
    }
    const std::size_t read = std::min(file.bytes.size(), size);
    std::memset(into, 0, size);
    std::memcpy(into, file.bytes.data(), read);
    if (file.bytes.size() > size) return RecordRead::Long;
    if (read == 0) return RecordRead::Empty;
    return read < size ? RecordRead::Short : RecordRead::Whole;
}

}  // namespace cal
