// The main frame's weight log commands: Log Weight, the Weight Chart window and weights in kilograms.

#include "main_window.h"

#include "app_context.h"
#include "command_ids.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "weight_window.h"

#include "format/diary_folder.h"
#include "model/settings_keys.h"

#include <QAction>

namespace mw::gui {

void CMainFrame::createWeightCommands()
{
    QAction* log = addCommand(cmd::kLogWeight, "actionDiaryLogWeight", QStringLiteral("Log &Weight..."), QString(),
                              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)});
    log->setStatusTip(QStringLiteral("Log your weight of today or another day"));
    connect(log, &QAction::triggered, this, &CMainFrame::logWeight);
    QAction* chart = addCommand(cmd::kWeightChart, "actionDiaryWeightChart", QStringLiteral("&Weight Chart"));
    chart->setStatusTip(QStringLiteral("Show your weight, its trend and what the diary says about calorie balance"));
    connect(chart, &QAction::triggered, this, &CMainFrame::showWeightChart);
    QAction* kilograms =
        addCommand(cmd::kWeightsInKilograms, "actionWeightsInKilograms", QStringLiteral("Weights in &Kilograms"));
    kilograms->setStatusTip(QStringLiteral("Type and show weights in kilograms instead of pounds"));
    kilograms->setCheckable(true);
    kilograms->setChecked(weightsInKilograms(m_app.settings()));
    connect(kilograms, &QAction::toggled, this, &CMainFrame::setWeightsInKilograms);
}

void CMainFrame::showWeightChart()
{
    if (auto* open = findChild<CWeightWindow*>()) {
        open->reload();
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    const std::filesystem::path folder = diaryFolder(m_app.settings());
    if (folder.empty()) {
        Prompts::warning(this, QStringLiteral("Weight Chart"),
                         QStringLiteral("There is no diary folder: HOME is not set. Choose one in the options."));
        return;
    }
    auto* window = new CWeightWindow(m_app, DiaryFolder(folder), this);
    window->show();
    window->raise();
    window->activateWindow();
}

void CMainFrame::logWeight()
{
    showWeightChart();
    if (auto* window = findChild<CWeightWindow*>()) {
        window->logWeight();
    }
}

void CMainFrame::setWeightsInKilograms(bool kilograms)
{
    if (const std::error_code error = storeWeightsInKilograms(m_app.settings(), kilograms)) {
        Prompts::warning(this, QStringLiteral("Weights in Kilograms"),
                         QStringLiteral("The setting could not be stored: %1").arg(toQString(error.message())));
    }
    if (auto* window = findChild<CWeightWindow*>()) {
        window->reload();
    }
}

} // namespace mw::gui
