#pragma once

#include <cstdint>

namespace mw {

// Where the menu generator takes its random numbers from; tests hand it values of their choice.
class RandomSource
{
public:
    static constexpr int kMaxValue = 32767;

    virtual ~RandomSource() = default;
    // A value in 0..kMaxValue.
    virtual int next() = 0;
};

// The classic C runtime generator, so that a seed always gives the same menu: seeding sets the 32-bit
// state, and each draw steps it to state x 214013 + 2531011 (mod 2^32) and returns bits 16..30.
class LinearCongruentialRandom final : public RandomSource
{
public:
    // 1 is the state the C runtime starts with when nobody seeds it.
    explicit LinearCongruentialRandom(std::uint32_t seed = 1) : m_state(seed) {}

    void seed(std::uint32_t seed) { m_state = seed; }
    std::uint32_t state() const { return m_state; }
    int next() override;

private:
    std::uint32_t m_state;
};

// A seed that differs from run to run: the calendar time plus the milliseconds of the steady clock.
std::uint32_t clockSeed();

} // namespace mw
