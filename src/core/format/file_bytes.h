#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace mw {

// The first bytes of a file and how big the whole file is.
struct FileStart
{
    std::string bytes;
    std::uintmax_t fileSize = 0;
    // no_such_file_or_directory for a missing file; any other code when it exists but cannot be read.
    std::error_code error;
};

// Reads at most maxBytes from the start of a regular file, so a huge or wrong file never sizes
// more than maxBytes of memory.
FileStart readFileStart(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace mw
