#include "app/environment.h"

#include <cstdlib>
#include <filesystem>

namespace cal {

std::string environment(const char* name) {
    const std::wstring wideName = std::filesystem::path(name).wstring();  // names are ASCII
    const wchar_t* value = _wgetenv(wideName.c_str());
    if (value == nullptr) return {};
    const std::u8string utf8 = std::filesystem::path(value).u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace cal
