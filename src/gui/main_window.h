#pragma once

#include "day_window_manager.h"

#include <QMainWindow>

#include <vector>

class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace mw::gui {

class ActionRegistry;
class AppContext;
class CDayWindow;
class ContextHelp;
class DiaryCommands;
class DiaryNavigation;
class FoodCommands;
class ReportCommands;
class ToolCommands;

inline constexpr int kToolbarSeparator = 0;
// The toolbar's commands from left to right. Screens less than 600 pixels high put the mouse option before
// the fat warning level.
std::vector<int> toolbarCommands(int screenHeight);
// Screens taller than this get the larger toolbar buttons.
inline constexpr int kLargeToolbarMinScreenHeight = 601;

// The main window: the day windows in an MDI area, the menus (one set while no day is open, the full set
// while one is), the toolbar and the status bar. The days are kept by its day-window manager; the commands are
// carried out by the report, food, tool and diary commands. Every command is a QAction named after it
// ("actionFileOpen"), reachable through commandAction().
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // screenHeight 0: the primary screen's.
    explicit CMainFrame(AppContext& app, int screenHeight = 0, QWidget* parent = nullptr);
    ~CMainFrame() override;

    AppContext& context() { return m_app; }
    QMdiArea* mdiArea() const { return m_days->mdiArea(); }
    QToolBar* toolBar() const { return m_toolBar; }
    DayWindowManager& days() { return *m_days; }
    RecentFileList& recentFiles() { return m_days->recentFiles(); }
    // The action of a command id; nullptr for an id the frame has no action for.
    QAction* commandAction(int commandId) const;

    QList<CDayWindow*> dayWindows() const { return m_days->dayWindows(); }
    CDayWindow* activeDayWindow() const { return m_days->activeDayWindow(); }
    CDayWindow* newDay() { return m_days->newDay(); }
    CDayWindow* openDay(const QString& path) { return m_days->openDay(path); }
    // Today's day of the diary; nullptr when there is no diary folder.
    CDayWindow* openToday();
    bool closeAllDays() { return m_days->closeAllDays(); }

    // The status bar's message pane (what stays when no menu item is highlighted).
    QString statusMessage() const;

    // How long a note in the message pane stays before "Ready" returns.
    static constexpr int kTransientMessageMilliseconds = 5000;

public slots:
    // A note for a moment: it gives way to "Ready" after a while or at the next command.
    void showStatusMessage(const QString& text);
    // A message that stays until it is replaced; empty brings "Ready" back.
    void showLastingStatusMessage(const QString& text);
    // Brings the menu set, the enabled states and the title up to date.
    void updateCommands();
    // The same, and the captions that name files, lists and counts (as a menu opens).
    void prepareMenus();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createToolBar(int screenHeight);
    void createStatusBar();
    void connectCommands();
    void showMenus(bool dayOpen);
    void refreshLockIndicators();
    void endTransientMessage();
    void warnFoodFlagsNotSaved(std::error_code error);
    // While the generator works, the second pane shows the target it was asked for.
    void showGeneratorTarget(int requested);

    AppContext& m_app;
    ActionRegistry* m_actions = nullptr;
    DayWindowManager* m_days = nullptr;
    ReportCommands* m_reports = nullptr;
    FoodCommands* m_foodCommands = nullptr;
    ContextHelp* m_contextHelp = nullptr;
    DiaryCommands* m_diary = nullptr;
    DiaryNavigation* m_diaryDays = nullptr;
    ToolCommands* m_tools = nullptr;
    QTimer* m_messageTimer = nullptr;
    QToolBar* m_toolBar = nullptr;
    // A menu bar shows an action's icon instead of its caption, so the bar's About item is a plain twin.
    QAction* m_aboutMenuItem = nullptr;
    // Menu 2 (no day open) and menu 4 (a day open); both share the actions.
    QList<QMenu*> m_noDayMenus;
    QList<QMenu*> m_dayMenus;
    bool m_dayMenusShown = false;
    bool m_menusBuilt = false;
    bool m_destroying = false;

    QLabel* m_messagePane = nullptr;
    QLabel* m_capsLockPane = nullptr;
    QLabel* m_numLockPane = nullptr;
    QLabel* m_scrollLockPane = nullptr;
};

} // namespace mw::gui
