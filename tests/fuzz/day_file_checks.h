#pragma once

#include "fuzz/fuzz_check.h"

#include "format/day_file.h"

#include <string>
#include <string_view>

namespace mw::fuzz {

// A day file's bytes: the reader fails cleanly with a place inside the bytes and leaves the meals
// alone, or it gives a day that writes back to bytes that read as the same day.
inline void checkDayFile(std::string_view bytes)
{
    DayMeals untouched;
    untouched[kLunch].append(CFood(7, 77));
    DayMeals meals = untouched;
    const DayFileResult result = decodeDayFile(bytes, meals);
    MW_FUZZ_CHECK(!describeDayFileError(result).empty());
    if (!result.ok()) {
        MW_FUZZ_CHECK(meals == untouched);
        MW_FUZZ_CHECK(result.offset <= bytes.size());
        MW_FUZZ_CHECK(!result.meal || (*result.meal >= 0 && *result.meal < kMealCount));
        MW_FUZZ_CHECK(result.error != DayFileError::kCannotRead);
        return;
    }
    std::size_t entries = 0;
    for (const CMeal& meal : meals) {
        entries += meal.size();
    }
    // Every entry takes at least a tag and two words.
    MW_FUZZ_CHECK(entries * 6 <= bytes.size());
    const std::string written = encodeDayFile(meals);
    DayMeals again;
    MW_FUZZ_CHECK(decodeDayFile(written, again).ok());
    MW_FUZZ_CHECK(again == meals);
    MW_FUZZ_CHECK(encodeDayFile(again) == written);
}

} // namespace mw::fuzz
