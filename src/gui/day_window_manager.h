#pragma once

// The main window's days: the windows in the MDI area, their histories as one undo group, creating, opening,
// saving and closing them, the recent-file list and the Window menu's list of days.

#include "recent_file_list.h"

#include "model/diary_date.h"

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMenu;
class QUndoGroup;
class QWidget;

namespace mw {
class DiaryFolder;
}

namespace mw::gui {

class ActionRegistry;
class AppContext;
class CDayWindow;
class CFofView;

class DayWindowManager : public QObject
{
    Q_OBJECT

public:
    // The area and the registry belong to the frame, which must outlive the manager.
    DayWindowManager(AppContext& app, QMdiArea* area, ActionRegistry& actions, QWidget* frame);

    QMdiArea* mdiArea() const { return m_area; }
    QUndoGroup* history() const { return m_history; }
    RecentFileList& recentFiles() { return m_recentFiles; }

    // The open days, in the order they were opened.
    QList<CDayWindow*> dayWindows() const;
    // The day the commands apply to; nullptr while none is open.
    CDayWindow* activeDayWindow() const;
    CFofView* activeView() const;

    // "MenuDay1", "MenuDay2", ... in a window of its own.
    CDayWindow* newDay();
    // Opens the file in a window, or brings its window forward when it is open already. A file that
    // cannot be read is reported by name and cause; then nullptr.
    CDayWindow* openDay(const QString& path);
    // The diary's day of the date in a window of its own, or its window brought forward when one shows it.
    // A file that cannot be read is reported and its window stays read-only.
    CDayWindow* openDate(const DiaryFolder& diary, const DiaryDate& date);
    // The window that shows the date's file; nullptr when none does.
    CDayWindow* windowOfFile(const QString& path) const;
    // Closes every day, asking to save modified ones; false when the user cancelled.
    bool closeAllDays();

    void fileOpen();
    void fileClose();
    void fileSave();
    void fileSaveAs();
    void openRecentFile(int index);
    void arrangeIcons();

    // The recent-file entries' captions and visibility, and Undo and Redo named after the active day's next step.
    void refreshRecentFileActions();
    void refreshHistoryCommands();
    // The active day's history becomes the one Undo and Redo act on.
    void followActiveDay();

signals:
    // The days, their states or the active one changed: the commands' states may differ.
    void daysChanged();
    void statusMessage(const QString& text);
    // A day was written to its file.
    void daySaved(const QString& path);

private:
    void connectCommands();
    void addDayWindow(CDayWindow* window);
    void refreshWindowList(QMenu* menu);
    void arrange(void (QMdiArea::*arrangement)());

    AppContext& m_app;
    QMdiArea* m_area;
    ActionRegistry& m_actions;
    QWidget* m_frame;
    QUndoGroup* m_history;
    RecentFileList m_recentFiles;
    QList<QAction*> m_windowListActions;
    int m_untitledCount = 0;
};

} // namespace mw::gui
