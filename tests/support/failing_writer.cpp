#include "support/failing_writer.h"

#include <algorithm>
#include <cerrno>

namespace cal::test {

long FailingWriter::writeSome(int fd, const char* data, std::size_t size) {
    if (m_left == 0) {
        errno = ENOSPC;
        return -1;
    }
    const long written = systemFileWriter().writeSome(fd, data, std::min(size, m_left));
    if (written > 0) m_left -= static_cast<std::size_t>(written);
    return written;
}

}  // namespace cal::test
