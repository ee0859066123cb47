#pragma once

#include <filesystem>

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

private:
    int m_handle = -1;
};

} // namespace mw
