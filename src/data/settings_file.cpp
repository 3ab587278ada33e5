#include "data/settings_file.h"

#include "data/file_io.h"
#include "data/sjis.h"

namespace cal {

bool readSettingsLines(const std::string& path, std::size_t maxLines, std::vector<std::string>& lines,
                       std::string& error) {
    // A settings file is a few dozen bytes; anything past 64 KiB is not one.
    const ReadResult file = readFile(path, 64 * 1024);
    if (!file.ok) {
        error = file.error;
        return false;
    }
    const std::string text = sjisToUtf8(file.bytes);
    lines.clear();
    std::size_t pos = 0;
    while (lines.size() < maxLines && pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        pos = end + 1;
    }
    return true;
}

bool writeSettingsLines(const std::string& path, const std::vector<std::string>& lines, std::string& error,
                        FileWriter& writer) {
    std::string text;
    for (const std::string& line : lines) text += line + kSettingsLineEnd;
    return writeFileReplacing(path, utf8ToSjis(text), error, writer);
}

}  // namespace cal
