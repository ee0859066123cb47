#pragma once

#include <filesystem>
#include <memory>

namespace mw {

// An exclusive advisory lock that other processes of this program wait for, held while the object
// lives. It serialises read-change-write sequences on one file between the desktop program and the
// command-line tool. Where it cannot be taken (no such file, or no locks on this system) nothing is
// held and the caller goes on as before.
class FileLock
{
public:
    // Locks an existing file or folder; never creates anything.
    explicit FileLock(const std::filesystem::path& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return m_handle >= 0; }

    // Locks a file that saves replace by renaming a new file over it: the lock a waiter finally gets may
    // belong to the replaced file, so it is taken again until it is the lock of the file the path names.
    static std::unique_ptr<FileLock> lockReplacedFile(const std::filesystem::path& path);

private:
    // Whether the path still names the locked file.
    bool holds(const std::filesystem::path& path) const;

    int m_handle = -1;
};

} // namespace mw
