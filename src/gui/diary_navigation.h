#pragma once

// The diary's dated days on the desktop: today's day, the day before and after in the same window, any date
// from a calendar picker, the calendar beside the day windows, copying a meal from the day before and a whole
// day to another date, and where the diary lives.

#include "model/diary_date.h"
#include "model/meal.h"

#include "ui_text.h"

#include <QObject>

#include <filesystem>
#include <optional>

class QLabel;
class QMainWindow;
class QToolBar;
class QToolButton;

namespace mw {
class DiaryFolder;
}

namespace mw::gui {

class ActionRegistry;
class AppContext;
class CDayWindow;
class DayWindowManager;
class DiaryCalendarDock;

class DiaryNavigation : public QObject
{
    Q_OBJECT

public:
    // The frame, its registry and its days must outlive the navigation.
    DiaryNavigation(AppContext& app, ActionRegistry& actions, DayWindowManager& days, QMainWindow* frame);

    // The arrows and the date button between them, in a toolbar of their own before the one given.
    void addToolBar(QToolBar* beside);
    // The diary's folder; empty (and the user told) when none can be named.
    std::optional<DiaryFolder> diary();

    // Today's day, opened or brought forward; nullptr when there is no diary folder.
    CDayWindow* openToday();
    // The date in the active diary window, or in a window of its own when none is active; a window that
    // shows the date already is brought forward.
    void goToDate(const DiaryDate& date);
    // The active diary window shows the date days later (earlier when negative).
    void moveBy(int days);
    void pickDate();
    void copyYesterdaysMeal();
    void copyDayTo();
    void chooseDiaryFolder();

signals:
    void statusMessage(const QString& text);

public slots:
    // The enabled states, the date button and the file pane follow the active day.
    void update();

private:
    void connectCommands();
    CDayWindow* activeDatedDay() const;
    // The day may leave its date: nothing unsaved, or saved now, or given up by the user.
    bool mayLeave(CDayWindow* day);
    void showDateIn(CDayWindow* day, const DiaryFolder& diary, const DiaryDate& date);
    void copyDayInto(const CDayWindow& source, const DiaryFolder& diary, const DiaryDate& target);
    // Writes the meals as the date's file unless it holds entries the user wants to keep. False when nothing
    // was written.
    // Reads a date's file into meals when there is one; an unreadable one is reported after problem.
    bool readRecordedDay(const std::filesystem::path& file, DayMeals& meals, UiText problem);
    bool writeDayFile(const DayMeals& meals, const DiaryFolder& diary, const DiaryDate& target);
    void warn(const QString& text);

    AppContext& m_app;
    ActionRegistry& m_actions;
    DayWindowManager& m_days;
    QMainWindow* m_frame;
    DiaryCalendarDock* m_calendar;
    QToolButton* m_dateButton = nullptr;
    QLabel* m_filePane;
};

} // namespace mw::gui
