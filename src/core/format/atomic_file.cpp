#include "format/atomic_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <mutex>
#include <optional>
#include <set>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mw {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMark = ".tmp-";
// More links in a row than this are a loop, as the system itself judges.
constexpr int kMaxLinkHops = 40;
constexpr int kMaxNameAttempts = 100;
// A save takes the lowest free number, so a leftover of a killed save stands among the first few names. Reading
// looks at these and on until a name is free, never at the whole folder.
constexpr int kAlwaysProbedNames = 4;

class SaveErrorCategory final : public std::error_category
{
public:
    const char* name() const noexcept override { return "save"; }
    std::string message(int code) const override
    {
        switch (static_cast<SaveError>(code)) {
        case SaveError::kIsFolder:
            return "it is a folder, not a file";
        case SaveError::kNotRegularFile:
            return "it is not a regular file";
        case SaveError::kFolderNotWritable:
            return "its folder does not let a new file be made there (permission denied)";
        case SaveError::kTooLargeToReadBack:
            return "it would be larger than the program can read back";
        }
        return "unknown error";
    }
};

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

bool isTemporarySiblingName(const std::string& name, const std::string& fileName)
{
    const std::string prefix = fileName + std::string(kTemporaryMark);
    return name.size() > prefix.size() && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The file a chain of symbolic links ends at, which need not exist yet.
std::error_code followLinks(fs::path& path)
{
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return {};
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            return error;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// Only a regular file the user may write can be replaced; old receives its status when it exists.
std::error_code checkReplaceable(const fs::path& target, std::optional<struct stat>& old)
{
    struct stat status = {};
    if (::lstat(target.c_str(), &status) != 0) {
        return errno == ENOENT ? std::error_code() : lastError();
    }
    if (S_ISDIR(status.st_mode)) {
        return SaveError::kIsFolder;
    }
    if (!S_ISREG(status.st_mode)) {
        return SaveError::kNotRegularFile;
    }
    // The folder may allow the rename even where the file itself is read-only; and a file nobody may
    // write was made so on purpose, which even the administrator's saves respect.
    if (::access(target.c_str(), W_OK) != 0) {
        return lastError();
    }
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return std::make_error_code(std::errc::permission_denied);
    }
    old = status;
    return {};
}

fs::path temporaryName(const fs::path& target, int number)
{
    return target.parent_path() / (target.filename().string() + std::string(kTemporaryMark) + std::to_string(number));
}

// A folder nobody may write to was made read-only on purpose; even the administrator's saves respect it, as they
// do a read-only file.
bool folderRefusesWriting(const fs::path& target)
{
    struct stat status = {};
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool isFolderRefusal(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

// An open temporary file beside the target, locked so that no other save takes it for a leftover.
class TemporaryFile
{
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (m_fd >= 0) {
            ::unlink(m_path.c_str());
            ::close(m_fd);
        }
    }

    std::error_code create(const fs::path& target)
    {
        for (int number = 1; number <= kMaxNameAttempts; ++number) {
            m_path = temporaryName(target, number);
            m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0) {
                if (errno == EEXIST) {
                    continue;
                }
                return isFolderRefusal(errno) ? std::error_code(SaveError::kFolderNotWritable) : lastError();
            }
            if (lockedAndLinked()) {
                return {};
            }
            ::close(m_fd);
            m_fd = -1;
        }
        return std::make_error_code(std::errc::file_exists);
    }

    int fd() const { return m_fd; }

    // Renames the file over target; the lock is held until the name is gone.
    std::error_code renameOver(const fs::path& target)
    {
        if (::rename(m_path.c_str(), target.c_str()) != 0) {
            return lastError();
        }
        ::close(m_fd);
        m_fd = -1;
        return {};
    }

private:
    // Another save's clean-up may have removed the file between its creation and the lock.
    bool lockedAndLinked() const
    {
        struct stat status = {};
        return ::flock(m_fd, LOCK_EX) == 0 && ::fstat(m_fd, &status) == 0 && status.st_nlink > 0;
    }

    fs::path m_path;
    int m_fd = -1;
};

std::error_code writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? lastError() : std::make_error_code(std::errc::io_error);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// The owner first: changing it may clear the set-id bits the mode then puts back.
void keepOwnerAndMode(int fd, const struct stat& old)
{
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    ::fchmod(fd, old.st_mode & 07777);
}

std::error_code writeDirectly(const fs::path& target, std::string_view bytes)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return lastError();
    }
    std::error_code error = writeAll(fd, bytes);
    if (::close(fd) != 0 && !error) {
        error = lastError();
    }
    return error;
}

// Takes the lock of a temporary file no save holds and removes the file while holding it.
void removeIfUnheld(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat opened = {};
    struct stat named = {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        ::lstat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino && named.st_dev == opened.st_dev) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

} // namespace

const std::error_category& saveErrorCategory()
{
    static const SaveErrorCategory category;
    return category;
}

std::error_code make_error_code(SaveError error)
{
    return {static_cast<int>(error), saveErrorCategory()};
}

std::string describeSaveError(const std::error_code& error)
{
    std::string text = error.message();
    if (!text.empty()) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return text;
}

void ignoreFileSizeSignal()
{
    struct sigaction current = {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        std::signal(SIGXFSZ, SIG_IGN);
    }
}

void removeStaleTemporaryFiles(const std::filesystem::path& path)
{
    fs::path target = path;
    if (followLinks(target)) {
        return;
    }
    for (int number = 1; number <= kMaxNameAttempts; ++number) {
        const fs::path name = temporaryName(target, number);
        struct stat status = {};
        if (::lstat(name.c_str(), &status) != 0) {
            if (number > kAlwaysProbedNames) {
                return;
            }
            continue;
        }
        removeIfUnheld(name);
    }
}

void removeStaleTemporaryFilesInFolder(const std::filesystem::path& path)
{
    fs::path target = path;
    if (followLinks(target)) {
        return;
    }
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    static std::mutex guard;
    static std::set<std::pair<std::string, std::string>> scanned;
    {
        const std::lock_guard<std::mutex> lock(guard);
        if (!scanned.emplace(folder.string(), target.filename().string()).second) {
            return;
        }
    }
    const std::string fileName = target.filename().string();
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (isTemporarySiblingName(it->path().filename().string(), fileName)) {
            removeIfUnheld(it->path());
        }
    }
}

std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    ignoreFileSizeSignal();
    if (path.empty()) {
        return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    fs::path target = path;
    std::optional<struct stat> old;
    if (std::error_code error = followLinks(target); error || (error = checkReplaceable(target, old))) {
        return error;
    }
    if (folderRefusesWriting(target)) {
        return SaveError::kFolderNotWritable;
    }
    removeStaleTemporaryFiles(target);
    removeStaleTemporaryFilesInFolder(target);
    TemporaryFile temporary;
    if (std::error_code error = temporary.create(target)) {
        return error;
    }
    if (old) {
        keepOwnerAndMode(temporary.fd(), *old);
    }
    if (std::error_code error = writeAll(temporary.fd(), bytes)) {
        return error;
    }
    if (::fsync(temporary.fd()) != 0) {
        return lastError();
    }
    return temporary.renameOver(target);
}

std::error_code writeOutputFile(const std::filesystem::path& path, std::string_view bytes)
{
    ignoreFileSizeSignal();
    fs::path target = path;
    if (const std::error_code error = followLinks(target)) {
        return error;
    }
    struct stat status = {};
    if (::stat(target.c_str(), &status) == 0 && (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))) {
        return writeDirectly(target, bytes);
    }
    return writeFileAtomically(path, bytes);
}

} // namespace mw
