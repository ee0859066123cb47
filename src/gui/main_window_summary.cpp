// The main frame's days summary: picking several day files and opening their summary window.

#include "main_window.h"

#include "app_context.h"
#include "command_ids.h"
#include "day_window.h"
#include "first_start.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "summary_window.h"
#include "wait_cursor.h"

#include "calc/days_summary.h"

#include <QAction>

#include <vector>

namespace mw::gui {

void CMainFrame::createSummaryCommand()
{
    QAction* action = addCommand(cmd::kFileSummarizeDays, "actionFileSummarizeDays",
                                 QStringLiteral("Summarize &Days..."), QStringLiteral("days-summary"));
    action->setStatusTip(QStringLiteral("Show several days side by side with their average against the goals"));
    action->setToolTip(QStringLiteral("Summarize days"));
    connect(action, &QAction::triggered, this, &CMainFrame::summarizeDays);
}

void CMainFrame::summarizeDays()
{
    QStringList offered;
    for (const CDayWindow* day : dayWindows()) {
        if (!day->filePath().isEmpty()) {
            offered.append(day->filePath());
        }
    }
    const QStringList chosen =
        Prompts::openFileNames(this, QStringLiteral("Summarize Days"), toQString(texts::kDayFileFilter), offered);
    if (chosen.isEmpty()) {
        return;
    }
    std::vector<std::filesystem::path> files;
    files.reserve(static_cast<std::size_t>(chosen.size()));
    for (const QString& file : chosen) {
        files.push_back(toPath(file));
    }
    // A personal food added meanwhile by another program may be named in the days.
    m_app.catchUpWithPersonalFoods();
    Settings& settings = m_app.settings();
    const std::optional<AnalysisSetup> setup = ensureAnalysisSetup(settings, this);
    AnalysisGoals goals = analysisGoals(settings, setup ? setup->requirements : RequirementVector{});
    if (setup) {
        goals.preferences = setup->preferences;
    }
    CSummaryWindow* window = nullptr;
    {
        const WaitCursor wait;
        window = new CSummaryWindow(render::daysSummaryContent(mw::summarizeDays(files, m_app.foods()), goals), this);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace mw::gui
