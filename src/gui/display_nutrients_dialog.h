#pragma once

#include "model/settings_keys.h"
#include "print_nutrients_dialog.h"

#include <QDialog>

#include <system_error>

class QCheckBox;
class QLabel;

namespace mw::gui {

// The screen the display selection is made for: its width (shown only) and the height and font size that
// pick the stored selection and the panel's room.
struct DisplayMode
{
    int screenWidth = 0;
    ScreenMetrics screen;
};

// The primary screen and the application font now.
DisplayMode currentDisplayMode();

// Which nutrients the analysis panel shows in this display mode, and whether it uses one column. Opens with
// the stored selection of the mode (all on the first time); Weight, Energy, Protein, Carbohydrate and Total
// Fat stay ticked, and a click on one of them only says so. The one-column choice is offered on screens at
// least 600 pixels high; below, the box shows the layout the panel uses and cannot be changed. "Maximum items
// displayable" is the room the panel has in the chosen layout. OK stores the selection (and the layout where
// it can be chosen), accepts the dialog and says that the panel takes it at the next start. Escape stores
// nothing. When the profile cannot be written, OK tells why and the dialog stays open.
//
// Object names: displayModeLabel, oneColumnCheckBox, maximumItemsLabel, nutrientCheckBox0 ..
// nutrientCheckBox27 (by NutrientIndex), buttonBox.
class CDisplayNutrientsDlg : public QDialog
{
    Q_OBJECT

public:
    CDisplayNutrientsDlg(Settings& settings, const DisplayMode& mode, QWidget* parent = nullptr);

    // The ticked nutrients as they stand in the dialog.
    NutrientSelection selection() const { return checkedNutrients(m_boxes); }
    PanelLayout layout() const { return m_layout; }
    // The rows the panel has room for in the chosen layout.
    int maximumItems() const;
    // Why the last OK could not store the selection; empty once it was stored.
    std::error_code storeError() const { return m_storeError; }

    void accept() override;

private:
    bool canChooseLayout() const;
    QString displayModeText() const;
    void flipLayout();
    void refuseToHide(int nutrient);
    void showMaximumItems();
    std::error_code store();

    Settings& m_settings;
    DisplayMode m_mode;
    PanelLayout m_layout = PanelLayout::kTwoColumns;
    std::error_code m_storeError;

    QCheckBox* m_oneColumn = nullptr;
    QLabel* m_maximumItems = nullptr;
    NutrientCheckBoxes m_boxes{};
};

} // namespace mw::gui
