#pragma once

#include <chrono>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace mw {

// A save takes well under this; a temporary file older than it was left by a save that was killed.
inline constexpr std::chrono::minutes kStaleTemporaryAge{10};

// Writes bytes to a temporary file in the same folder, flushes it to disk and renames it over
// path, so a crash or a full disk leaves either the old file or the new one, never half of one.
// After a successful save, temporary files of path that earlier saves left behind are removed.
// Returns an empty error code on success; on failure the old file is untouched.
std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Removes the temporary files ("name.tmp-<digits>") of path last written before olderThan ago.
void removeStaleTemporaryFiles(const std::filesystem::path& path, std::chrono::minutes olderThan);

} // namespace mw
