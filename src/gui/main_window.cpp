#include "main_window.h"

#include "action_registry.h"
#include "app_context.h"
#include "command_ids.h"
#include "context_help.h"
#include "day_window.h"
#include "diary_commands.h"
#include "diary_navigation.h"
#include "food_commands.h"
#include "frame_texts.h"
#include "keyboard_locks.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "report_commands.h"
#include "screen_fit.h"
#include "tool_commands.h"
#include "tools_texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace mw::gui {
namespace {

constexpr int kSmallToolbarIcon = 16;
constexpr int kLargeToolbarIcon = 20;

QString messageTitle()
{
    return toQString(texts::kMainFrameTitle);
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

CMainFrame::CMainFrame(AppContext& app, int screenHeight, QWidget* parent) : QMainWindow(parent), m_app(app)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(toQString(texts::kMainFrameTitle));
    setAcceptDrops(true);
    if (screenHeight <= 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        screenHeight = screen != nullptr ? screen->size().height() : 0;
    }

    auto* area = new QMdiArea(this);
    area->setObjectName(QStringLiteral("mdiArea"));
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area);

    m_actions = new ActionRegistry(this);
    createMenus();
    m_days = new DayWindowManager(app, area, *m_actions, this);
    m_reports = new ReportCommands(app, *m_actions, *m_days, this);
    m_foodCommands = new FoodCommands(app, *m_actions, *m_days, this);
    m_contextHelp = new ContextHelp(*m_actions, this);
    m_diary = new DiaryCommands(app, *m_actions, this);
    m_diaryDays = new DiaryNavigation(app, *m_actions, *m_days, this);
    m_tools = new ToolCommands(app, *m_actions, *m_days, this);
    createToolBar(screenHeight);
    createStatusBar();
    connectCommands();
    qApp->installEventFilter(this);
    prepareMenus();
    fitWindowsToScreen(this);
    // Restored from maximized, the frame keeps most of the screen rather than Qt's two thirds of it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resize(screen->availableSize() * 9 / 10);
    }
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // The days close while the frame is whole; what they report on the way out is no longer wanted.
    m_destroying = true;
    delete m_days->mdiArea();
}

CDayWindow* CMainFrame::openToday()
{
    return m_diaryDays->openToday();
}

QAction* CMainFrame::commandAction(int commandId) const
{
    return m_actions->action(commandId);
}

// ---- Menus, toolbar, status bar ----------------------------------------------------------------------------

void CMainFrame::createMenus()
{
    m_dayMenus = m_actions->menus(dayMenus());
    m_noDayMenus = m_actions->menus(noDayMenus());
    for (QMenu* menu : m_dayMenus + m_noDayMenus) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::prepareMenus, Qt::UniqueConnection);
    }
    QAction* about = commandAction(cmd::kAppAbout);
    m_aboutMenuItem = new QAction(about->text(), this);
    m_aboutMenuItem->setObjectName(QStringLiteral("actionAppAboutMenuItem"));
    m_aboutMenuItem->setStatusTip(about->statusTip());
    connect(m_aboutMenuItem, &QAction::triggered, about, &QAction::trigger);
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
    m_toolBar = addToolBar(QCoreApplication::translate("Mealwright", "Standard"));
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
    m_diaryDays->addToolBar(m_toolBar);
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

    const auto indicator = [this](UiText text, const QString& name) {
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

void CMainFrame::connectCommands()
{
    connect(m_actions, &ActionRegistry::commandStarting, this, &CMainFrame::endTransientMessage);
    connect(m_days, &DayWindowManager::daysChanged, this, &CMainFrame::updateCommands);
    connect(m_days, &DayWindowManager::statusMessage, this, &CMainFrame::showStatusMessage);
    connect(m_reports, &ReportCommands::statusMessage, this, &CMainFrame::showStatusMessage);
    connect(m_diaryDays, &DiaryNavigation::statusMessage, this, &CMainFrame::showStatusMessage);
    connect(m_foodCommands, &FoodCommands::commandDone, this, &CMainFrame::updateCommands);
    connect(m_contextHelp, &ContextHelp::statusMessage, this, &CMainFrame::showLastingStatusMessage);
    connect(commandAction(cmd::kAppExit), &QAction::triggered, this, &CMainFrame::close);
    connect(commandAction(cmd::kContextHelp), &QAction::triggered, m_contextHelp, &ContextHelp::start);
    connect(m_tools, &ToolCommands::statusMessage, this, &CMainFrame::showStatusMessage);
    connect(m_tools, &ToolCommands::commandsChanged, this, &CMainFrame::updateCommands);
    connect(m_tools, &ToolCommands::menusChanged, this, &CMainFrame::prepareMenus);
    connect(m_tools, &ToolCommands::foodFlagsNotSaved, this, &CMainFrame::warnFoodFlagsNotSaved);
    connect(m_tools, &ToolCommands::generatingMenu, this, &CMainFrame::showGeneratorTarget);
    connect(m_tools, &ToolCommands::menuGenerated, this, [this] {
        refreshLockIndicators();
        showStatusMessage(toQString(texts::kReadyMessage));
        updateCommands();
    });
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
    m_messagePane->setText(text.isEmpty() ? toQString(texts::kReadyMessage) : text);
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
    CDayWindow* active = activeDayWindow();
    showMenus(!days.isEmpty());
    m_actions->enableByNeeds(active != nullptr, static_cast<int>(days.size()));
    m_tools->update(active != nullptr);
    m_foodCommands->update();
    m_diaryDays->update();
    m_days->followActiveDay();
    if (windowTitle().contains(QStringLiteral("[*]"))) {
        setWindowModified(active != nullptr && active->isModified());
    }
}

void CMainFrame::prepareMenus()
{
    updateCommands();
    m_days->refreshRecentFileActions();
    m_foodCommands->refreshListItems();
}

// ---- Events ------------------------------------------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!closeAllDays()) {
        event->ignore();
        return;
    }
    warnFoodFlagsNotSaved(m_app.attributes().saveIfChanged());
    event->accept();
}

void CMainFrame::showGeneratorTarget(int requested)
{
    showLastingStatusMessage(requested != 0 ? toQString(texts::kGeneratingTargetMenu).arg(requested)
                                            : toQString(texts::kGeneratingRandomMenu));
    // The second pane shows the requested calories (0 for a random menu) while the generator works.
    m_numLockPane->setText(QString::number(requested));
    // Shown before the work starts, which keeps the event loop waiting until it ends.
    statusBar()->repaint();
}

void CMainFrame::warnFoodFlagsNotSaved(std::error_code error)
{
    if (error) {
        Prompts::warning(
            this, messageTitle(),
            toQString(texts::kFoodFlagsNotSaved)
                .arg(QDir::toNativeSeparators(fromPath(m_app.attributes().filePath())), toQString(error.message())));
    }
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
    if (event->type() == QEvent::KeyRelease && isLockKey(static_cast<QKeyEvent*>(event)->key())) {
        refreshLockIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace mw::gui
