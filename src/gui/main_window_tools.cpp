// The main window's own commands: the dialogs of the Tools, Options and Database menus, the menu generator
// and food pyramid, and the help.

#include "main_window.h"

#include "about_dialog.h"
#include "action_registry.h"
#include "add_food_dialog.h"
#include "app_context.h"
#include "caloric_need_dialog.h"
#include "command_ids.h"
#include "day_window.h"
#include "display_nutrients_dialog.h"
#include "fat_warning_dialog.h"
#include "first_start.h"
#include "fof_view.h"
#include "frame_texts.h"
#include "generator_options_dialog.h"
#include "healthy_weight_dialog.h"
#include "help_window.h"
#include "intake_preference_dialog.h"
#include "mouse_option_dialog.h"
#include "print_nutrients_dialog.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "rename_groups_dialog.h"
#include "tools_texts.h"
#include "usda_food_dialog.h"

#include <QColorDialog>
#include <QLabel>
#include <QStatusBar>

namespace mw::gui {
namespace {

QString messageTitle()
{
    return toQString(texts::kMainFrameTitle);
}

// Runs a dialog of the frame's that needs nothing but the profile.
template <typename Dialog>
void runSettingsDialog(Settings& settings, QWidget* parent)
{
    Dialog dialog(settings, parent);
    dialog.exec();
}

} // namespace

void CMainFrame::connectToolCommands()
{
    const auto on = [this](int id, auto slot) { connect(commandAction(id), &QAction::triggered, this, slot); };
    on(cmd::kAppAbout, [this] {
        CAboutDlg dialog(this);
        dialog.exec();
    });
    on(cmd::kDesirableWeight, [this] { runSettingsDialog<CHealthyWeightDlg>(m_app.settings(), this); });
    on(cmd::kMouseOption, [this] { runSettingsDialog<CMouseOptionDlg>(m_app.settings(), this); });
    on(cmd::kPrintNutrients, [this] { runSettingsDialog<CPrintNutrientsDlg>(m_app.settings(), this); });
    on(cmd::kDisplayNutrients, [this] {
        CDisplayNutrientsDlg dialog(m_app.settings(), currentDisplayMode(), this);
        dialog.exec();
    });
    on(cmd::kMenuGeneratorOptions, [this] {
        runSettingsDialog<CGeneratorOptionsDlg>(m_app.settings(), this);
        updateCommands();
    });
    on(cmd::kFatWarning, [this] {
        CFatWarningDlg dialog(m_app.settings(), this);
        if (dialog.exec() == QDialog::Accepted) {
            m_app.analysisSettingsChanged();
        }
    });
    on(cmd::kCaloricNeed, &CMainFrame::caloricNeed);
    on(cmd::kIntakePreference, &CMainFrame::intakePreference);
    on(cmd::kAddFood, &CMainFrame::addPersonalFood);
    on(cmd::kAddUsdaFood, &CMainFrame::addUsdaFood);
    on(cmd::kMenuGenerator, &CMainFrame::generateMenu);
    on(cmd::kFoodPyramid, &CMainFrame::foodPyramid);
    on(cmd::kManageFoodLists, &CMainFrame::manageFoodLists);
    on(cmd::kUsePersonalPreference, &CMainFrame::toggleUsePersonalPreference);
    on(cmd::kReverseGroupList, [this] { m_app.setReversedGroupOrder(!m_app.reversedGroupOrder()); });
    on(cmd::kScreenColor, &CMainFrame::chooseScreenColor);
    for (const int id : {cmd::kHelp, cmd::kHelpIntroduction, cmd::kHelpTopTips, cmd::kHelpCatalogue}) {
        on(id, [this, id] { showHelpOfCommand(id); });
    }
}

void CMainFrame::updateDayCommands(bool dayOpen)
{
    const CFofView* view = m_days->activeView();
    commandAction(cmd::kFoodPyramid)
        ->setEnabled(dayOpen && view != nullptr && view->document().dayNutrients()[kWeight] != 0.0f);
    commandAction(cmd::kUsePersonalPreference)->setChecked(usePersonalPreference(m_app.settings()));
    const int calories = menuTargetCalories(m_app.settings());
    commandAction(cmd::kMenuGenerator)
        ->setText(calories != 0 ? toQString(texts::kMenuGeneratorTargetCaption).arg(calories)
                                : toQString(texts::kMenuGeneratorRandomCaption));
}

void CMainFrame::caloricNeed()
{
    CCaloricNeedDlg dialog(m_app.settings(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_app.analysisSettingsChanged();
    }
}

void CMainFrame::intakePreference()
{
    // The dialog's defaults derive from the requirements, which may have to be asked for first.
    const std::optional<RequirementVector> requirements = ensureRequirements(m_app.settings(), this);
    if (!requirements) {
        return;
    }
    IntakePreferences taken;
    CIntakePreferenceDlg dialog(m_app.settings(), *requirements, taken, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_app.analysisSettingsChanged();
    }
}

void CMainFrame::addUsdaFood()
{
    CUsdaFoodDlg dialog(m_app.personalFoods(), this);
    // Every open view lists the new food at once, as after the add-food dialog.
    connect(&dialog, &CUsdaFoodDlg::foodAdded, &m_app, &AppContext::personalFoodAdded);
    dialog.exec();
}

void CMainFrame::addPersonalFood()
{
    CFofView* view = m_days->activeView();
    if (view == nullptr) {
        return;
    }
    // The active view's current meal, copied: the dialog keeps nothing of the view.
    CAddFoodDlg dialog(m_app.personalFoods(),
                       view->document().mealNutrients(static_cast<MealIndex>(view->currentMeal())), this);
    connect(&dialog, &CAddFoodDlg::foodAdded, &m_app, &AppContext::personalFoodAdded);
    dialog.exec();
}

void CMainFrame::manageFoodLists()
{
    CRenameGroupsDlg dialog(m_app.settings(), m_app.attributes(), this);
    dialog.exec();
    if (!dialog.listsChanged()) {
        return;
    }
    warnFoodFlagsNotSaved(m_app.foodFlagsChanged());
    prepareMenus();
}

// ---- Menu generator and food pyramid -----------------------------------------------------------------------

void CMainFrame::generateMenu()
{
    CFofView* view = m_days->activeView();
    if (view == nullptr) {
        return;
    }
    const int requested = menuTargetCalories(m_app.settings());
    showLastingStatusMessage(requested != 0 ? toQString(texts::kGeneratingTargetMenu).arg(requested)
                                            : toQString(texts::kGeneratingRandomMenu));
    // The second pane shows the requested calories (0 for a random menu) while the generator works.
    m_numLockPane->setText(QString::number(requested));
    // Shown before the work starts, which keeps the event loop waiting until it ends.
    statusBar()->repaint();
    view->generateMenu(m_app.random(), requested);
    // In two columns with fewer than nine nutrients the tiers would land on the wrong rows.
    view->drawFoodPyramid();
    refreshLockIndicators();
    showStatusMessage(toQString(texts::kReadyMessage));
    updateCommands();
}

void CMainFrame::foodPyramid()
{
    CFofView* view = m_days->activeView();
    if (view == nullptr || view->document().dayNutrients()[kWeight] == 0.0f) {
        return;
    }
    if (!view->showFoodPyramid()) {
        showStatusMessage(toQString(texts::kPyramidNeedsRoom));
    }
}

// ---- Options ----------------------------------------------------------------------------------------------

void CMainFrame::toggleUsePersonalPreference()
{
    const bool use = !usePersonalPreference(m_app.settings());
    if (const std::error_code error = storeUsePersonalPreference(m_app.settings(), use)) {
        // The percent column reads the profile, so a switch it could not keep would not show.
        Prompts::warning(this, messageTitle(), toQString(texts::kSettingNotSaved).arg(toQString(error.message())));
    } else {
        m_app.analysisSettingsChanged();
    }
    updateCommands();
}

void CMainFrame::chooseScreenColor()
{
    QColorDialog dialog(this);
    dialog.setObjectName(QStringLiteral("screenColorDialog"));
    dialog.setWindowTitle(toQString(texts::kScreenColorTitle));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, QColor(Qt::white));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QColor chosen = dialog.selectedColor();
    const RgbColor color{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                         static_cast<std::uint8_t>(chosen.blue())};
    if (const std::error_code error = storeViewBackgroundColor(m_app.settings(), color)) {
        Prompts::warning(this, messageTitle(), toQString(texts::kSettingNotSaved).arg(toQString(error.message())));
        return;
    }
    // Every day paints its background from the profile.
    for (CDayWindow* day : dayWindows()) {
        if (CFofView* view = day->view()) {
            view->update();
        }
    }
}

void CMainFrame::showHelpOfCommand(int commandId)
{
    HelpWindow::showHelpTopic(helpTopicOfCommand(commandId).value_or(HelpTopic::kContents), this);
}

} // namespace mw::gui
