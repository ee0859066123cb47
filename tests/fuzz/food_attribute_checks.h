#pragma once

#include "fuzz/fuzz_check.h"

#include "format/food_attribute_database.h"
#include "format/food_attribute_file.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

namespace mw::fuzz {

inline std::uint32_t littleEndianAt(std::string_view bytes, std::size_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

// The words fad.dat's bytes must give: those after a count of 4643, else none.
inline void checkFoodAttributeContents(std::string_view bytes, const FoodAttributeFileContents& contents)
{
    const bool allZero = std::all_of(contents.words.begin(), contents.words.end(), [](auto w) { return w == 0; });
    std::size_t header = 2;
    if (bytes.size() >= 2 && littleEndianAt(bytes, 0, 2) == 0xFFFF) {
        header = 6;
    }
    if (bytes.size() < header) {
        MW_FUZZ_CHECK(contents.status == FoodAttributeFileStatus::kNoCount);
        MW_FUZZ_CHECK(allZero && contents.wordsRead == 0);
        return;
    }
    const std::uint32_t count = header == 6 ? littleEndianAt(bytes, 2, 4) : littleEndianAt(bytes, 0, 2);
    MW_FUZZ_CHECK(contents.count == count);
    if (count != kFoodAttributeWordCount) {
        MW_FUZZ_CHECK(contents.status == FoodAttributeFileStatus::kWrongCount);
        MW_FUZZ_CHECK(allZero && contents.wordsRead == 0);
        return;
    }
    const std::size_t available = std::min((bytes.size() - header) / 2, kFoodAttributeWordCount);
    MW_FUZZ_CHECK(contents.wordsRead == available);
    MW_FUZZ_CHECK(contents.status == (available == kFoodAttributeWordCount ? FoodAttributeFileStatus::kComplete
                                                                           : FoodAttributeFileStatus::kShort));
    for (std::size_t i = 0; i < kFoodAttributeWordCount; ++i) {
        const std::uint32_t expected = i < available ? littleEndianAt(bytes, header + 2 * i, 2) : 0;
        MW_FUZZ_CHECK(contents.words[i] == expected);
    }
}

// fad.dat's bytes, decoded in memory and loaded from folder: the same words either way, and they
// are written back as a complete file that reads as the same words.
inline void checkFoodAttributeFile(const std::filesystem::path& folder, std::string_view bytes)
{
    const FoodAttributeFileContents contents = decodeFoodAttributeFile(bytes);
    checkFoodAttributeContents(bytes, contents);

    const std::string written = encodeFoodAttributeFile(contents.words);
    MW_FUZZ_CHECK(written.size() == kFoodAttributeFileSize);
    const FoodAttributeFileContents again = decodeFoodAttributeFile(written);
    MW_FUZZ_CHECK(again.status == FoodAttributeFileStatus::kComplete);
    MW_FUZZ_CHECK(again.words == contents.words);

    const std::filesystem::path file = folder / "fad.dat";
    writeBytes(file, bytes);
    CFoodAttributeDatabase store;
    const FoodAttributeLoadResult loaded = store.load(file);
    MW_FUZZ_CHECK(loaded.status != FoodAttributeLoadStatus::kMissing &&
                  loaded.status != FoodAttributeLoadStatus::kUnreadable);
    MW_FUZZ_CHECK(loaded.wordsRead == contents.wordsRead);
    MW_FUZZ_CHECK(store.words() == contents.words);
    MW_FUZZ_CHECK(store.hasUnsavedChanges() == (loaded.status != FoodAttributeLoadStatus::kLoaded));
    for (std::size_t id = 0; id < kFoodAttributeWordCount; id += 97) {
        const auto food = static_cast<FoodId>(id);
        MW_FUZZ_CHECK(store.test(food, 0) == ((contents.words[id] & CFoodAttributeDatabase::kHidden) == 0 ? 1 : 0));
    }
}

} // namespace mw::fuzz
