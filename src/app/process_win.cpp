#include "app/process.h"

#include "data/win32.h"

#include <shellapi.h>

#include <filesystem>

namespace cal {

std::vector<std::string> commandLineArguments(int, char*[]) {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return args;
    for (int i = 1; i < count; ++i) {
        const std::u8string utf8 = std::filesystem::path(wide[i]).u8string();
        args.emplace_back(utf8.begin(), utf8.end());
    }
    LocalFree(wide);
    return args;
}

void prepareProcess() { SetConsoleOutputCP(CP_UTF8); }

}  // namespace cal
