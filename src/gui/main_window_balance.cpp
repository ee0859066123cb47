// The main frame's Balance the Day command: the dialog that plans foods for the active day.

#include "main_window.h"

#include "app_context.h"
#include "balance_day_dialog.h"
#include "day_window.h"
#include "fof_view.h"

namespace mw::gui {

void CMainFrame::balanceDay()
{
    CDayWindow* day = activeDayWindow();
    if (day == nullptr || day->view() == nullptr) {
        return;
    }
    CBalanceDayDlg dialog(day->document(), day->history(), m_app.foods(), m_app.attributes(), m_app.settings(),
                          static_cast<MealIndex>(day->view()->currentMeal()), this);
    dialog.exec();
}

} // namespace mw::gui
