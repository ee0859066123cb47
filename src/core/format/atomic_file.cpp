#include "format/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <random>
#include <string>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define MEALWRIGHT_HAVE_FSYNC 1
#endif

namespace mw {
namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";

std::filesystem::path temporarySibling(const std::filesystem::path& path)
{
    static std::mt19937 random{std::random_device{}()};
    return path.parent_path() / (path.filename().string() + std::string(kTemporaryMark) + std::to_string(random()));
}

bool isTemporarySiblingName(const std::string& name, const std::string& fileName)
{
    const std::string prefix = fileName + std::string(kTemporaryMark);
    return name.size() > prefix.size() && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// Pushes the file's bytes to the disk before the rename makes them the real file.
bool syncToDisk(const std::filesystem::path& path)
{
#ifdef MEALWRIGHT_HAVE_FSYNC
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#else
    (void)path;
    return true;
#endif
}

} // namespace

void removeStaleTemporaryFiles(const std::filesystem::path& path, std::chrono::minutes olderThan)
{
    const std::string fileName = path.filename().string();
    const auto before = std::filesystem::file_time_type::clock::now() - olderThan;
    std::error_code error;
    for (std::filesystem::directory_iterator it(path.parent_path().empty() ? "." : path.parent_path(), error), end;
         !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (isTemporarySiblingName(it->path().filename().string(), fileName) && it->is_regular_file(ignored) &&
            it->last_write_time(ignored) < before) {
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    const std::filesystem::path temporary = temporarySibling(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return std::make_error_code(errno != 0 ? std::errc(errno) : std::errc::io_error);
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return std::make_error_code(std::errc::io_error);
        }
    }
    if (!syncToDisk(temporary)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return std::make_error_code(std::errc::io_error);
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return error;
    }
    removeStaleTemporaryFiles(path, kStaleTemporaryAge);
    return error;
}

} // namespace mw
