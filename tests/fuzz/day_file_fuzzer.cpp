// libFuzzer harness: the day file reader on any bytes.
#include "fuzz/day_file_checks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mw::fuzz::checkDayFile(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
