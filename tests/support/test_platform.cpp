#include "support/test_platform.h"

#include "data/file_io.h"
#include "data/settings_file.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <string_view>

namespace cal::test {

namespace fs = std::filesystem;

bool MemoryRegistry::setValue(const std::string& key, const std::string& name, const std::string& value,
                              std::string& error) {
    if (!writeFailure.empty()) {
        error = writeFailure;
        return false;
    }
    keys[key][name] = value;
    return true;
}

std::optional<std::string> MemoryRegistry::value(const std::string& key, const std::string& name) const {
    const auto k = keys.find(key);
    if (k == keys.end()) return std::nullopt;
    const auto v = k->second.find(name);
    if (v == k->second.end()) return std::nullopt;
    return v->second;
}

fs::path u8path(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string readBytes(const std::string& path) {
    std::ifstream in(u8path(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string readSettingsText(const std::string& path) {
    std::string text = readBytes(path);
    const std::string_view end = kSettingsLineEnd;
    for (std::size_t at = 0; (at = text.find(end, at)) != std::string::npos; ++at) text.replace(at, end.size(), "\n");
    return text;
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(u8path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TempDataDir::TempDataDir() {
    // A random name made new: process ids come back (Wine reuses them from
    // run to run), and a folder another run still uses is never taken.
    static std::atomic<int> counter{0};
    std::random_device random;
    fs::path base;
    do {
        base = fs::temp_directory_path() /
               ("calendar-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
    } while (!fs::create_directory(base));
    for (const char* folder : {"master", "Calendar_dat", "Calendar_pic"}) fs::create_directories(base / folder);
    const std::u8string utf8 = base.u8string();
    m_path.assign(utf8.begin(), utf8.end());
}

TempDataDir::~TempDataDir() {
    std::error_code ec;
    fs::remove_all(u8path(m_path), ec);
}

std::string TempDataDir::file(const std::string& folder, const std::string& name) const {
    return dataPath(m_path, folder, name);
}
void TempDataDir::write(const std::string& folder, const std::string& name, const std::string& bytes) const {
    writeBytes(file(folder, name), bytes);
}
std::string TempDataDir::read(const std::string& folder, const std::string& name) const {
    return readBytes(file(folder, name));
}
bool TempDataDir::exists(const std::string& folder, const std::string& name) const {
    return fs::exists(u8path(file(folder, name)));
}

}  // namespace cal::test
