// libFuzzer harness: the settings profile parsed from text and loaded from a file.
#include "fuzz/ini_checks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const mw::fuzz::ScratchFolder folder;
    mw::fuzz::checkIniText(folder.path(), std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
