#pragma once

#include "format/personal_food_database.h"
#include "model/food_types.h"
#include "query/usda_personal_food.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace mw::gui {

// Finds a food of the USDA database by name and adds a portion of it to the personal database, one per
// Add, until the user closes it. The USDA table is searched from the first time the dialog opens.
//
// Object names: searchEdit, groupCombo, resultList (items carry the food's place in the USDA table as
// Qt::UserRole), foundLabel, measureCombo, amountSpin, nameEdit, portionEdit, preview1 .. preview27 (by
// NutrientIndex), missingLabel, addButton, closeButton, addedLabel.
class CUsdaFoodDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CUsdaFoodDlg(PersonalFoodDatabase& foods, QWidget* parent = nullptr);

signals:
    // After each food written to the database, with the FoodId it got.
    void foodAdded(mw::FoodId id);

private:
    QWidget* createSearchFields();
    QWidget* createPortionFields();
    QWidget* createPreview();

    void search();
    void chooseFood();
    void updatePortion();
    // The chosen food as the personal food Add would write, nullopt when no food is chosen.
    std::optional<UsdaPersonalFood> currentFood() const;
    void addFood();

    PersonalFoodDatabase& m_foods;
    std::optional<std::size_t> m_food;

    QLineEdit* m_search = nullptr;
    QComboBox* m_group = nullptr;
    QListWidget* m_results = nullptr;
    QLabel* m_found = nullptr;
    QComboBox* m_measure = nullptr;
    QDoubleSpinBox* m_amount = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_portion = nullptr;
    std::array<QLabel*, kNutrientCount> m_preview{};
    QLabel* m_missing = nullptr;
    QLabel* m_added = nullptr;
    QWidget* m_addButton = nullptr;
};

} // namespace mw::gui
