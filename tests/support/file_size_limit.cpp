#include "support/file_size_limit.h"

#include <csignal>

namespace cal::test {

FileSizeLimit::FileSizeLimit(std::size_t bytes) {
    // Without this the process would be ended by SIGXFSZ instead of seeing EFBIG.
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

}  // namespace cal::test
