// libFuzzer harness: a whole userfood.txt opened, listed and appended to in a folder of its own.
#include "fuzz/userfood_checks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const mw::fuzz::ScratchFolder folder;
    mw::fuzz::checkPersonalFoodFile(folder.path(), std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
