// libFuzzer harness: one line of userfood.txt, and the text helpers that store names.
#include "fuzz/userfood_checks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mw::fuzz::checkUserfoodLine(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
