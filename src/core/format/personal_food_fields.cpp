#include "format/personal_food_fields.h"

namespace mw {

void splitPersonalFoodText(std::string_view text, std::string& name, std::string& unit)
{
    const std::size_t open = text.find('[');
    if (open == std::string_view::npos) {
        name = text;
        unit.clear();
        return;
    }
    std::string_view before = text.substr(0, open);
    if (before.ends_with(' ')) {
        before.remove_suffix(1);
    }
    const std::size_t close = text.find(']', open);
    name = before;
    unit = text.substr(open + 1, (close == std::string_view::npos ? text.size() : close) - open - 1);
}

std::optional<PersonalFoodFields> personalFoodFields(const PersonalFoodSource& personal, FoodId id)
{
    const PersonalFoodRecord* record =
        id < kFirstPersonalFoodId ? nullptr : personal.record(static_cast<std::size_t>(id - kFirstPersonalFoodId));
    if (record == nullptr) {
        return std::nullopt;
    }
    PersonalFoodFields fields;
    splitPersonalFoodText(record->text, fields.name, fields.unit);
    fields.values = record->values;
    if (record->pyramidSlot >= 0) {
        fields.pyramidSlot = record->pyramidSlot;
    }
    return fields;
}

} // namespace mw
