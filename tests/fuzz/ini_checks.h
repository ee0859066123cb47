#pragma once

#include "fuzz/fuzz_check.h"

#include "format/ini_file.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace mw::fuzz {

// A settings profile's text: it parses, writes back to text that parses to the same text, takes a
// new value that survives writing and reading, and reads the same from a file.
inline void checkIniText(const std::filesystem::path& folder, std::string_view bytes)
{
    IniDocument document = IniDocument::parse(bytes);
    const std::string text = document.text();
    const IniDocument reread = IniDocument::parse(text);
    MW_FUZZ_CHECK(reread.text() == text);
    MW_FUZZ_CHECK(reread.skippedLines().size() == document.skippedLines().size());

    // Whatever the bytes hold, as a value they are stored and read back unchanged.
    const std::string written = escapeIniValue(bytes);
    MW_FUZZ_CHECK(written.find_first_of("\r\n") == std::string::npos);
    MW_FUZZ_CHECK(unescapeIniValue(written) == std::string(bytes));
    document.setValue("Options", "Fuzz Value", bytes);
    MW_FUZZ_CHECK(document.value("Options", "Fuzz Value") == std::string(bytes));
    const IniDocument changed = IniDocument::parse(document.text());
    MW_FUZZ_CHECK(changed.value("Options", "Fuzz Value") == std::string(bytes));
    MW_FUZZ_CHECK(changed.text() == document.text());

    const std::filesystem::path file = folder / "profile.ini";
    writeBytes(file, bytes);
    const IniLoadResult loaded = loadIniFile(file);
    MW_FUZZ_CHECK(!loaded.missing);
    if (bytes.size() > kMaxProfileBytes) {
        MW_FUZZ_CHECK(loaded.error == std::errc::file_too_large);
        return;
    }
    MW_FUZZ_CHECK(!loaded.error);
    MW_FUZZ_CHECK(loaded.document.text() == text);
}

} // namespace mw::fuzz
