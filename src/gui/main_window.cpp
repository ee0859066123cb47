#include "main_window.h"

#include "about_dialog.h"
#include "app_context.h"
#include "caloric_need_dialog.h"
#include "command_ids.h"
#include "day_window.h"
#include "first_start.h"
#include "fof_view.h"
#include "frame_texts.h"
#include "intake_preference_dialog.h"
#include "keyboard_locks.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "tools_texts.h"

#include "model/food_attribute_database.h"
#include "model/settings_keys.h"
#include "model/string_table.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoGroup>
#include <QUrl>

#include <algorithm>

namespace mw::gui {
namespace {

constexpr int kSmallToolbarIcon = 16;
constexpr int kMenuSeparator = 0;
constexpr int kLargeToolbarIcon = 20;
// Elide long recent-file paths in the middle beyond this many characters.
constexpr int kRecentPathLength = 60;

QString messageTitle()
{
    return toQString(texts::kMainFrameTitle);
}

// The prompt of a command: its status-bar text, after "\n" its tooltip.
QString commandPrompt(int id)
{
    return toQString(LoadString(id));
}

QString withoutMnemonic(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    if (caption.endsWith(QStringLiteral("..."))) {
        caption.chop(3);
    }
    return caption.trimmed();
}

QString escapedMnemonic(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Home abbreviated to "~" and a long path cut in the middle, as a menu has room for.
QString menuPath(const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (!home.isEmpty() && shown.startsWith(home + QDir::separator())) {
        shown = QStringLiteral("~") + shown.mid(home.size());
    }
    if (shown.size() > kRecentPathLength) {
        const qsizetype keep = (kRecentPathLength - 3) / 2;
        shown = shown.left(keep) + QStringLiteral("...") + shown.right(keep);
    }
    return escapedMnemonic(shown);
}

bool isLockKey(int key)
{
    return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

} // namespace

std::vector<int> toolbarCommands(int screenHeight)
{
    std::vector<int> commands = {
        cmd::kFileNew,       cmd::kFileOpen,    cmd::kFileSave,         kToolbarSeparator,       cmd::kFilePrint,
        kToolbarSeparator,   cmd::kFindLowest,  cmd::kFindHighest,      kToolbarSeparator,       cmd::kMealCut,
        cmd::kMealCopy,      cmd::kMealPaste,   cmd::kMealClear,        cmd::kEditUndo,          cmd::kEditRedo,
        kToolbarSeparator,   cmd::kCaloricNeed, cmd::kIntakePreference, kToolbarSeparator,       cmd::kScreenColor,
        kToolbarSeparator,   cmd::kSearchFood,  cmd::kShowFoodGroups,   cmd::kShowPersonalFoods, kToolbarSeparator,
        cmd::kFatWarning,    cmd::kMouseOption, kToolbarSeparator,      cmd::kAppAbout,          kToolbarSeparator,
        cmd::kMenuGenerator, cmd::kFoodPyramid, kToolbarSeparator,      cmd::kAddUsdaFood,       cmd::kBalanceDay,
    };
    if (screenHeight < 600) {
        // Slots 24..26: the mouse option moves before the fat warning level.
        commands[24] = cmd::kMouseOption;
        commands[25] = kToolbarSeparator;
        commands[26] = cmd::kFatWarning;
    }
    commands.push_back(cmd::kFileSummarizeDays);
    return commands;
}

CMainFrame::CMainFrame(AppContext& app, int screenHeight, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_recentFiles(app.settings())
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(toQString(texts::kMainFrameTitle));
    setAcceptDrops(true);
    if (screenHeight <= 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        screenHeight = screen != nullptr ? screen->size().height() : 0;
    }

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);

    createCommands();
    createMenus();
    createToolBar(screenHeight);
    createStatusBar();
    connectCommands();

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::updateCommands);
    connectHistory();
    qApp->installEventFilter(this);
    prepareMenus();
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // The days close while the frame is whole; what they report on the way out is no longer wanted.
    m_destroying = true;
    delete m_mdiArea;
    m_mdiArea = nullptr;
}

// ---- Commands ----------------------------------------------------------------------------------------------

QAction* CMainFrame::addCommand(int id, const char* objectName, const QString& caption, const QString& icon,
                                const QList<QKeySequence>& shortcuts)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setData(id);
    // Connected first, so that a message the command itself shows stays.
    connect(action, &QAction::triggered, this, &CMainFrame::endTransientMessage);
    if (!icon.isEmpty()) {
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    }
    action->setShortcuts(shortcuts);
    const QString prompt = commandPrompt(id);
    const qsizetype lineBreak = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(lineBreak < 0 ? prompt : prompt.left(lineBreak));
    action->setToolTip(lineBreak < 0 ? withoutMnemonic(caption) : prompt.mid(lineBreak + 1));
    // Held by the frame as well as by the menus, so that the keys work whichever menu set is shown.
    addAction(action);
    m_actions[id] = action;
    return action;
}

QAction* CMainFrame::laterCommand(int id, const char* objectName, const QString& caption, const QString& icon,
                                  const QList<QKeySequence>& shortcuts)
{
    QAction* action = addCommand(id, objectName, caption, icon, shortcuts);
    action->setEnabled(false);
    return action;
}

QAction* CMainFrame::commandAction(int commandId) const
{
    const auto found = m_actions.find(commandId);
    return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::createCommands()
{
    using K = QKeySequence;

    addCommand(cmd::kFileNew, "actionFileNew", QStringLiteral("&New"), QStringLiteral("file-new"),
               {K(Qt::CTRL | Qt::Key_N)});
    addCommand(cmd::kFileOpen, "actionFileOpen", QStringLiteral("&Open..."), QStringLiteral("file-open"),
               {K(Qt::CTRL | Qt::Key_O)});
    addCommand(cmd::kFileClose, "actionFileClose", QStringLiteral("&Close"), QString(), {K(Qt::Key_F4)});
    addCommand(cmd::kFileSave, "actionFileSave", QStringLiteral("&Save"), QStringLiteral("file-save"),
               {K(Qt::CTRL | Qt::Key_S)});
    addCommand(cmd::kFileSaveAs, "actionFileSaveAs", QStringLiteral("Save &As..."));
    addCommand(cmd::kFilePrint, "actionFilePrint", QStringLiteral("&Print..."), QStringLiteral("print"),
               {K(Qt::CTRL | Qt::Key_P)});
    addCommand(cmd::kFilePrintSetup, "actionFilePrintSetup", QStringLiteral("P&rint Setup..."));
    addCommand(cmd::kAppExit, "actionAppExit", QStringLiteral("E&xit"));
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        const QByteArray name = "actionFileRecent" + QByteArray::number(i + 1);
        QAction* action = addCommand(cmd::kFileRecentFirst + i, name.constData(), QString());
        connect(action, &QAction::triggered, this, [this, i] { openRecentFile(i); });
        m_recentActions.append(action);
    }
    m_noRecentAction = new QAction(toQString(texts::kNoRecentFile), this);
    m_noRecentAction->setObjectName(QStringLiteral("actionFileNoRecent"));
    m_noRecentAction->setEnabled(false);

    addCommand(cmd::kEditUndo, "actionEditUndo", toQString(texts::kUndoCaption), QStringLiteral("edit-undo"),
               {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)});
    addCommand(cmd::kEditRedo, "actionEditRedo", toQString(texts::kRedoCaption), QStringLiteral("edit-redo"),
               {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addCommand(cmd::kMealCut, "actionMealCut", QStringLiteral("Cu&t Meal"), QStringLiteral("meal-cut"),
               {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)});
    addCommand(cmd::kMealCopy, "actionMealCopy", QStringLiteral("&Copy Meal"), QStringLiteral("meal-copy"),
               {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)});
    addCommand(cmd::kMealPaste, "actionMealPaste", QStringLiteral("&Paste Meal"), QStringLiteral("meal-paste"),
               {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)});
    addCommand(cmd::kMealClear, "actionMealClear", QStringLiteral("C&lear Meal"), QStringLiteral("meal-clear"));

    addCommand(cmd::kDesirableWeight, "actionDesirableWeight", QStringLiteral("&Desirable weight ..."));
    addCommand(cmd::kCaloricNeed, "actionCaloricNeed", QStringLiteral("Caloric &need ..."),
               QStringLiteral("caloric-need"));
    addCommand(cmd::kSortAscending, "actionSortAscending", QStringLiteral("Sort &ascending ..."));
    addCommand(cmd::kSortDescending, "actionSortDescending", QStringLiteral("Sort &descending ..."));
    addCommand(cmd::kFindLowest, "actionFindLowest", QStringLiteral("Find Lowest"), QStringLiteral("find-lowest"));
    addCommand(cmd::kFindHighest, "actionFindHighest", QStringLiteral("Find Highest"), QStringLiteral("find-highest"));

    addCommand(cmd::kDisplayNutrients, "actionDisplayNutrients", QStringLiteral("Select Nutrients to &Display ..."));
    addCommand(cmd::kPrintNutrients, "actionPrintNutrients", QStringLiteral("Select Nutrients to &Print ..."));
    addCommand(cmd::kPrinterFont, "actionPrinterFont", QStringLiteral("Choose Printer &Font ..."));
    addCommand(cmd::kScreenColor, "actionScreenColor", QStringLiteral("Choose Screen &Color ..."),
               QStringLiteral("window-color"));
    addCommand(cmd::kIntakePreference, "actionIntakePreference", QStringLiteral("Set &Nutrient Intake Preference ..."),
               QStringLiteral("intake-preference"));
    addCommand(cmd::kUsePersonalPreference, "actionUsePersonalPreference",
               QStringLiteral("Show % P&ersonal Intake Preference"))
        ->setCheckable(true);
    addCommand(cmd::kMouseOption, "actionMouseOption", QStringLiteral("Set &Mouse Button Input ..."),
               QStringLiteral("mouse-option"));
    addCommand(cmd::kReverseGroupList, "actionReverseGroupList", QStringLiteral("Re&verse Food Group List"));
    addCommand(cmd::kListWidthNormal, "actionListWidthNormal", QStringLiteral("Food Listbox Width > Normal"));
    addCommand(cmd::kListWidthWider, "actionListWidthWider", QStringLiteral("Food Listbox Width > Wider"));
    addCommand(cmd::kListWidthWidest, "actionListWidthWidest", QStringLiteral("Food Listbox Width > Widest"));
    addCommand(cmd::kFatWarning, "actionFatWarning", QStringLiteral("Set Fat Warning Level ..."),
               QStringLiteral("fat-warning"));

    addCommand(cmd::kAddFood, "actionAddFood", QStringLiteral("&Add Food or Recipe to Personal Database ..."));
    addCommand(cmd::kAddUsdaFood, "actionAddUsdaFood", QStringLiteral("Add a &USDA Food..."),
               QStringLiteral("usda-food"));
    addCommand(cmd::kBalanceDay, "actionBalanceDay", QStringLiteral("&Balance the Day..."),
               QStringLiteral("balance-day"));
    addCommand(cmd::kShowFoodGroups, "actionShowFoodGroups", QStringLiteral("Show Mealwright Food &Groups"),
               QStringLiteral("food-groups"));
    addCommand(cmd::kShowPersonalFoods, "actionShowPersonalFoods", QStringLiteral("Show &Personal Food Database"),
               QStringLiteral("personal-foods"));
    addCommand(cmd::kSearchFood, "actionSearchFood", QStringLiteral("&Search Food by Name"),
               QStringLiteral("search-food"));
    addCommand(cmd::kHideFood, "actionHideFood", QStringLiteral("&Hide Selected Food >"));
    addCommand(cmd::kHideListFoods, "actionHideListFoods", QStringLiteral("Hide All Foods in &Food Listbox >"));
    addCommand(cmd::kHideMealFoods, "actionHideMealFoods", QStringLiteral("Hide All Foods in &Meal Listbox <"));
    addCommand(cmd::kShowHiddenFoods, "actionShowHiddenFoods", QStringLiteral("Show All Hid&den Foods"));
    addCommand(cmd::kUnhideFood, "actionUnhideFood", QStringLiteral("&Unhide Selected Food"));
    addCommand(cmd::kManageFoodLists, "actionManageFoodLists", QStringLiteral("Ma&nage Youthplate Food Lists..."));
    createListCommands();

    addCommand(cmd::kWindowCascade, "actionWindowCascade", QStringLiteral("&Cascade"));
    addCommand(cmd::kWindowTile, "actionWindowTile", QStringLiteral("&Tile"));
    addCommand(cmd::kWindowArrangeIcons, "actionWindowArrangeIcons", QStringLiteral("&Arrange Icons"));
    addCommand(cmd::kNextPane, "actionNextPane", QStringLiteral("Next Window"), QString(), {K(Qt::Key_F6)});
    addCommand(cmd::kPreviousPane, "actionPreviousPane", QStringLiteral("Previous Window"), QString(),
               {K(Qt::SHIFT | Qt::Key_F6)});

    addCommand(cmd::kAppAbout, "actionAppAbout", QStringLiteral("&About ..."), QStringLiteral("about"));
    // A menu bar shows an action's icon instead of its caption, so the bar's item is a plain twin.
    m_aboutMenuItem = new QAction(commandAction(cmd::kAppAbout)->text(), this);
    m_aboutMenuItem->setObjectName(QStringLiteral("actionAppAboutMenuItem"));
    m_aboutMenuItem->setStatusTip(commandAction(cmd::kAppAbout)->statusTip());
    connect(m_aboutMenuItem, &QAction::triggered, commandAction(cmd::kAppAbout), &QAction::trigger);
    addCommand(cmd::kHelp, "actionHelp", toQString(texts::kHelpTopicsCaption), QString(), {K(Qt::Key_F1)});
    addCommand(cmd::kContextHelp, "actionContextHelp", toQString(texts::kContextHelpCaption), QString(),
               {K(Qt::SHIFT | Qt::Key_F1)});
    createToolCommands();
    createSummaryCommand();
}

void CMainFrame::createListCommands()
{
    struct Operation
    {
        int base;
        const char* name;
        std::string_view prompt;
        int lastList;
    };
    const Operation operations[] = {
        {cmd::kListAddSelectedBase, "actionListAddSelected", texts::kListAddSelectedPrompt, cmd::kLastGlycemicList},
        {cmd::kListAddAllBase, "actionListAddAll", texts::kListAddAllPrompt, kNamedFoodListCount},
        {cmd::kListAddMealBase, "actionListAddMeal", texts::kListAddMealPrompt, cmd::kLastGlycemicList},
        {cmd::kListShowBase, "actionListShow", texts::kListShowPrompt, cmd::kLastGlycemicList},
        {cmd::kListRemoveBase, "actionListRemove", texts::kListRemovePrompt, cmd::kLastGlycemicList},
    };
    for (const Operation& operation : operations) {
        for (int list = 1; list <= operation.lastList; ++list) {
            const QByteArray name = operation.name + QByteArray::number(list);
            QAction* action = laterCommand(operation.base + list, name.constData(), QString());
            action->setStatusTip(toQString(operation.prompt));
        }
    }
    createSpareListCommands();
}

void CMainFrame::connectCommands()
{
    const auto on = [this](int id, auto slot) { connect(commandAction(id), &QAction::triggered, this, slot); };
    on(cmd::kFileNew, &CMainFrame::fileNew);
    on(cmd::kFileOpen, &CMainFrame::fileOpen);
    on(cmd::kFileClose, &CMainFrame::fileClose);
    on(cmd::kFileSave, &CMainFrame::fileSave);
    on(cmd::kFileSaveAs, &CMainFrame::fileSaveAs);
    on(cmd::kAppExit, &CMainFrame::close);
    on(cmd::kAppAbout, &CMainFrame::showAbout);
    on(cmd::kCaloricNeed, &CMainFrame::caloricNeed);
    on(cmd::kIntakePreference, &CMainFrame::intakePreference);
    on(cmd::kShowFoodGroups, &CMainFrame::showFoodGroups);
    on(cmd::kShowPersonalFoods, &CMainFrame::listPersonalFoods);
    on(cmd::kAddUsdaFood, &CMainFrame::addUsdaFood);
    on(cmd::kBalanceDay, &CMainFrame::balanceDay);
    on(cmd::kWindowArrangeIcons, &CMainFrame::arrangeIcons);
    connectFoodCommands();
    // Arranging the days leaves the active one's keys where a new day has them: on "I Eat".
    const auto focusActiveView = [this] {
        if (CDayWindow* day = activeDayWindow(); day != nullptr && day->view() != nullptr) {
            day->view()->setFocus(Qt::OtherFocusReason);
        }
    };
    connect(commandAction(cmd::kWindowCascade), &QAction::triggered, this, [this, focusActiveView] {
        m_mdiArea->cascadeSubWindows();
        focusActiveView();
    });
    connect(commandAction(cmd::kWindowTile), &QAction::triggered, this, [this, focusActiveView] {
        m_mdiArea->tileSubWindows();
        focusActiveView();
    });
    connect(commandAction(cmd::kNextPane), &QAction::triggered, m_mdiArea, &QMdiArea::activateNextSubWindow);
    connect(commandAction(cmd::kPreviousPane), &QAction::triggered, m_mdiArea, &QMdiArea::activatePreviousSubWindow);
    connectToolCommands();
}

// ---- Menus, toolbar, status bar ----------------------------------------------------------------------------

QMenu* CMainFrame::createFileMenu(bool dayOpen)
{
    auto* menu = new QMenu(QStringLiteral("&File"), this);
    menu->setObjectName(dayOpen ? QStringLiteral("menuDayFile") : QStringLiteral("menuFile"));
    menu->addAction(commandAction(cmd::kFileNew));
    menu->addAction(commandAction(cmd::kFileOpen));
    menu->addAction(commandAction(cmd::kFileSummarizeDays));
    if (dayOpen) {
        menu->addAction(commandAction(cmd::kFileClose));
        menu->addAction(commandAction(cmd::kFileSave));
        menu->addAction(commandAction(cmd::kFileSaveAs));
        menu->addSeparator();
        menu->addAction(commandAction(cmd::kFilePrint));
    } else {
        menu->addSeparator();
    }
    menu->addAction(commandAction(cmd::kFilePrintSetup));
    menu->addSeparator();
    menu->addAction(m_noRecentAction);
    menu->addActions(m_recentActions);
    menu->addSeparator();
    menu->addAction(commandAction(cmd::kAppExit));
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::prepareMenus);
    return menu;
}

void CMainFrame::addListMenu(QMenu* parent, const QString& caption, int base, int firstList, int lastList)
{
    QMenu* menu = parent->addMenu(caption);
    for (int list = firstList; list <= lastList; ++list) {
        menu->addAction(commandAction(base + list));
    }
}

void CMainFrame::createMenus()
{
    const auto newMenu = [this](const QString& title, const QString& name) {
        auto* menu = new QMenu(title, this);
        menu->setObjectName(name);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::prepareMenus);
        return menu;
    };
    const auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (const int id : ids) {
            if (id == kMenuSeparator) {
                menu->addSeparator();
            } else {
                menu->addAction(commandAction(id));
            }
        }
    };

    QMenu* tools = newMenu(QStringLiteral("&Tools"), QStringLiteral("menuTools"));
    add(tools, {cmd::kDesirableWeight, cmd::kCaloricNeed});
    m_noDayMenus = {createFileMenu(false), tools};

    QMenu* edit = newMenu(QStringLiteral("Ed&it"), QStringLiteral("menuEdit"));
    add(edit, {cmd::kEditUndo, cmd::kEditRedo, kMenuSeparator, cmd::kMealCut, cmd::kMealCopy, cmd::kMealPaste,
               cmd::kMealClear});

    QMenu* dayTools = newMenu(QStringLiteral("&Tools"), QStringLiteral("menuDayTools"));
    add(dayTools,
        {cmd::kDesirableWeight, cmd::kCaloricNeed, kMenuSeparator, cmd::kSortAscending, cmd::kSortDescending});

    QMenu* options = newMenu(QStringLiteral("&Options"), QStringLiteral("menuOptions"));
    add(options, {cmd::kDisplayNutrients, cmd::kPrintNutrients, kMenuSeparator, cmd::kPrinterFont, cmd::kScreenColor,
                  kMenuSeparator, cmd::kIntakePreference, cmd::kUsePersonalPreference, kMenuSeparator,
                  cmd::kMouseOption, kMenuSeparator, cmd::kReverseGroupList, kMenuSeparator, cmd::kListWidthNormal,
                  cmd::kListWidthWider, cmd::kListWidthWidest});

    QMenu* database = newMenu(QStringLiteral("Data&base"), QStringLiteral("menuDatabase"));
    add(database, {cmd::kAddFood, cmd::kAddUsdaFood, kMenuSeparator, cmd::kShowFoodGroups, cmd::kShowPersonalFoods,
                   kMenuSeparator, cmd::kSearchFood, kMenuSeparator, cmd::kHideFood, cmd::kHideListFoods,
                   cmd::kHideMealFoods, cmd::kShowHiddenFoods, cmd::kUnhideFood});

    QMenu* lists = newMenu(QStringLiteral("&Youthplate Food Lists"), QStringLiteral("menuFoodLists"));
    addListMenu(lists, QStringLiteral("Add &hilited food > to"), cmd::kListAddSelectedBase, 1, kNamedFoodListCount);
    addListMenu(lists, QStringLiteral("Add &all foods > to"), cmd::kListAddAllBase, 1, kNamedFoodListCount);
    addListMenu(lists, QStringLiteral("Add &meal foods < to"), cmd::kListAddMealBase, 1, kNamedFoodListCount);
    addListMenu(lists, QStringLiteral("&Show foods in"), cmd::kListShowBase, 1, kNamedFoodListCount);
    addListMenu(lists, QStringLiteral("&Delete food > from"), cmd::kListRemoveBase, 1, kNamedFoodListCount);
    lists->addSeparator();
    lists->addAction(commandAction(cmd::kManageFoodLists));

    QMenu* glycemic = newMenu(QStringLiteral("&Glycemic Index"), QStringLiteral("menuGlycemicIndex"));
    const int first = cmd::kFirstGlycemicList;
    const int last = cmd::kLastGlycemicList;
    addListMenu(glycemic, QStringLiteral("Add &food > to"), cmd::kListAddSelectedBase, first, last);
    addListMenu(glycemic, QStringLiteral("Add &meal foods < to"), cmd::kListAddMealBase, first, last);
    addListMenu(glycemic, QStringLiteral("&Show foods in"), cmd::kListShowBase, first, last);
    addListMenu(glycemic, QStringLiteral("&Delete food > from"), cmd::kListRemoveBase, first, last);

    m_windowMenu = newMenu(QStringLiteral("&Window"), QStringLiteral("menuWindow"));
    add(m_windowMenu, {cmd::kWindowCascade, cmd::kWindowTile, cmd::kWindowArrangeIcons});
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::refreshWindowList);

    m_dayMenus = {createFileMenu(true), edit, dayTools, options, database, lists, glycemic, m_windowMenu};
    addToolMenus();
    showMenus(false);
}

void CMainFrame::showMenus(bool dayOpen)
{
    if (m_menusBuilt && dayOpen == m_dayMenusShown) {
        return;
    }
    // Only one set is in the menu bar at a time, so their mnemonics never compete.
    menuBar()->clear();
    for (QMenu* menu : dayOpen ? m_dayMenus : m_noDayMenus) {
        menuBar()->addMenu(menu);
    }
    menuBar()->addAction(m_aboutMenuItem);
    m_dayMenusShown = dayOpen;
    m_menusBuilt = true;
}

void CMainFrame::createToolBar(int screenHeight)
{
    m_toolBar = addToolBar(QStringLiteral("Standard"));
    m_toolBar->setObjectName(QStringLiteral("standardToolBar"));
    const int icon = screenHeight >= kLargeToolbarMinScreenHeight ? kLargeToolbarIcon : kSmallToolbarIcon;
    m_toolBar->setIconSize(QSize(icon, icon));
    for (const int id : toolbarCommands(screenHeight)) {
        if (id == kToolbarSeparator) {
            m_toolBar->addSeparator();
        } else {
            m_toolBar->addAction(commandAction(id));
        }
    }
}

void CMainFrame::createStatusBar()
{
    m_messagePane = new QLabel(toQString(texts::kReadyMessage), this);
    m_messagePane->setObjectName(QStringLiteral("messagePane"));
    m_messageTimer = new QTimer(this);
    m_messageTimer->setSingleShot(true);
    m_messageTimer->setInterval(kTransientMessageMilliseconds);
    connect(m_messageTimer, &QTimer::timeout, this,
            [this] { m_messagePane->setText(toQString(texts::kReadyMessage)); });
    statusBar()->addWidget(m_messagePane, 1);

    const auto indicator = [this](std::string_view text, const QString& name) {
        auto* pane = new QLabel(this);
        pane->setObjectName(name);
        pane->setAlignment(Qt::AlignCenter);
        pane->setProperty("indicatorText", toQString(text));
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(toQString(text)) +
                              2 * pane->fontMetrics().averageCharWidth());
        statusBar()->addPermanentWidget(pane);
        return pane;
    };
    m_capsLockPane = indicator(texts::kCapsLockIndicator, QStringLiteral("capsLockPane"));
    m_numLockPane = indicator(texts::kNumLockIndicator, QStringLiteral("numLockPane"));
    m_scrollLockPane = indicator(texts::kScrollLockIndicator, QStringLiteral("scrollLockPane"));
    refreshLockIndicators();
}

void CMainFrame::refreshLockIndicators()
{
    const std::optional<KeyboardLocks> locks = queryKeyboardLocks();
    const auto show = [](QLabel* pane, bool on) {
        pane->setText(on ? pane->property("indicatorText").toString() : QString());
    };
    show(m_capsLockPane, locks && locks->capsLock);
    show(m_numLockPane, locks && locks->numLock);
    show(m_scrollLockPane, locks && locks->scrollLock);
}

QString CMainFrame::statusMessage() const
{
    return m_messagePane->text();
}

void CMainFrame::showStatusMessage(const QString& text)
{
    m_messagePane->setText(text);
    // A note such as "Saved ..." is news only for a moment: it gives way after a while or at the next command.
    if (text.isEmpty() || text == toQString(texts::kReadyMessage)) {
        m_messageTimer->stop();
    } else {
        m_messageTimer->start();
    }
}

void CMainFrame::showLastingStatusMessage(const QString& text)
{
    m_messageTimer->stop();
    m_messagePane->setText(text);
}

void CMainFrame::endTransientMessage()
{
    if (m_messageTimer->isActive()) {
        m_messageTimer->stop();
        m_messagePane->setText(toQString(texts::kReadyMessage));
    }
}

// ---- Update rules ------------------------------------------------------------------------------------------

void CMainFrame::updateCommands()
{
    if (m_destroying) {
        return;
    }
    const QList<CDayWindow*> days = dayWindows();
    const bool dayOpen = activeDayWindow() != nullptr;
    showMenus(!days.isEmpty());

    for (const int id : {cmd::kFileClose, cmd::kFileSave, cmd::kFileSaveAs, cmd::kIntakePreference,
                         cmd::kShowFoodGroups, cmd::kShowPersonalFoods}) {
        commandAction(id)->setEnabled(dayOpen);
    }
    for (const int id : {cmd::kWindowCascade, cmd::kWindowTile, cmd::kWindowArrangeIcons}) {
        commandAction(id)->setEnabled(!days.isEmpty());
    }
    commandAction(cmd::kNextPane)->setEnabled(days.size() > 1);
    commandAction(cmd::kPreviousPane)->setEnabled(days.size() > 1);
    updateToolCommands(dayOpen);
    updateFoodCommands();
    CDayWindow* day = activeDayWindow();
    m_history->setActiveStack(day != nullptr ? &day->history() : nullptr);
    refreshHistoryCommands();

    CDayWindow* active = activeDayWindow();
    if (windowTitle().contains(QStringLiteral("[*]"))) {
        setWindowModified(active != nullptr && active->isModified());
    }
}

void CMainFrame::connectHistory()
{
    m_history = new QUndoGroup(this);
    connect(commandAction(cmd::kEditUndo), &QAction::triggered, m_history, &QUndoGroup::undo);
    connect(commandAction(cmd::kEditRedo), &QAction::triggered, m_history, &QUndoGroup::redo);
    for (const auto signal : {&QUndoGroup::undoTextChanged, &QUndoGroup::redoTextChanged}) {
        connect(m_history, signal, this, &CMainFrame::refreshHistoryCommands);
    }
    for (const auto signal : {&QUndoGroup::canUndoChanged, &QUndoGroup::canRedoChanged}) {
        connect(m_history, signal, this, &CMainFrame::refreshHistoryCommands);
    }
}

void CMainFrame::refreshHistoryCommands()
{
    // "&Undo Delete Milk [1 cup]": the caption names the step; without one the command is off.
    const auto refresh = [](QAction* action, std::string_view caption, bool can, const QString& step) {
        const QString text = toQString(caption);
        action->setEnabled(can);
        action->setText(can ? text + QLatin1Char(' ') + step : text);
        action->setToolTip(withoutMnemonic(action->text()));
    };
    refresh(commandAction(cmd::kEditUndo), texts::kUndoCaption, m_history->canUndo(), m_history->undoText());
    refresh(commandAction(cmd::kEditRedo), texts::kRedoCaption, m_history->canRedo(), m_history->redoText());
}

void CMainFrame::prepareMenus()
{
    updateCommands();
    refreshRecentFileActions();
    refreshFoodListItems();
}

void CMainFrame::refreshRecentFileActions()
{
    const QStringList files = m_recentFiles.files();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions.at(i);
        const bool used = i < files.size();
        action->setVisible(used);
        if (used) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(menuPath(files.at(i))));
            action->setToolTip(QDir::toNativeSeparators(files.at(i)));
        }
    }
    m_noRecentAction->setVisible(files.isEmpty());
}

void CMainFrame::refreshWindowList()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<CDayWindow*> days = dayWindows();
    if (days.isEmpty()) {
        return;
    }
    m_windowListActions.append(m_windowMenu->addSeparator());
    CDayWindow* active = activeDayWindow();
    for (int i = 0; i < days.size(); ++i) {
        CDayWindow* day = days.at(i);
        const QString caption = toQString(texts::kWindowListEntry).arg(i + 1).arg(escapedMnemonic(day->title()));
        QAction* action = m_windowMenu->addAction(caption);
        action->setObjectName(QStringLiteral("actionWindow%1").arg(i + 1));
        action->setStatusTip(toQString(texts::kWindowListPrompt));
        action->setCheckable(true);
        action->setChecked(day == active);
        connect(action, &QAction::triggered, this, [this, day] { m_mdiArea->setActiveSubWindow(day); });
        m_windowListActions.append(action);
    }
}

// ---- Days --------------------------------------------------------------------------------------------------

QList<CDayWindow*> CMainFrame::dayWindows() const
{
    QList<CDayWindow*> days;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        // A closed window lingers, hidden, until it is deleted.
        if (auto* day = qobject_cast<CDayWindow*>(window); day != nullptr && !day->isHidden()) {
            days.append(day);
        }
    }
    return days;
}

CDayWindow* CMainFrame::activeDayWindow() const
{
    // The current window, not the active one: it stays current while another program has the focus.
    auto* day = qobject_cast<CDayWindow*>(m_mdiArea->currentSubWindow());
    return day != nullptr && !day->isHidden() ? day : nullptr;
}

void CMainFrame::addDayWindow(CDayWindow* window)
{
    m_mdiArea->addSubWindow(window);
    m_history->addStack(&window->history());
    connect(window, &CDayWindow::saved, this, [this](const QString& path) {
        m_recentFiles.add(path);
        refreshRecentFileActions();
    });
    connect(window, &CDayWindow::statusMessage, this, &CMainFrame::showStatusMessage);
    connect(window, &CDayWindow::documentModified, this, &CMainFrame::updateCommands);
    connect(window, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::updateCommands);
    connect(window, &QObject::destroyed, this, &CMainFrame::updateCommands, Qt::QueuedConnection);
    // Each day fills the MDI area, as the view is laid out for it.
    window->showMaximized();
    window->createView();
    connect(window->view(), &CFofView::foodCommandsChanged, this, &CMainFrame::updateCommands);
    m_mdiArea->setActiveSubWindow(window);
    // A new day starts at "I Eat" however the other days are arranged (the view passes its focus on).
    window->view()->setFocus(Qt::OtherFocusReason);
    updateCommands();
}

CDayWindow* CMainFrame::newDay()
{
    ++m_untitledCount;
    CDayWindow* window =
        CDayWindow::createNew(m_app, toQString(texts::kDayDocumentName) + QString::number(m_untitledCount));
    addDayWindow(window);
    return window;
}

CDayWindow* CMainFrame::openDay(const QString& path)
{
    for (CDayWindow* day : dayWindows()) {
        if (!day->filePath().isEmpty() && samePath(day->filePath(), path)) {
            m_mdiArea->setActiveSubWindow(day);
            return day;
        }
    }
    m_app.catchUpWithPersonalFoods();
    QString error;
    CDayWindow* window = CDayWindow::openFile(m_app, path, &error);
    if (window == nullptr) {
        Prompts::warning(this, messageTitle(), error);
        return nullptr;
    }
    addDayWindow(window);
    m_recentFiles.add(window->filePath());
    refreshRecentFileActions();
    return window;
}

bool CMainFrame::closeAllDays()
{
    for (CDayWindow* day : dayWindows()) {
        m_mdiArea->setActiveSubWindow(day);
        if (!day->close()) {
            return false;
        }
    }
    return true;
}

void CMainFrame::fileNew()
{
    newDay();
}

void CMainFrame::fileOpen()
{
    const QString path =
        Prompts::openFileName(this, toQString(texts::kOpenDayCaption), toQString(texts::kDayFileFilter));
    if (!path.isEmpty()) {
        openDay(path);
    }
}

void CMainFrame::fileClose()
{
    if (CDayWindow* day = activeDayWindow()) {
        day->close();
    }
}

void CMainFrame::fileSave()
{
    if (CDayWindow* day = activeDayWindow()) {
        day->save();
        updateCommands();
    }
}

void CMainFrame::fileSaveAs()
{
    if (CDayWindow* day = activeDayWindow()) {
        day->saveAs();
        updateCommands();
    }
}

void CMainFrame::openRecentFile(int index)
{
    const QStringList files = m_recentFiles.files();
    if (index < 0 || index >= files.size()) {
        return;
    }
    if (openDay(files.at(index)) == nullptr) {
        // A file that cannot be opened any more leaves the list.
        m_recentFiles.remove(files.at(index));
        refreshRecentFileActions();
    }
}

// ---- Other commands ----------------------------------------------------------------------------------------

void CMainFrame::showAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::caloricNeed()
{
    CCaloricNeedDlg dialog(m_app.settings(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_app.analysisSettingsChanged();
    }
}

void CMainFrame::intakePreference()
{
    // The dialog's defaults derive from the requirements, which may have to be asked for first.
    const std::optional<RequirementVector> requirements = ensureRequirements(m_app.settings(), this);
    if (!requirements) {
        return;
    }
    IntakePreferences taken;
    CIntakePreferenceDlg dialog(m_app.settings(), *requirements, taken, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_app.analysisSettingsChanged();
    }
}

void CMainFrame::showFoodGroups()
{
    if (CDayWindow* day = activeDayWindow(); day != nullptr && day->view() != nullptr) {
        day->view()->showFoodGroups();
    }
}

void CMainFrame::listPersonalFoods()
{
    if (CDayWindow* day = activeDayWindow(); day != nullptr && day->view() != nullptr) {
        day->view()->listPersonalFoods();
    }
}

void CMainFrame::arrangeIcons()
{
    // Minimised days line up along the bottom of the MDI area, left to right, rows growing upwards.
    const QRect area = m_mdiArea->viewport()->rect();
    int x = area.left();
    int bottom = area.bottom() + 1;
    int rowHeight = 0;
    for (CDayWindow* day : dayWindows()) {
        if (!day->isMinimized()) {
            continue;
        }
        const QSize size = day->size();
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        day->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

void CMainFrame::saveFoodFlags()
{
    CFoodAttributeDatabase& attributes = m_app.attributes();
    if (const std::error_code error = attributes.saveIfChanged()) {
        Prompts::warning(
            this, messageTitle(),
            toQString(texts::kFoodFlagsNotSaved)
                .arg(QDir::toNativeSeparators(fromPath(attributes.filePath())), toQString(error.message())));
    }
}

// ---- Events ------------------------------------------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!closeAllDays()) {
        event->ignore();
        return;
    }
    saveFoodFlags();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    activateWindow();
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            openDay(url.toLocalFile());
        } else {
            Prompts::warning(this, messageTitle(), toQString(texts::kDropIsNotAFile).arg(url.toDisplayString()));
        }
    }
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // The lock keys may have changed while another program had the keyboard.
        refreshLockIndicators();
    }
    QMainWindow::changeEvent(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (m_contextHelpMode && contextHelpEvent(watched, event)) {
        return true;
    }
    if (event->type() == QEvent::KeyRelease && isLockKey(static_cast<QKeyEvent*>(event)->key())) {
        refreshLockIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace mw::gui
