#include "data/folder_lock.h"

#include "data/file_io.h"
#include "data/win32.h"

namespace cal {

std::unique_ptr<FolderLock> FolderLock::take(const std::string& folder, std::string& holder) {
    const std::wstring path = pathOf(folder + ".running").wstring();
    // Held open for writing without sharing the writing: a second program
    // cannot open it so while this one runs.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() != ERROR_SHARING_VIOLATION) return nullptr;
        HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        char pid[32] = {};
        DWORD read = 0;
        if (held != INVALID_HANDLE_VALUE) {
            ReadFile(held, pid, sizeof pid - 1, &read, nullptr);
            CloseHandle(held);
        }
        holder = read > 0 ? std::string(pid, read) : std::string("?");
        return nullptr;
    }
    const std::string pid = std::to_string(GetCurrentProcessId());
    DWORD written = 0;
    SetEndOfFile(file);
    WriteFile(file, pid.data(), static_cast<DWORD>(pid.size()), &written, nullptr);
    return std::unique_ptr<FolderLock>(new FolderLock(reinterpret_cast<std::intptr_t>(file)));
}

FolderLock::~FolderLock() { CloseHandle(reinterpret_cast<HANDLE>(m_handle)); }

}  // namespace cal
