#pragma once

#include "fuzz/fuzz_check.h"

#include "format/nutrient_value_text.h"
#include "format/personal_food_database.h"
#include "format/userfood_line.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>

namespace mw::fuzz {

inline void checkRecordValues(const PersonalFoodRecord& record)
{
    MW_FUZZ_CHECK(record.values[kWeight] > 0.0f);
    for (const float value : record.values) {
        MW_FUZZ_CHECK(std::isfinite(value) && value >= 0.0f && value <= kLargestUserfoodValue);
    }
    MW_FUZZ_CHECK(record.pyramidSlot >= -1 && record.pyramidSlot < kPyramidGroupCount);
}

inline std::string valueText(float value)
{
    return FormatNutrientValue(value, kUserfoodValueDecimals, kUserfoodValueIntegerDigits);
}

// One line of userfood.txt: it always reads, within range; its text as UTF-8 is valid; and a food
// built from its pieces is written as a line that reads back as the same food.
inline void checkUserfoodLine(std::string_view bytes)
{
    const PersonalFoodRecord record = parseUserfoodLine(bytes);
    checkRecordValues(record);

    const std::string utf8 = userfoodTextToUtf8(bytes);
    MW_FUZZ_CHECK(isValidUtf8(utf8));
    MW_FUZZ_CHECK(!isValidUtf8(bytes) || utf8 == bytes);

    // The first half names the food, the second its portion.
    const std::string_view name = bytes.substr(0, bytes.size() / 2);
    const std::string_view portion = bytes.substr(bytes.size() / 2);
    const std::string storedName = sanitizeUserfoodText(name);
    const std::string storedPortion = sanitizeUserfoodText(portion);
    for (const std::string& stored : {storedName, storedPortion}) {
        MW_FUZZ_CHECK(isValidUtf8(stored));
        MW_FUZZ_CHECK(std::none_of(stored.begin(), stored.end(), [](char c) {
            return c == '"' || c == '[' || c == ']' || static_cast<unsigned char>(c) < 0x20;
        }));
    }
    if (!userfoodValuesFit(record.values)) {
        return;
    }
    const std::string line = buildUserfoodLine(name, portion, record.values);
    const PersonalFoodRecord reread = parseUserfoodLine(line);
    MW_FUZZ_CHECK(reread.text == storedName + " [" + storedPortion + "]");
    MW_FUZZ_CHECK(reread.pyramidSlot == -1);
    // Each value reads back as the number its text stands for (0.706 is written "0.70").
    for (std::size_t i = 0; i < record.values.size(); ++i) {
        MW_FUZZ_CHECK(reread.values[i] == readUserfoodValue(valueText(record.values[i])));
    }
}

// How many lines the database must see in a file: a last line without its line end counts.
inline std::size_t userfoodLineCount(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const auto ends = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return ends + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

// A whole userfood.txt in folder: it opens with one food per line, lists them, takes an appended
// food with the next FoodId, and reopens with the new food last and the others unchanged.
inline void checkPersonalFoodFile(const std::filesystem::path& folder, std::string_view bytes)
{
    const std::filesystem::path file = folder / PersonalFoodDatabase::kFileName;
    writeBytes(file, bytes);
    PersonalFoodDatabase database;
    MW_FUZZ_CHECK(database.open(folder).status == PersonalFoodStatus::kOk);
    const std::size_t count = database.count();
    MW_FUZZ_CHECK(count == userfoodLineCount(bytes));
    MW_FUZZ_CHECK(database.listItems().size() == database.listedCount());
    for (std::size_t i = 0; i < count; ++i) {
        checkRecordValues(*database.record(i));
        MW_FUZZ_CHECK(isValidUtf8(*database.recordText(personalFoodId(i))));
        MW_FUZZ_CHECK(database.itemText(i).starts_with(std::to_string(personalFoodId(i)) + ";"));
    }
    if (count >= static_cast<std::size_t>(kMaxPersonalFoods)) {
        return;
    }
    PersonalFoodValues values{};
    values[kWeight] = 50.0f;
    values[kCalories] = 12.5f;
    const PersonalFoodAppendResult added = database.append("Fuzz", "1 g", values);
    MW_FUZZ_CHECK(added.status == PersonalFoodStatus::kOk);
    MW_FUZZ_CHECK(added.id == personalFoodId(count));

    PersonalFoodDatabase reopened;
    MW_FUZZ_CHECK(reopened.open(folder).status == PersonalFoodStatus::kOk);
    MW_FUZZ_CHECK(reopened.count() == count + 1);
    MW_FUZZ_CHECK(reopened.record(count)->text == "Fuzz [1 g]");
    MW_FUZZ_CHECK(reopened.record(count)->values == values);
    for (std::size_t i = 0; i < count; ++i) {
        MW_FUZZ_CHECK(reopened.record(i)->text == database.record(i)->text);
        MW_FUZZ_CHECK(reopened.record(i)->values == database.record(i)->values);
    }
}

// A userfood.txt opened from the first half of bytes, to which another program then appends the second
// half: an append through the open database either takes those lines in and holds what opening the file
// afresh gives, ids and all, with its food last; or it is refused because the last line it read was
// changed, and the file is left as the other program made it.
inline void checkAppendAfterAnotherProgram(const std::filesystem::path& folder, std::string_view bytes)
{
    const std::filesystem::path file = folder / PersonalFoodDatabase::kFileName;
    const std::string_view before = bytes.substr(0, bytes.size() / 2);
    writeBytes(file, before);
    PersonalFoodDatabase database;
    MW_FUZZ_CHECK(database.open(folder).status == PersonalFoodStatus::kOk);
    const std::string after = std::string(bytes);
    writeBytes(file, after);

    PersonalFoodValues values{};
    values[kWeight] = 50.0f;
    const PersonalFoodAppendResult added = database.append("Fuzz", "1 g", values);
    PersonalFoodDatabase reopened;
    MW_FUZZ_CHECK(reopened.open(folder, PersonalFoodDatabase::Access::kReadOnly).status == PersonalFoodStatus::kOk);
    if (added.status != PersonalFoodStatus::kOk) {
        MW_FUZZ_CHECK(added.status == PersonalFoodStatus::kFileChanged ||
                      added.status == PersonalFoodStatus::kDatabaseFull);
        MW_FUZZ_CHECK(readBytes(file) == after);
        return;
    }
    MW_FUZZ_CHECK(database.count() == reopened.count());
    MW_FUZZ_CHECK(added.id == personalFoodId(reopened.count() - 1));
    MW_FUZZ_CHECK(reopened.record(reopened.count() - 1)->text == "Fuzz [1 g]");
    for (std::size_t i = 0; i < reopened.count(); ++i) {
        MW_FUZZ_CHECK(*reopened.recordText(personalFoodId(i)) == *database.recordText(personalFoodId(i)));
    }
}

} // namespace mw::fuzz
