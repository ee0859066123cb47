#include "format/file_lock.h"

#if __has_include(<sys/file.h>)
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#define MEALWRIGHT_HAVE_FLOCK 1
#endif

namespace mw {

FileLock::FileLock(const std::filesystem::path& path)
{
#ifdef MEALWRIGHT_HAVE_FLOCK
    // Read-only and non-blocking to open, so a pipe or device in the way cannot stall us.
    m_handle = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_handle < 0) {
        return;
    }
    int result = 0;
    while ((result = ::flock(m_handle, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (result != 0) {
        ::close(m_handle);
        m_handle = -1;
    }
#else
    (void)path;
#endif
}

std::unique_ptr<FileLock> FileLock::lockReplacedFile(const std::filesystem::path& path)
{
    auto lock = std::make_unique<FileLock>(path);
    while (lock->locked() && !lock->holds(path)) {
        lock.reset();
        lock = std::make_unique<FileLock>(path);
    }
    return lock;
}

bool FileLock::holds(const std::filesystem::path& path) const
{
#ifdef MEALWRIGHT_HAVE_FLOCK
    struct stat locked = {};
    struct stat named = {};
    return ::fstat(m_handle, &locked) == 0 && ::stat(path.c_str(), &named) == 0 && locked.st_ino == named.st_ino &&
           locked.st_dev == named.st_dev;
#else
    (void)path;
    return true;
#endif
}

FileLock::~FileLock()
{
#ifdef MEALWRIGHT_HAVE_FLOCK
    if (m_handle >= 0) {
        ::close(m_handle);
    }
#endif
}

} // namespace mw
