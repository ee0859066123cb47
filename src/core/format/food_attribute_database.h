#pragma once

#include "format/food_attribute_file.h"
#include "model/food_types.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace mw {

enum class FoodAttributeLoadStatus
{
    kLoaded,     // a complete file
    kShortFile,  // fewer words than foods: those it has are kept, the rest are 0
    kMissing,    // no file yet: nothing hidden, no list members
    kNoCount,    // shorter than its count: treated as missing
    kWrongCount, // a count other than 4643: the file's words are dropped
    kUnreadable, // the file exists but could not be read: all flags clear, the file is left alone
};

struct FoodAttributeLoadResult
{
    FoodAttributeLoadStatus status = FoodAttributeLoadStatus::kMissing;
    std::size_t wordsRead = 0;
    std::error_code ioError;
};

// One word of user flags per FoodId 0..4642: bit 0 hidden, bits 1..14 membership in food lists
// 1..14. Ids past 4642 have no word: they test as 0 and ignore set and clear.
//
// The store remembers the file it was loaded from and whether its flags differ from that file.
// Callers call saveIfChanged() after every command that changes flags (hide, unhide, adding to
// or removing from a list, clearing a list) and once more at exit, so a crash loses nothing and a
// command that changes many foods writes the file once.
class CFoodAttributeDatabase
{
public:
    static constexpr std::uint16_t kHidden = 0x0001;
    static constexpr int kListCount = 14;
    // The mask of food list 1..14 (lists 8..10 are the high, medium and low insulin-inducer lists).
    static constexpr std::uint16_t listMask(int list) { return static_cast<std::uint16_t>(1u << list); }

    // All flags clear and no file attached.
    CFoodAttributeDatabase() = default;

    // Mask 0 asks "is the food visible": 1 when its hidden bit is clear. Otherwise the word AND mask.
    std::uint16_t test(FoodId id, std::uint16_t mask) const;
    void set(FoodId id, std::uint16_t mask);
    void clear(FoodId id, std::uint16_t mask);
    // How many foods have any bit of mask set.
    int count(std::uint16_t mask) const;
    // Clears every flag.
    void reset();

    // Reads path and attaches it for saving. Any file that cannot give the words of all foods
    // gives the cleared store (a short one keeps the words it has); none of these is an error.
    FoodAttributeLoadResult load(const std::filesystem::path& path);
    // Writes all words to the attached file atomically; on failure the old file stays as it was
    // and the store still counts as changed.
    std::error_code save();
    // Saves only when the flags differ from the attached file, or the file is missing or incomplete.
    std::error_code saveIfChanged();
    bool hasUnsavedChanges() const { return m_changed; }
    const std::filesystem::path& filePath() const { return m_path; }

    const FoodAttributeWords& words() const { return m_words; }

private:
    static bool hasWord(FoodId id) { return id < kFoodAttributeWordCount; }
    void changeWord(FoodId id, std::uint16_t value);

    FoodAttributeWords m_words{};
    std::filesystem::path m_path;
    bool m_changed = false;
};

} // namespace mw
