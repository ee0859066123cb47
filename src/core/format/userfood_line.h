#pragma once

#include "model/food_types.h"
#include "model/personal_food_source.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

// Lines of userfood.txt: "\"Name [portion]\", v0, v1, ... v27, " and, in files made by hand, an
// optional pyramid group 1..6 after v27. v0 is the weight in grams of the portion the line describes.

using PersonalFoodValues = std::array<float, kNutrientCount>;

inline constexpr std::string_view kUserfoodLineEnd = "\r\n";
// Numbers outside this range are typing slips or overflow in a hand-edited file and read as 0.
inline constexpr double kSmallestUserfoodValue = 1e-6;
inline constexpr double kLargestUserfoodValue = 1e9;

// A line without its line end, already UTF-8. Never fails: what cannot be read is 0, and a weight
// of 0 means 100 g.
PersonalFoodRecord parseUserfoodLine(std::string_view line);

// Whether a new food's values can be stored: all finite and at most kLargestUserfoodValue, and a
// weight that is not written as 0 (which would read back as 100 g).
bool userfoodValuesFit(const PersonalFoodValues& values);

// The line appended for a new food, without its line end.
std::string buildUserfoodLine(std::string_view name, std::string_view portion, const PersonalFoodValues& values);

// A name or portion as the line stores it: valid UTF-8 with every double quote, square bracket and
// control or line-break character replaced by one blank, so the line keeps its two quotes and brackets.
std::string sanitizeUserfoodText(std::string_view text);

// The characters of a name or portion that the line cannot hold and sanitizeUserfoodText turns into blanks,
// each once, in the order they first appear.
std::vector<char32_t> unstorableUserfoodCharacters(std::string_view text);
// Whether the text is stored as nothing but blanks.
bool isBlankUserfoodText(std::string_view text);

// The bytes of a line as UTF-8: kept when they are valid UTF-8, else read as Windows-1252.
std::string userfoodTextToUtf8(std::string_view bytes);

// One comma-separated piece as a value: leading blanks skipped, the longest decimal number that
// starts there, 0 when there is none or it is not in the accepted range.
float readUserfoodValue(std::string_view piece);

// The piece after v27 as a pyramid slot 0..5 (files write 1..6), nullopt for anything else.
std::optional<int> readUserfoodPyramidSlot(std::string_view piece);

} // namespace mw
