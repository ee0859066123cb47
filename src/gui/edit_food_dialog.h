#pragma once

#include "format/personal_food_database.h"
#include "model/food_types.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;

namespace mw::gui {

class PersonalFoodForm;

// Changes a personal food in place: its name, unit, pyramid group and values. The user chooses the food from
// the personal foods; the form shows what is stored. Save checks the fields as the add-food dialog does and
// rewrites the food's line, so the food keeps its FoodId and the days that use it keep working; the dialog
// stays open for the next food. A food the database refuses to change is reported.
//
// Object names: foodChoice, the form's (nameEdit, unitEdit, pyramidGroupBox, value0 .. value27), savedLabel,
// saveButton, closeButton.
class CEditPersonalFoodDlg : public QDialog
{
    Q_OBJECT

public:
    // The database must hold at least one food; first is shown first when it is one of them.
    CEditPersonalFoodDlg(PersonalFoodDatabase& foods, std::optional<FoodId> first, QWidget* parent = nullptr);

    std::optional<FoodId> chosenFood() const;

signals:
    // After the food's line was written anew.
    void foodChanged(mw::FoodId id);

private:
    void fillChoice();
    void showChosenFood();
    void saveFood();

    PersonalFoodDatabase& m_foods;
    QComboBox* m_choice = nullptr;
    PersonalFoodForm* m_form = nullptr;
    QLabel* m_saved = nullptr;
};

} // namespace mw::gui
