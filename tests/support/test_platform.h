#pragma once
// A clock that tests set, a registry held in memory, and temporary data folders.

#include "ui/platform.h"

#include <filesystem>
#include <map>
#include <string>

namespace cal::test {

class SettableClock final : public Clock {
public:
    Date date{2003, 1, 15};
    Date today() const override { return date; }
};

class MemoryRegistry final : public Registry {
public:
    std::map<std::string, std::map<std::string, std::string>> keys;
    bool keyExists(const std::string& key) const override { return keys.count(key) != 0; }
    std::optional<std::string> value(const std::string& key, const std::string& name) const override;
    bool setValue(const std::string& key, const std::string& name, const std::string& value,
                  std::string& error) override;
    // Set: every write fails with this reason.
    std::string writeFailure;
};

// A data folder with master/, Calendar_dat/ and Calendar_pic/, removed again
// when the test ends.
class TempDataDir {
public:
    TempDataDir();
    ~TempDataDir();
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    const std::string& path() const { return m_path; }
    // The full name of a file below the folder, e.g. file("master", "CalendarH.dat").
    std::string file(const std::string& folder, const std::string& name) const;
    void write(const std::string& folder, const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& folder, const std::string& name) const;
    bool exists(const std::string& folder, const std::string& name) const;

private:
    std::string m_path;
};

// The system's separator, as paths in messages name it.
inline const std::string kSeparator(1, static_cast<char>(std::filesystem::path::preferred_separator));

std::filesystem::path u8path(const std::string& utf8);
// The path as UTF-8 (path::string() is the ANSI code page on Windows).
std::string utf8Of(const std::filesystem::path& path);
std::string readBytes(const std::string& path);
// A settings file's text with its line ends (the system's) read as "\n".
std::string readSettingsText(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

}  // namespace cal::test
