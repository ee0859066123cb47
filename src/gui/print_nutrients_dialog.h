#pragma once

#include "model/settings_keys.h"

#include <QDialog>

#include <array>
#include <system_error>

class QCheckBox;
class QGridLayout;

namespace mw::gui {

// One check box per NutrientIndex.
using NutrientCheckBoxes = std::array<QCheckBox*, kNutrientCount>;

// The 28 nutrient check boxes in three columns of ten, ten and eight, named nutrientCheckBox0 ..
// nutrientCheckBox27; the print and display dialogs lay them out alike.
NutrientCheckBoxes addNutrientCheckBoxes(QGridLayout* grid, QWidget* parent);
void checkNutrients(const NutrientCheckBoxes& boxes, const NutrientSelection& selection);
NutrientSelection checkedNutrients(const NutrientCheckBoxes& boxes);

// Which nutrients the printed analysis lists. Opens with what will be printed now (a nutrient the stored
// selection does not reach is printed, so its box is ticked); OK stores all 28 and the dialog is then
// accepted. Escape stores nothing. When the profile cannot be written, OK tells why and the dialog stays open.
//
// Object names: nutrientCheckBox0 .. nutrientCheckBox27 (by NutrientIndex), buttonBox.
class CPrintNutrientsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CPrintNutrientsDlg(Settings& settings, QWidget* parent = nullptr);

    // The ticked nutrients as they stand in the dialog.
    NutrientSelection selection() const { return checkedNutrients(m_boxes); }
    // Why the last OK could not store the selection; empty once it was stored.
    std::error_code storeError() const { return m_storeError; }

    void accept() override;

private:
    Settings& m_settings;
    std::error_code m_storeError;
    NutrientCheckBoxes m_boxes{};
};

} // namespace mw::gui
