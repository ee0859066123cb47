#include "format/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string>

#include <sys/stat.h>

namespace mw {
namespace {

class NotAFileCategory final : public std::error_category
{
public:
    const char* name() const noexcept override { return "not a file"; }
    std::string message(int code) const override
    {
        switch (static_cast<NotAFileError>(code)) {
        case NotAFileError::kFolder:
            return "it is a folder";
        case NotAFileError::kNamedPipe:
            return "it is a named pipe (FIFO)";
        case NotAFileError::kSocket:
            return "it is a socket";
        case NotAFileError::kDevice:
            return "it is a device";
        case NotAFileError::kOther:
            break;
        }
        return "it is not a regular file";
    }
};

NotAFileError notAFileKind(std::filesystem::file_type type)
{
    using enum std::filesystem::file_type;
    switch (type) {
    case directory:
        return NotAFileError::kFolder;
    case fifo:
        return NotAFileError::kNamedPipe;
    case socket:
        return NotAFileError::kSocket;
    case block:
    case character:
        return NotAFileError::kDevice;
    default:
        return NotAFileError::kOther;
    }
}

} // namespace

const std::error_category& notAFileCategory()
{
    static const NotAFileCategory category;
    return category;
}

std::error_code make_error_code(NotAFileError error)
{
    return {static_cast<int>(error), notAFileCategory()};
}

FileStamp fileStamp(const std::filesystem::path& path)
{
    struct stat status = {};
    if (::stat(path.c_str(), &status) != 0) {
        return {};
    }
    return {true, static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::uint64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

FileStart readFileStart(const std::filesystem::path& path, std::size_t maxBytes)
{
    FileStart start;
    const std::filesystem::file_status status = std::filesystem::status(path, start.error);
    if (start.error) {
        return start;
    }
    if (!std::filesystem::is_regular_file(status)) {
        start.error = std::filesystem::exists(status) ? make_error_code(notAFileKind(status.type()))
                                                      : std::make_error_code(std::errc::no_such_file_or_directory);
        return start;
    }
    start.fileSize = std::filesystem::file_size(path, start.error);
    if (start.error) {
        return start;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        start.error = std::make_error_code(errno != 0 ? std::errc(errno) : std::errc::io_error);
        return start;
    }
    const auto wanted = static_cast<std::size_t>(std::min<std::uintmax_t>(start.fileSize, maxBytes));
    start.bytes.resize(wanted);
    in.read(start.bytes.data(), static_cast<std::streamsize>(wanted));
    // A file that shrank since its size was taken gives fewer bytes; that is what it holds now.
    start.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        start.error = std::make_error_code(std::errc::io_error);
    }
    return start;
}

} // namespace mw
