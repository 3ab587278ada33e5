#pragma once
// Makes every write past a size fail (EFBIG) while it lives: a failed write
// that can be arranged even when the tests run as root.

#include <cstddef>
#include <sys/resource.h>

namespace cal::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(std::size_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

}  // namespace cal::test
