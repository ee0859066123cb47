#include "diary_commands.h"

#include "action_registry.h"
#include "app_context.h"
#include "command_ids.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "weight_window.h"

#include "format/diary_folder.h"
#include "model/settings_keys.h"

#include <QAction>

namespace mw::gui {

DiaryCommands::DiaryCommands(AppContext& app, ActionRegistry& actions, QWidget* frame)
    : QObject(frame), m_app(app), m_frame(frame)
{
    connect(actions.action(cmd::kLogWeight), &QAction::triggered, this, &DiaryCommands::logWeight);
    connect(actions.action(cmd::kWeightChart), &QAction::triggered, this, &DiaryCommands::showWeightChart);
    QAction* kilograms = actions.action(cmd::kWeightsInKilograms);
    kilograms->setChecked(weightsInKilograms(m_app.settings()));
    connect(kilograms, &QAction::toggled, this, &DiaryCommands::setWeightsInKilograms);
}

void DiaryCommands::showWeightChart()
{
    if (auto* open = m_frame->findChild<CWeightWindow*>()) {
        open->reload();
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    const std::filesystem::path folder = m_app.diaryFolder();
    if (folder.empty()) {
        Prompts::warning(m_frame, tr("Weight Chart"),
                         tr("There is no diary folder: HOME is not set. Choose one in the options."));
        return;
    }
    auto* window = new CWeightWindow(m_app, DiaryFolder(folder), m_frame);
    window->show();
    window->raise();
    window->activateWindow();
}

void DiaryCommands::logWeight()
{
    showWeightChart();
    if (auto* window = m_frame->findChild<CWeightWindow*>()) {
        window->logWeight();
    }
}

void DiaryCommands::setWeightsInKilograms(bool kilograms)
{
    if (const std::error_code error = storeWeightsInKilograms(m_app.settings(), kilograms)) {
        Prompts::warning(m_frame, tr("Weights in Kilograms"),
                         tr("The setting could not be stored: %1").arg(toQString(error.message())));
    }
    if (auto* window = m_frame->findChild<CWeightWindow*>()) {
        window->reload();
    }
}

} // namespace mw::gui
