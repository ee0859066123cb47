#pragma once

#include <string>
#include <string_view>

namespace mw {

class CFofDoc;

// The day as a spreadsheet table (RFC 4180, UTF-8, CRLF line ends, numbers with a decimal point whatever
// the locale). A header row names the columns: Meal, FoodId, Food, Grams, Servings and the 28 nutrients in
// NutrientIndex order with their units ("Calories (kcal)"). Then one row per meal entry, in meal order,
// then a "Total" row for each of the six meals and one for the day, whose FoodId, Grams and Servings
// are empty; a total is the sum of the numbers shown above it, as a spreadsheet would add them.
std::string dayCsv(const CFofDoc& document);

// A field as a CSV line holds it: quoted, with its quotes doubled, when it holds a comma, a quote or a
// line break.
std::string csvField(std::string_view text);
// A text cell: as csvField, with a "'" put before a text that starts with =, +, -, @, a tab or a carriage
// return, so that a spreadsheet shows it as text instead of running it as a formula. Numbers do not go here.
std::string csvText(std::string_view text);
// A value in fixed notation with the fewest digits that read back as the same float ("149.816", "0.0005").
std::string csvNumber(float value);

} // namespace mw
