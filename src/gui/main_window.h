#pragma once

#include "recent_file_list.h"

#include "model/settings_keys.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QUndoGroup>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;

namespace mw::gui {

class AppContext;
class CDayWindow;
class CFofView;

inline constexpr int kToolbarSeparator = 0;
// The toolbar's commands from left to right. Screens less than 600 pixels high put the mouse option before
// the fat warning level.
std::vector<int> toolbarCommands(int screenHeight);
// Screens taller than this get the larger toolbar buttons.
inline constexpr int kLargeToolbarMinScreenHeight = 601;

// The main window: the day windows in an MDI area, the menus (one set while no day is open, the full set
// while one is), the toolbar and the status bar. It creates, opens, saves and closes days, keeps the
// recent-file list and carries out the commands that are not the day view's. Every command is a QAction
// named after it ("actionFileOpen"), reachable through commandAction().
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // screenHeight 0: the primary screen's.
    explicit CMainFrame(AppContext& app, int screenHeight = 0, QWidget* parent = nullptr);
    ~CMainFrame() override;

    AppContext& context() { return m_app; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    QToolBar* toolBar() const { return m_toolBar; }
    RecentFileList& recentFiles() { return m_recentFiles; }
    // The action of a command id; nullptr for an id the frame has no action for.
    QAction* commandAction(int commandId) const;

    // The open days, in the order they were opened.
    QList<CDayWindow*> dayWindows() const;
    // The day the commands apply to; nullptr while none is open.
    CDayWindow* activeDayWindow() const;

    // "MenuDay1", "MenuDay2", ... in a window of its own.
    CDayWindow* newDay();
    // Opens the file in a window, or brings its window forward when it is open already. A file that
    // cannot be read is reported by name and cause; then nullptr.
    CDayWindow* openDay(const QString& path);
    // Closes every day, asking to save modified ones; false when the user cancelled.
    bool closeAllDays();

    // The status bar's message pane (what stays when no menu item is highlighted).
    QString statusMessage() const;

    // How long a note in the message pane stays before "Ready" returns.
    static constexpr int kTransientMessageMilliseconds = 5000;

public slots:
    // A note for a moment: it gives way to "Ready" after a while or at the next command.
    void showStatusMessage(const QString& text);
    // A message that stays until it is replaced (context help's prompt).
    void showLastingStatusMessage(const QString& text);
    // Brings the menu set, the enabled states and the title up to date.
    void updateCommands();
    // The same, and the captions that name files, lists and counts (as a menu opens).
    void prepareMenus();

    void fileNew();
    void fileOpen();
    void fileClose();
    void fileSave();
    void fileSaveAs();
    void openRecentFile(int index);
    void showAbout();
    void caloricNeed();
    void intakePreference();
    void showFoodGroups();
    void listPersonalFoods();
    void arrangeIcons();

    // Tools, options, printing and help (main_window_tools.cpp).
    void desirableWeight();
    void addPersonalFood();
    void addUsdaFood();
    void balanceDay();
    void generateMenu();
    void foodPyramid();
    void menuGeneratorOptions();
    void fatWarningLevel();
    void mouseOption();
    void printNutrients();
    void displayNutrients();
    void manageFoodLists();
    void toggleUsePersonalPreference();
    void reverseGroupList();
    void chooseScreenColor();
    void filePrint();
    void filePrintPreview();
    void filePrintSetup();
    void choosePrinterFont();
    void exportPdf();
    void exportCsv();
    // Several day files side by side (main_window_summary.cpp); the open days' files are offered.
    void summarizeDays();
    void showHelpOfCommand(int commandId);
    // Shift+F1: the next click opens the help page of what it hits.
    void startContextHelp();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(int id, const char* objectName, const QString& caption, const QString& icon = QString(),
                        const QList<QKeySequence>& shortcuts = {});
    QAction* laterCommand(int id, const char* objectName, const QString& caption, const QString& icon = QString(),
                          const QList<QKeySequence>& shortcuts = {});
    void createCommands();
    void createListCommands();
    void createMenus();
    QMenu* createFileMenu(bool dayOpen);
    void addListMenu(QMenu* parent, const QString& caption, int base, int firstList, int lastList);
    void createToolBar(int screenHeight);
    void createStatusBar();
    void connectCommands();

    void addDayWindow(CDayWindow* window);
    void showMenus(bool dayOpen);
    void refreshRecentFileActions();
    void refreshWindowList();
    void refreshLockIndicators();
    // Undo and Redo act on the active day's history and name its next step.
    void connectHistory();
    void endTransientMessage();
    void refreshHistoryCommands();
    void saveFoodFlags();

    // Finding and organising foods (main_window_food_commands.cpp): search, sort and find, hidden foods,
    // food lists and the meal clipboard, carried out by the active day's view.
    CFofView* activeView() const;
    void createSpareListCommands();
    void connectFoodCommands();
    // The enabled states, and the captions that name the selected food and count the hidden ones.
    void updateFoodCommands();
    // The food-list items, which only the menus offer: captions from the list names with counts, and
    // enabled states (as a menu opens, since the names are read from the profile).
    void refreshFoodListItems();

    // Tools, options, printing and help (main_window_tools.cpp).
    void createToolCommands();
    void createSummaryCommand();
    void addToolMenus();
    void connectToolCommands();
    void updateToolCommands(bool dayOpen);
    QPrinter& reportPrinter();
    // True when the event was the click or key that ends context help.
    bool contextHelpEvent(QObject* watched, QEvent* event);

    AppContext& m_app;
    RecentFileList m_recentFiles;
    int m_untitledCount = 0;

    QMdiArea* m_mdiArea = nullptr;
    QUndoGroup* m_history = nullptr;
    QTimer* m_messageTimer = nullptr;
    QToolBar* m_toolBar = nullptr;
    std::map<int, QAction*> m_actions;
    QList<QAction*> m_recentActions;
    QAction* m_noRecentAction = nullptr;
    QAction* m_aboutMenuItem = nullptr;
    QList<QAction*> m_windowListActions;

    // Menu 2 (no day open) and menu 4 (a day open); both share the actions.
    QList<QMenu*> m_noDayMenus;
    QList<QMenu*> m_dayMenus;
    QMenu* m_windowMenu = nullptr;
    bool m_dayMenusShown = false;
    bool m_menusBuilt = false;
    bool m_destroying = false;

    // Kept for the run, so that Print Setup's choices hold for every later print.
    std::shared_ptr<QPrinter> m_printer;
    // The printer font chosen in this run, which printing uses even when the profile could not keep it.
    std::optional<PrinterFontSetting> m_chosenPrinterFont;
    bool m_contextHelpMode = false;

    QLabel* m_messagePane = nullptr;
    QLabel* m_capsLockPane = nullptr;
    QLabel* m_numLockPane = nullptr;
    QLabel* m_scrollLockPane = nullptr;
};

} // namespace mw::gui
