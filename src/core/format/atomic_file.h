#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace mw {

// Why a save refused to write, beside the system's own error codes.
enum class SaveError
{
    kIsFolder = 1,
    kNotRegularFile,
    // The folder does not let a temporary file be made beside the target.
    kFolderNotWritable,
    // The file would be larger than the program reads back.
    kTooLargeToReadBack,
};

const std::error_category& saveErrorCategory();
std::error_code make_error_code(SaveError error);

// A short cause that starts in lower case, e.g. "no space left on device", "is a folder, not a file".
std::string describeSaveError(const std::error_code& error);

// Writes bytes to a temporary file in the same folder, flushes it to disk and renames it over
// path, so a crash or a full disk leaves either the old file or the new one, never half of one.
// A symbolic link is followed and the file it names is replaced; the old file's permission bits
// (and owner, where the process may set it) carry over. A folder, device, pipe or socket at path is
// refused, and so is a file the user may not write or a folder nobody may write to. Temporary files of path
// that killed saves left behind are removed. Returns an empty error code on success; on failure the old file is
// untouched and no temporary file remains.
std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// As writeFileAtomically, except that a character device or a named pipe at path (after links) is
// written to directly, as an output given on the command line may be.
std::error_code writeOutputFile(const std::filesystem::path& path, std::string_view bytes);

// Makes a write past the process's file-size limit fail with "file too large" instead of killing the
// process, so a save under such a limit is a failed save. Leaves a handler someone installed alone.
void ignoreFileSizeSignal();

// Removes the temporary files of path that no save in progress holds, looking only under the names saves give
// them ("name.tmp-1", "name.tmp-2", ...): never lists the folder, so reading a file of a big folder stays quick.
void removeStaleTemporaryFiles(const std::filesystem::path& path);
// The same for every "name.tmp-<digits>" of path in its folder, which is listed at most once per process for
// each path.
void removeStaleTemporaryFilesInFolder(const std::filesystem::path& path);

} // namespace mw

template <>
struct std::is_error_code_enum<mw::SaveError> : std::true_type
{
};
