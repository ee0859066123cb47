#pragma once

#include "model/food_types.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mw {

// fad.dat: a u16 word count (0xFFFF then a u32 when it does not fit) followed by the words,
// little-endian. The program always writes 4643 words, one per usable FoodId.
inline constexpr std::size_t kFoodAttributeWordCount = kLastUsableFoodId + 1;
inline constexpr std::size_t kFoodAttributeFileSize = 2 + 2 * kFoodAttributeWordCount;
// The most a reader looks at: an escaped count and the 4643 words; anything after is never used.
inline constexpr std::size_t kFoodAttributeFileMaxUsefulSize = 6 + 2 * kFoodAttributeWordCount;

using FoodAttributeWords = std::array<std::uint16_t, kFoodAttributeWordCount>;

enum class FoodAttributeFileStatus
{
    kComplete,   // the count 4643 and all its words
    kShort,      // the count 4643 but fewer words; the missing ones are 0
    kNoCount,    // too short to hold a count; all words 0
    kWrongCount, // a count other than 4643; its words are not used, all words 0
};

struct FoodAttributeFileContents
{
    FoodAttributeFileStatus status = FoodAttributeFileStatus::kNoCount;
    std::uint32_t count = 0;
    std::size_t wordsRead = 0;
    FoodAttributeWords words{};
};

FoodAttributeFileContents decodeFoodAttributeFile(std::string_view bytes);
// Always kFoodAttributeFileSize bytes.
std::string encodeFoodAttributeFile(const FoodAttributeWords& words);

} // namespace mw
