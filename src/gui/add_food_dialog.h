#pragma once

#include "format/personal_food_database.h"
#include "model/food_types.h"
#include "model/nutrient_vector.h"

#include <QDialog>

class QLabel;

namespace mw::gui {

class PersonalFoodForm;

// Adds foods and recipes to the personal food database, one per Add, until the user closes it. Opens with a
// meal's nutrient totals, so that the meal becomes one food whose portion is the meal's weight; the user types
// a name and unit, or other values over them. After each Add a line beside the buttons names the food written
// and the name field is emptied for the next one; the values stay, so that variants are added at once. A
// field that is blank, cannot be read or is out of range is named in a message and takes the focus; a food
// the database refuses (read-only or changed file, full database, failed write) is reported and not counted.
//
// Object names: the form's (nameEdit, unitEdit, value0 .. value27), addedLabel, addButton, closeButton.
class CAddFoodDlg : public QDialog
{
    Q_OBJECT

public:
    // The totals are copied: the dialog keeps nothing of the view they come from.
    CAddFoodDlg(PersonalFoodDatabase& foods, const NutrientVector& mealTotals, QWidget* parent = nullptr);

signals:
    // After each food written to the database, with the FoodId it got.
    void foodAdded(mw::FoodId id);

private:
    void addFood();

    PersonalFoodDatabase& m_foods;
    int m_addedCount = 0;
    PersonalFoodForm* m_form = nullptr;
    QLabel* m_added = nullptr;
};

} // namespace mw::gui
