#pragma once

#include "calc/requirements.h"

#include <QDialog>

#include <array>
#include <system_error>

class QComboBox;
class QGridLayout;
class QLabel;
class QSpinBox;

namespace mw {
class Settings;
}

namespace mw::gui {

// The user's age, ideal weight, activity level and category, with the daily requirements they give
// recomputed on every change. Opens with the stored inputs; OK stores them and the dialog is then
// accepted, which is the sign for the caller that the analysis settings changed. Escape or Cancel
// stores nothing. When the profile cannot be written, OK tells why and the dialog stays open, so the
// user may try again or cancel.
//
// Object names: ageSpinBox, idealWeightSpinBox, kilogramsLabel, activitySpinBox, categoryComboBox,
// requirementValue1 .. requirementValue26 (by NutrientIndex), alcoholValue, energyValue, buttonBox.
class CCaloricNeedDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCaloricNeedDlg(Settings& settings, QWidget* parent = nullptr);

    // The inputs as they stand, with their ranges and requirements.
    const CaloricNeedForm& form() const { return m_form; }
    // Why the last OK could not store the inputs; empty once they were stored.
    std::error_code storeError() const { return m_storeError; }
    // For a caller that uses the inputs for this run even when they cannot be stored: OK on a profile
    // that cannot be written then accepts the dialog without a word, and the caller tells the user.
    void setAcceptUnsaved(bool acceptUnsaved) { m_acceptUnsaved = acceptUnsaved; }

    void accept() override;

private:
    QWidget* createInputs();
    QWidget* createMainIntake();
    QWidget* createOtherIntake();
    void addRequirementRow(QGridLayout* grid, int row, int column, int nutrient);

    // A typed value arrives as the arrow clicks that lead to it, so the ranges follow it as they follow clicks.
    void stepAgeTo(int age);
    void stepIdealWeightTo(int pounds);
    void stepActivityTo(int activity);
    void selectCategory(int category);

    void showForm();

    Settings& m_settings;
    CaloricNeedForm m_form;
    std::error_code m_storeError;
    bool m_acceptUnsaved = false;

    QSpinBox* m_age = nullptr;
    QSpinBox* m_idealWeight = nullptr;
    QLabel* m_kilograms = nullptr;
    QSpinBox* m_activity = nullptr;
    QComboBox* m_category = nullptr;
    // By NutrientIndex 1..26; slot 0 is unused.
    std::array<QLabel*, 27> m_requirementValues{};
    QLabel* m_energy = nullptr;
};

} // namespace mw::gui
