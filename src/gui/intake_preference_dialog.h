#pragma once

#include "calc/intake_preferences.h"

#include <QDialog>

#include <array>
#include <system_error>

class QGridLayout;
class QLineEdit;

namespace mw {
class Settings;
}

namespace mw::gui {

// The preferred daily intake range of nutrients 1 (Calories) .. 27 (Alcohol). Opens with the stored table,
// the requirement-derived default standing in for every key never stored; "RDA" puts one row back to its
// default and "All from Requirements" does so for every row. OK checks all 54 fields (a bad one is named and gets the
// focus), normalises the table, stores it and hands it to the analysis; the dialog is then accepted, the sign that the
// analysis settings changed. Escape or Cancel stores and changes nothing. When the profile cannot be written, OK tells
// why and the dialog stays open with nothing changed, so the user may try again or cancel.
//
// Object names: from1 .. from27, to1 .. to27, rda1 .. rda27 (by NutrientIndex), allFromRequirementsButton,
// buttonBox.
class CIntakePreferenceDlg : public QDialog
{
    Q_OBJECT

public:
    // requirements are the ones the defaults derive from; analysis is the table the views measure
    // against, replaced only by OK.
    CIntakePreferenceDlg(Settings& settings, const RequirementVector& requirements, IntakePreferences& analysis,
                         QWidget* parent = nullptr);

    // After OK: the table taken, normalised.
    const PreferenceTable& table() const { return m_table; }
    // Why the last OK could not store the table; empty once it was stored.
    std::error_code storeError() const { return m_storeError; }
    // For a caller that uses the table for this run even when it cannot be stored: OK on a profile that
    // cannot be written then hands the table to the analysis and accepts the dialog without a word, and
    // the caller tells the user.
    void setAcceptUnsaved(bool acceptUnsaved) { m_acceptUnsaved = acceptUnsaved; }

    void accept() override;

private:
    QWidget* createColumn(int firstNutrient, int lastNutrient);
    void addRow(QGridLayout* grid, int row, int nutrient);
    QLineEdit* fieldEdit(PreferenceField field) const;
    void showRange(int nutrient, PreferenceRange range);
    void useRda(int nutrient);
    void useAllRda();
    PreferenceTexts fieldTexts() const;
    void rejectField(const PreferenceFieldError& error);
    void takeUnsavedTable(const PreferenceTexts& fields);

    Settings& m_settings;
    RequirementVector m_requirements;
    IntakePreferences& m_analysis;
    PreferenceTable m_table{};
    std::error_code m_storeError;
    bool m_acceptUnsaved = false;

    // By NutrientIndex 1..27; slot 0 is unused.
    std::array<QLineEdit*, kNutrientCount> m_from{};
    std::array<QLineEdit*, kNutrientCount> m_to{};
};

// After the caloric-need inputs changed: while ranges are stored, asks whether they should follow the new
// requirements and, on Yes, stores the ranges derived from them (the defaults the dialog's "RDA" buttons set).
// True when new ranges were stored; a profile that cannot be written is reported.
bool offerPreferencesFromRequirements(Settings& settings, const RequirementVector& requirements, QWidget* parent);

} // namespace mw::gui
