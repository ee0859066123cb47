#include "calc/linear_congruential_random.h"

#include <chrono>
#include <ctime>

namespace mw {

int LinearCongruentialRandom::next()
{
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 0x7FFFu);
}

std::uint32_t clockSeed()
{
    const auto now = static_cast<std::uint64_t>(std::time(nullptr));
    const auto ticks =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    return static_cast<std::uint32_t>(now + static_cast<std::uint64_t>(ticks));
}

} // namespace mw
