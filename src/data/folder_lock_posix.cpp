#include "data/folder_lock.h"

#include "data/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace cal {

std::unique_ptr<FolderLock> FolderLock::take(const std::string& folder, std::string& holder) {
    const std::string path = pathOf(folder + ".running").string();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            char pid[32] = {};
            const ssize_t n = ::pread(fd, pid, sizeof pid - 1, 0);
            holder = n > 0 ? std::string(pid, static_cast<std::size_t>(n)) : std::string("?");
        }
        ::close(fd);
        return nullptr;
    }
    // Who holds the lock is a note only: the lock holds without it.
    const std::string pid = std::to_string(::getpid());
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
    }
    return std::unique_ptr<FolderLock>(new FolderLock(fd));
}

FolderLock::~FolderLock() { ::close(static_cast<int>(m_handle)); }

}  // namespace cal
