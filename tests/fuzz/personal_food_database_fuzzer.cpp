// libFuzzer harness: a whole userfood.txt opened, listed and appended to in a folder of its own, also after
// another program appended to it.
#include "fuzz/userfood_checks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const mw::fuzz::ScratchFolder folder;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    mw::fuzz::checkPersonalFoodFile(folder.path(), bytes);
    mw::fuzz::checkAppendAfterAnotherProgram(folder.path(), bytes);
    return 0;
}
