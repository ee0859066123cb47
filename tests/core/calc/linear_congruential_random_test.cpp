#include "calc/linear_congruential_random.h"

#include <gtest/gtest.h>

#include <vector>

namespace mw {
namespace {

std::vector<int> firstDraws(LinearCongruentialRandom& random, int count)
{
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(random.next());
    }
    return draws;
}

TEST(LinearCongruentialRandom, GivesTheCRuntimeSequenceOfASeed)
{
    LinearCongruentialRandom unseeded;
    EXPECT_EQ(firstDraws(unseeded, 10),
              (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
    LinearCongruentialRandom zero(0);
    EXPECT_EQ(firstDraws(zero, 3), (std::vector<int>{38, 7719, 21238}));
}

TEST(LinearCongruentialRandom, StateWrapsAroundAt32Bits)
{
    LinearCongruentialRandom random(0xFFFFFFFFu);
    // 0xFFFFFFFF x 214013 + 2531011 is 2316998 modulo 2^32.
    EXPECT_EQ(random.next(), 2316998 >> 16);
    EXPECT_EQ(random.state(), 2316998u);
}

TEST(LinearCongruentialRandom, ReseedingStartsTheSequenceAgain)
{
    LinearCongruentialRandom random(12345);
    const std::vector<int> first = firstDraws(random, 5);
    random.seed(12345);
    EXPECT_EQ(firstDraws(random, 5), first);
    random.seed(12346);
    EXPECT_NE(firstDraws(random, 5), first);
}

} // namespace
} // namespace mw
