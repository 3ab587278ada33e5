#pragma once
// A lock on a file that one running program holds for as long as it runs:
// the system releases it when the program ends, however it ends, so a
// crashed or killed program never leaves it behind.

#include <cstdint>
#include <memory>
#include <string>

namespace cal {

class FolderLock {
public:
    // Takes the lock of `folder` (a file beside it, "<folder>.running", made
    // when missing, so that the folder holds only what it keeps) and notes this
    // program in it. Nothing when another program holds it (`holder` then
    // tells which: its process number) or when it cannot be had at all
    // (`holder` empty).
    static std::unique_ptr<FolderLock> take(const std::string& folder, std::string& holder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    explicit FolderLock(std::intptr_t handle) : m_handle(handle) {}
    std::intptr_t m_handle;
};

}  // namespace cal
