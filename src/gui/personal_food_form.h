#pragma once

#include "format/personal_food_database.h"
#include "format/personal_food_fields.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLineEdit;

namespace mw::gui {

// The message for a food the database refused to write, naming its file and the cause.
QString foodNotAddedMessage(const PersonalFoodDatabase& foods, PersonalFoodStatus status);
QString foodNotChangedMessage(const PersonalFoodDatabase& foods, PersonalFoodStatus status);
// The sentence that tells which food a dialog wrote: "“Stew [1 bowl]” is now personal food 643."
QString personalFoodWrittenMessage(const PersonalFoodDatabase& foods, FoodId id);

// The fields of a personal food as the dialogs that add and edit one show them: the name, the unit, the pyramid
// group (only where the food's line can keep one) and the 28 values in three columns. Reading them names the
// first field that is blank, cannot be read or is out of range in a message, and gives it the focus.
//
// Object names: nameEdit, unitEdit, pyramidGroupBox, value0 .. value27 (by NutrientIndex).
class PersonalFoodForm : public QWidget
{
    Q_OBJECT

public:
    PersonalFoodForm(bool withPyramidGroup, QWidget* parent);

    QLineEdit* nameEdit() const { return m_name; }
    void showFields(const PersonalFoodFields& fields);
    void showValues(const PersonalFoodValues& values);
    // The fields when every one can be taken, else nullopt after naming the first that cannot.
    std::optional<PersonalFoodFields> readFields();

private:
    QWidget* createNameFields(bool withPyramidGroup);
    QWidget* createValueFields();
    void rejectField(QLineEdit* edit, const QString& field, const QString& message);

    QLineEdit* m_name = nullptr;
    QLineEdit* m_unit = nullptr;
    QComboBox* m_pyramidGroup = nullptr;
    std::array<QLineEdit*, kNutrientCount> m_values{};
};

} // namespace mw::gui
