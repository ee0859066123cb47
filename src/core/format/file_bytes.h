#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace mw {

// What stands where a file was to be read, when it is not a regular file.
enum class NotAFileError
{
    kFolder = 1,
    kNamedPipe,
    kSocket,
    kDevice,
    kOther,
};

const std::error_category& notAFileCategory();
std::error_code make_error_code(NotAFileError error);

// The first bytes of a file and how big the whole file is.
struct FileStart
{
    std::string bytes;
    std::uintmax_t fileSize = 0;
    // no_such_file_or_directory for a missing file; a NotAFileError for a folder, pipe, socket or device; any
    // other code when it exists but cannot be read.
    std::error_code error;
};

// What tells one version of a file from the next: which file the name stands for, its size and its
// last change. A save that renames a new file over the old one changes it even within one clock tick.
struct FileStamp
{
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file path names now (after links); exists is false when there is none.
FileStamp fileStamp(const std::filesystem::path& path);

// Reads at most maxBytes from the start of a regular file, so a huge or wrong file never sizes
// more than maxBytes of memory.
FileStart readFileStart(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace mw

template <>
struct std::is_error_code_enum<mw::NotAFileError> : std::true_type
{
};
