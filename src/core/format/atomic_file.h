#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace mw {

// Writes bytes to a temporary file in the same folder, flushes it to disk and renames it over
// path, so a crash or a full disk leaves either the old file or the new one, never half of one.
// Returns an empty error code on success; on failure the old file is untouched.
std::error_code writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace mw
