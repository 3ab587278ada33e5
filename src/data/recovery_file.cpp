#include "data/recovery_file.h"

#include "data/file_fingerprint.h"
#include "data/file_io.h"

#include <cstdio>
#include <filesystem>

namespace cal {

namespace {

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::string recoveryFolder(const std::string& root, const std::string& dataDir) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::weakly_canonical(pathOf(dataDir), ec);
    if (ec) absolute = std::filesystem::absolute(pathOf(dataDir), ec);
    // A trailing separator names the same folder.
    std::string key = utf8Of(absolute.lexically_normal());
    while (key.size() > 1 && (key.back() == '/' || key.back() == '\\')) key.pop_back();
    char name[17];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(fingerprint(key)));
    return utf8Of(pathOf(root) / name);
}

std::string recoveryFilePath(const std::string& root, const std::string& dataDir, const std::string& year,
                             int month) {
    const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
    return utf8Of(pathOf(recoveryFolder(root, dataDir)) / ("Calendar" + year + mm + ".dat"));
}

}  // namespace cal
