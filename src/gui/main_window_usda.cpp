// The main frame's USDA food command: the dialog that makes any USDA food a personal food.

#include "main_window.h"

#include "app_context.h"
#include "usda_food_dialog.h"

namespace mw::gui {

void CMainFrame::addUsdaFood()
{
    CUsdaFoodDlg dialog(m_app.personalFoods(), this);
    // Every open view lists the new food at once, as after the add-food dialog.
    connect(&dialog, &CUsdaFoodDlg::foodAdded, &m_app, &AppContext::personalFoodAdded);
    dialog.exec();
}

} // namespace mw::gui
