#include "diary_calendar.h"

#include "analysis_panel_painter.h"
#include "app_context.h"
#include "diary_date_text.h"
#include "diary_texts.h"
#include "first_start.h"
#include "qt_bridge.h"

#include "calc/diary_summary.h"

#include <QPainter>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace mw::gui {
namespace {

AnalysisGoals knownGoals(Settings& settings)
{
    // The calendar asks nothing: without stored requirements its marks are grey.
    const std::optional<AnalysisSetup> setup = analysisSetupSession().knownSetup(settings);
    AnalysisGoals goals = analysisGoals(settings, setup ? setup->requirements : RequirementVector{});
    if (setup) {
        goals.preferences = setup->preferences;
    }
    return goals;
}

} // namespace

DiaryCalendarView::DiaryCalendarView(AppContext& app, QWidget* parent) : QCalendarWidget(parent), m_app(app)
{
    setObjectName(QStringLiteral("diaryCalendar"));
    setGridVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setMinimumDate(toQDate(kFirstDiaryDate));
    setMaximumDate(toQDate(kLastDiaryDate));
    connect(this, &QCalendarWidget::currentPageChanged, this, &DiaryCalendarView::refreshMarks);
    connect(&app, &AppContext::analysisSettingsChangedSignal, this, &DiaryCalendarView::refreshMarks);
}

void DiaryCalendarView::showEvent(QShowEvent* event)
{
    QCalendarWidget::showEvent(event);
    // Other programs may have written days while it was hidden.
    refreshMarks();
}

void DiaryCalendarView::refreshMarks()
{
    if (!isVisible()) {
        return;
    }
    setDateTextFormat(QDate(), QTextCharFormat());
    m_marks.clear();
    const std::filesystem::path folder = m_app.diaryFolder();
    if (folder.empty()) {
        update();
        return;
    }
    const DiaryDate shown = fromQDate(QDate(yearShown(), monthShown(), 1));
    const AnalysisGoals goals = knownGoals(m_app.settings());
    for (const DiaryDayFigures& day : diaryDays(DiaryFolder(folder), monthOf(shown), m_app.foods(), goals)) {
        const QDate date = toQDate(day.date);
        QTextCharFormat format = dateTextFormat(date);
        format.setFontWeight(QFont::Bold);
        if (!day.readable()) {
            format.setFontStrikeOut(true);
            format.setToolTip(toQString(texts::kUnreadableDate).arg(toQString(describeDayFileError(*day.error))));
        }
        setDateTextFormat(date, format);
        m_marks[date] = Mark{day.level, !day.readable()};
    }
    update();
}

void DiaryCalendarView::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    const auto found = m_marks.find(date);
    if (found == m_marks.end()) {
        return;
    }
    const int size = std::max(5, rect.height() / 3);
    // Beside the day's number, low in the cell: the last column's cell may reach past the visible edge.
    const QRect mark(rect.center().x() + rect.width() / 4 - size / 2, rect.bottom() - size, size, size);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (found->second.unreadable) {
        painter->setPen(QPen(Qt::darkGray, 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(mark);
        painter->drawLine(mark.topLeft(), mark.bottomRight());
        painter->drawLine(mark.topRight(), mark.bottomLeft());
    } else {
        painter->setPen(QPen(Qt::black, 0.5));
        painter->setBrush(render::percentBarColor(found->second.level));
        painter->drawEllipse(mark);
    }
    painter->restore();
}

DiaryCalendarDock::DiaryCalendarDock(AppContext& app, QWidget* parent)
    : QDockWidget(toQString(texts::kCalendarCaption), parent), m_calendar(new DiaryCalendarView(app))
{
    setObjectName(QStringLiteral("diaryCalendarDock"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    // The month keeps its own height at the top; the dock's spare room stays below it.
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendar);
    layout->addStretch(1);
    setWidget(holder);
    connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate date) { emit dateClicked(fromQDate(date)); });
}

} // namespace mw::gui
