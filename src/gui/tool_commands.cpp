#include "tool_commands.h"

#include "about_dialog.h"
#include "action_registry.h"
#include "add_food_dialog.h"
#include "app_context.h"
#include "balance_day_dialog.h"
#include "caloric_need_dialog.h"
#include "command_ids.h"
#include "day_window.h"
#include "day_window_manager.h"
#include "display_nutrients_dialog.h"
#include "edit_food_dialog.h"
#include "fat_warning_dialog.h"
#include "first_start.h"
#include "fof_view.h"
#include "food_list_controller.h"
#include "frame_texts.h"
#include "generator_options_dialog.h"
#include "healthy_weight_dialog.h"
#include "help_window.h"
#include "intake_preference_dialog.h"
#include "mouse_option_dialog.h"
#include "option_dialog_texts.h"
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

ToolCommands::ToolCommands(AppContext& app, ActionRegistry& actions, DayWindowManager& days, QWidget* frame)
    : QObject(frame), m_app(app), m_actions(actions), m_days(days), m_frame(frame)
{
    const auto on = [this](int id, auto slot) { connect(m_actions.action(id), &QAction::triggered, this, slot); };
    on(cmd::kAppAbout, [this] {
        CAboutDlg dialog(m_frame);
        dialog.exec();
    });
    on(cmd::kDesirableWeight, [this] { runSettingsDialog<CHealthyWeightDlg>(m_app.settings(), m_frame); });
    on(cmd::kMouseOption, [this] { runSettingsDialog<CMouseOptionDlg>(m_app.settings(), m_frame); });
    on(cmd::kPrintNutrients, [this] { runSettingsDialog<CPrintNutrientsDlg>(m_app.settings(), m_frame); });
    on(cmd::kDisplayNutrients, [this] {
        CDisplayNutrientsDlg dialog(m_app.settings(), currentDisplayMode(), m_frame);
        dialog.exec();
    });
    on(cmd::kMenuGeneratorOptions, [this] {
        runSettingsDialog<CGeneratorOptionsDlg>(m_app.settings(), m_frame);
        emit commandsChanged();
    });
    on(cmd::kFatWarning, [this] {
        CFatWarningDlg dialog(m_app.settings(), m_frame);
        if (dialog.exec() == QDialog::Accepted) {
            m_app.analysisSettingsChanged();
        }
    });
    on(cmd::kCaloricNeed, &ToolCommands::caloricNeed);
    on(cmd::kIntakePreference, &ToolCommands::intakePreference);
    on(cmd::kAddFood, &ToolCommands::addPersonalFood);
    on(cmd::kAddUsdaFood, &ToolCommands::addUsdaFood);
    on(cmd::kEditPersonalFood, &ToolCommands::editPersonalFood);
    on(cmd::kMenuGenerator, &ToolCommands::generateMenu);
    on(cmd::kFoodPyramid, &ToolCommands::foodPyramid);
    on(cmd::kManageFoodLists, &ToolCommands::manageFoodLists);
    on(cmd::kUsePersonalPreference, &ToolCommands::toggleUsePersonalPreference);
    on(cmd::kReverseGroupList, [this] { m_app.setReversedGroupOrder(!m_app.reversedGroupOrder()); });
    on(cmd::kScreenColor, &ToolCommands::chooseScreenColor);
    on(cmd::kBalanceDay, &ToolCommands::balanceDay);
    for (const int id : {cmd::kHelp, cmd::kHelpIntroduction, cmd::kHelpTopTips, cmd::kHelpCatalogue}) {
        on(id, [this, id] { showHelpOfCommand(id); });
    }
}

void ToolCommands::update(bool dayOpen)
{
    const CFofView* view = m_days.activeView();
    m_actions.action(cmd::kFoodPyramid)
        ->setEnabled(dayOpen && view != nullptr && view->document().dayNutrients()[kWeight] != 0.0f);
    m_actions.action(cmd::kUsePersonalPreference)->setChecked(usePersonalPreference(m_app.settings()));
    const int calories = menuTargetCalories(m_app.settings());
    m_actions.action(cmd::kMenuGenerator)
        ->setText(calories != 0 ? toQString(texts::kMenuGeneratorTargetCaption).arg(calories)
                                : toQString(texts::kMenuGeneratorRandomCaption));
}

void ToolCommands::caloricNeed()
{
    CCaloricNeedDlg dialog(m_app.settings(), m_frame);
    const CaloricNeedInputs before = dialog.form().inputs();
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // Ranges set for other inputs would measure the day against another person's needs.
    if (dialog.form().inputs() != before) {
        offerPreferencesFromRequirements(m_app.settings(), dialog.form().requirements(), m_frame);
    }
    m_app.analysisSettingsChanged();
}

void ToolCommands::intakePreference()
{
    // The dialog's defaults derive from the requirements, which may have to be asked for first.
    const std::optional<RequirementVector> requirements = ensureRequirements(m_app.settings(), m_frame);
    if (!requirements) {
        return;
    }
    IntakePreferences taken;
    CIntakePreferenceDlg dialog(m_app.settings(), *requirements, taken, m_frame);
    if (dialog.exec() == QDialog::Accepted) {
        m_app.analysisSettingsChanged();
    }
}

void ToolCommands::addUsdaFood()
{
    CUsdaFoodDlg dialog(m_app.personalFoods(), m_frame);
    // Every open view lists the new food at once, as after the add-food dialog.
    connect(&dialog, &CUsdaFoodDlg::foodAdded, &m_app, &AppContext::personalFoodAdded);
    dialog.exec();
}

void ToolCommands::addPersonalFood()
{
    CFofView* view = m_days.activeView();
    if (view == nullptr) {
        return;
    }
    // The active view's current meal, copied: the dialog keeps nothing of the view.
    CAddFoodDlg dialog(m_app.personalFoods(),
                       view->document().mealNutrients(static_cast<MealIndex>(view->currentMeal())), m_frame);
    connect(&dialog, &CAddFoodDlg::foodAdded, &m_app, &AppContext::personalFoodAdded);
    dialog.exec();
}

void ToolCommands::editPersonalFood()
{
    if (m_app.personalFoods().listedCount() == 0) {
        Prompts::information(m_frame, messageTitle(), option_texts::kNoPersonalFoods);
        return;
    }
    // The food selected in the active day's food list, when it is a personal one, is shown first.
    const CFofView* view = m_days.activeView();
    const std::optional<FoodId> selected = view != nullptr ? view->foodList().listsState().selectedFood : std::nullopt;
    CEditPersonalFoodDlg dialog(m_app.personalFoods(), selected, m_frame);
    connect(&dialog, &CEditPersonalFoodDlg::foodChanged, &m_app, &AppContext::personalFoodChanged);
    dialog.exec();
}

void ToolCommands::manageFoodLists()
{
    CRenameGroupsDlg dialog(m_app.settings(), m_app.attributes(), m_frame);
    dialog.exec();
    if (!dialog.listsChanged()) {
        return;
    }
    if (const std::error_code error = m_app.foodFlagsChanged()) {
        emit foodFlagsNotSaved(error);
    }
    emit menusChanged();
}

// ---- Menu generator and food pyramid -----------------------------------------------------------------------

void ToolCommands::generateMenu()
{
    CFofView* view = m_days.activeView();
    if (view == nullptr) {
        return;
    }
    const int requested = menuTargetCalories(m_app.settings());
    emit generatingMenu(requested);
    view->generateMenu(m_app.random(), requested);
    // In two columns with fewer than nine nutrients the tiers would land on the wrong rows.
    view->drawFoodPyramid();
    emit menuGenerated();
}

void ToolCommands::foodPyramid()
{
    CFofView* view = m_days.activeView();
    if (view == nullptr || view->document().dayNutrients()[kWeight] == 0.0f) {
        return;
    }
    if (!view->showFoodPyramid()) {
        emit statusMessage(toQString(texts::kPyramidNeedsRoom));
    }
}

// ---- Options ----------------------------------------------------------------------------------------------

void ToolCommands::toggleUsePersonalPreference()
{
    const bool use = !usePersonalPreference(m_app.settings());
    if (const std::error_code error = storeUsePersonalPreference(m_app.settings(), use)) {
        // The percent column reads the profile, so a switch it could not keep would not show.
        Prompts::warning(m_frame, messageTitle(), toQString(texts::kSettingNotSaved).arg(toQString(error.message())));
    } else {
        m_app.analysisSettingsChanged();
    }
    emit commandsChanged();
}

void ToolCommands::chooseScreenColor()
{
    QColorDialog dialog(m_frame);
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
        Prompts::warning(m_frame, messageTitle(), toQString(texts::kSettingNotSaved).arg(toQString(error.message())));
        return;
    }
    // Every day paints its background from the profile.
    for (CDayWindow* day : m_days.dayWindows()) {
        if (CFofView* view = day->view()) {
            view->update();
        }
    }
}

void ToolCommands::showHelpOfCommand(int commandId)
{
    HelpWindow::showHelpTopic(helpTopicOfCommand(commandId).value_or(HelpTopic::kContents), m_frame);
}

void ToolCommands::balanceDay()
{
    CDayWindow* day = m_days.activeDayWindow();
    if (day == nullptr || day->view() == nullptr) {
        return;
    }
    CBalanceDayDlg dialog(day->document(), day->history(), m_app.foods(), m_app.attributes(), m_app.settings(),
                          static_cast<MealIndex>(day->view()->currentMeal()), m_frame);
    dialog.exec();
}

} // namespace mw::gui
