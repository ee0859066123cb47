#pragma once

#include "model/diary_date.h"

#include <QCalendarWidget>
#include <QDockWidget>

#include <map>
#include <optional>

namespace mw {
enum class IntakeLevel;
}

namespace mw::gui {

class AppContext;

// A month of the diary: a date that has a day file is bold with a small mark in the level colour of its
// calories against the goal; a file that cannot be read is struck out, marked apart and names its error in
// the tooltip. Only the files of the month shown are read.
class DiaryCalendarView : public QCalendarWidget
{
    Q_OBJECT

public:
    explicit DiaryCalendarView(AppContext& app, QWidget* parent = nullptr);

public slots:
    // Reads the shown month's files again; while hidden, waits until it is shown.
    void refreshMarks();

protected:
    void showEvent(QShowEvent* event) override;
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    struct Mark
    {
        std::optional<IntakeLevel> level;
        bool unreadable = false;
    };

    AppContext& m_app;
    std::map<QDate, Mark> m_marks;
};

// The calendar beside the day windows; a click on a date opens it.
class DiaryCalendarDock : public QDockWidget
{
    Q_OBJECT

public:
    DiaryCalendarDock(AppContext& app, QWidget* parent);

    DiaryCalendarView* calendar() const { return m_calendar; }

signals:
    void dateClicked(const mw::DiaryDate& date);

private:
    DiaryCalendarView* m_calendar;
};

} // namespace mw::gui
