#pragma once

#include "format/personal_food_database.h"
#include "format/userfood_line.h"
#include "model/food_types.h"
#include "model/nutrient_vector.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;

namespace mw::gui {

// The message for a food the database refused to add, naming its file and the cause.
QString foodNotAddedMessage(const PersonalFoodDatabase& foods, PersonalFoodStatus status);

// Adds foods and recipes to the personal food database, one per Add, until the user closes it. Opens with a
// meal's nutrient totals, so that the meal becomes one food whose portion is the meal's weight; the user types
// a name and unit, or other values over them. A field that cannot be read or is out of range is named in a
// message and takes the focus; a food the database refuses (read-only or changed file, full database, failed
// write) is reported and not counted.
//
// Object names: nameEdit, unitEdit, value0 .. value27 (by NutrientIndex), addButton, closeButton.
class CAddFoodDlg : public QDialog
{
    Q_OBJECT

public:
    // The totals are copied: the dialog keeps nothing of the view they come from.
    CAddFoodDlg(PersonalFoodDatabase& foods, const NutrientVector& mealTotals, QWidget* parent = nullptr);

    // Foods added since the dialog opened.
    int addedCount() const { return m_addedCount; }

signals:
    // After each food written to the database, with the FoodId it got.
    void foodAdded(mw::FoodId id);

private:
    QWidget* createNameFields();
    QWidget* createValueFields();

    void addFood();
    // The values when every field can be taken, else nullopt after naming the first field that cannot.
    std::optional<PersonalFoodValues> readFields();
    void rejectField(QLineEdit* edit, const QString& field, const QString& message);
    void reportNotAdded(PersonalFoodStatus status);
    void showValues(const PersonalFoodValues& values);

    PersonalFoodDatabase& m_foods;
    int m_addedCount = 0;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_unit = nullptr;
    std::array<QLineEdit*, kNutrientCount> m_values{};
};

} // namespace mw::gui
