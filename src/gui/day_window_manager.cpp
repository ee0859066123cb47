#include "day_window_manager.h"

#include "action_registry.h"
#include "app_context.h"
#include "command_ids.h"
#include "day_window.h"
#include "first_start.h"
#include "fof_view.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"

#include "format/diary_folder.h"

#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QUndoGroup>

namespace mw::gui {
namespace {

// Elide long recent-file paths in the middle beyond this many characters.
constexpr int kRecentPathLength = 60;

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

} // namespace

DayWindowManager::DayWindowManager(AppContext& app, QMdiArea* area, ActionRegistry& actions, QWidget* frame)
    : QObject(frame), m_app(app), m_area(area), m_actions(actions), m_frame(frame), m_history(new QUndoGroup(this)),
      m_recentFiles(app.settings())
{
    connect(m_area, &QMdiArea::subWindowActivated, this, &DayWindowManager::daysChanged);
    connectCommands();
}

void DayWindowManager::connectCommands()
{
    const auto on = [this](int id, auto slot) { connect(m_actions.action(id), &QAction::triggered, this, slot); };
    on(cmd::kFileNew, &DayWindowManager::newDay);
    on(cmd::kFileOpen, &DayWindowManager::fileOpen);
    on(cmd::kFileClose, &DayWindowManager::fileClose);
    on(cmd::kFileSave, &DayWindowManager::fileSave);
    on(cmd::kFileSaveAs, &DayWindowManager::fileSaveAs);
    on(cmd::kWindowArrangeIcons, &DayWindowManager::arrangeIcons);
    on(cmd::kEditUndo, [this] { m_history->undo(); });
    on(cmd::kEditRedo, [this] { m_history->redo(); });
    on(cmd::kWindowCascade, [this] { arrange(&QMdiArea::cascadeSubWindows); });
    on(cmd::kWindowTile, [this] { arrange(&QMdiArea::tileSubWindows); });
    connect(m_actions.action(cmd::kNextPane), &QAction::triggered, m_area, &QMdiArea::activateNextSubWindow);
    connect(m_actions.action(cmd::kPreviousPane), &QAction::triggered, m_area, &QMdiArea::activatePreviousSubWindow);
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        on(cmd::kFileRecentFirst + i, [this, i] { openRecentFile(i); });
    }
    for (const auto signal : {&QUndoGroup::undoTextChanged, &QUndoGroup::redoTextChanged}) {
        connect(m_history, signal, this, &DayWindowManager::refreshHistoryCommands);
    }
    for (const auto signal : {&QUndoGroup::canUndoChanged, &QUndoGroup::canRedoChanged}) {
        connect(m_history, signal, this, &DayWindowManager::refreshHistoryCommands);
    }
    for (QMenu* menu : m_actions.menus(dayMenus())) {
        if (menu->objectName() == QStringLiteral("menuWindow")) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { refreshWindowList(menu); });
        }
    }
}

// ---- The days ---------------------------------------------------------------------------------------------

QList<CDayWindow*> DayWindowManager::dayWindows() const
{
    QList<CDayWindow*> days;
    for (QMdiSubWindow* window : m_area->subWindowList(QMdiArea::CreationOrder)) {
        // A closed window lingers, hidden, until it is deleted.
        if (auto* day = qobject_cast<CDayWindow*>(window); day != nullptr && !day->isHidden()) {
            days.append(day);
        }
    }
    return days;
}

CDayWindow* DayWindowManager::activeDayWindow() const
{
    // The current window, not the active one: it stays current while another program has the focus.
    auto* day = qobject_cast<CDayWindow*>(m_area->currentSubWindow());
    return day != nullptr && !day->isHidden() ? day : nullptr;
}

CFofView* DayWindowManager::activeView() const
{
    const CDayWindow* day = activeDayWindow();
    return day != nullptr ? day->view() : nullptr;
}

void DayWindowManager::addDayWindow(CDayWindow* window)
{
    m_area->addSubWindow(window);
    m_history->addStack(&window->history());
    connect(window, &CDayWindow::saved, this, [this, window](const QString& path) {
        // The diary's days are reached by their dates, not through the recent files.
        if (!window->date()) {
            m_recentFiles.add(path);
            refreshRecentFileActions();
        }
        emit daySaved(path);
    });
    connect(window, &CDayWindow::statusMessage, this, &DayWindowManager::statusMessage);
    connect(window, &CDayWindow::documentModified, this, &DayWindowManager::daysChanged);
    connect(window, &QMdiSubWindow::windowStateChanged, this, &DayWindowManager::daysChanged);
    connect(window, &QObject::destroyed, this, &DayWindowManager::daysChanged, Qt::QueuedConnection);
    // Each day fills the MDI area, as the view is laid out for it.
    window->showMaximized();
    // A first start asks for the user's data before there is a panel to measure against them, over the frame.
    analysisSetupSession().ensureAnalysisSetup(m_app.settings(), m_frame);
    window->createView();
    connect(window->view(), &CFofView::foodCommandsChanged, this, &DayWindowManager::daysChanged);
    m_area->setActiveSubWindow(window);
    // A new day starts at "I Eat" however the other days are arranged (the view passes its focus on).
    window->view()->setFocus(Qt::OtherFocusReason);
    emit daysChanged();
}

CDayWindow* DayWindowManager::newDay()
{
    ++m_untitledCount;
    CDayWindow* window =
        CDayWindow::createNew(m_app, toQString(texts::kDayDocumentName) + QString::number(m_untitledCount));
    addDayWindow(window);
    return window;
}

CDayWindow* DayWindowManager::windowOfFile(const QString& path) const
{
    for (CDayWindow* day : dayWindows()) {
        if (!day->filePath().isEmpty() && samePath(day->filePath(), path)) {
            return day;
        }
    }
    return nullptr;
}

CDayWindow* DayWindowManager::openDate(const DiaryFolder& diary, const DiaryDate& date)
{
    if (CDayWindow* open = windowOfFile(fromPath(diary.dayFile(date)))) {
        m_area->setActiveSubWindow(open);
        return open;
    }
    m_app.catchUpWithPersonalFoods();
    CDayWindow* window = CDayWindow::openDate(m_app, diary, date);
    addDayWindow(window);
    if (window->isReadOnly()) {
        Prompts::warning(m_frame, toQString(texts::kMainFrameTitle), window->readError());
    }
    return window;
}

CDayWindow* DayWindowManager::openDay(const QString& path)
{
    if (CDayWindow* open = windowOfFile(path)) {
        m_area->setActiveSubWindow(open);
        return open;
    }
    m_app.catchUpWithPersonalFoods();
    QString error;
    CDayWindow* window = CDayWindow::openFile(m_app, path, &error);
    if (window == nullptr) {
        Prompts::warning(m_frame, toQString(texts::kMainFrameTitle), error);
        return nullptr;
    }
    addDayWindow(window);
    m_recentFiles.add(window->filePath());
    refreshRecentFileActions();
    return window;
}

bool DayWindowManager::closeAllDays()
{
    for (CDayWindow* day : dayWindows()) {
        m_area->setActiveSubWindow(day);
        if (!day->close()) {
            return false;
        }
    }
    return true;
}

// ---- File commands ----------------------------------------------------------------------------------------

void DayWindowManager::fileOpen()
{
    const QString path =
        Prompts::openFileName(m_frame, toQString(texts::kOpenDayCaption), toQString(texts::kDayFileFilter));
    if (!path.isEmpty()) {
        openDay(path);
    }
}

void DayWindowManager::fileClose()
{
    if (CDayWindow* day = activeDayWindow()) {
        day->close();
    }
}

void DayWindowManager::fileSave()
{
    if (CDayWindow* day = activeDayWindow()) {
        day->save();
        emit daysChanged();
    }
}

void DayWindowManager::fileSaveAs()
{
    if (CDayWindow* day = activeDayWindow()) {
        day->saveAs();
        emit daysChanged();
    }
}

void DayWindowManager::openRecentFile(int index)
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

void DayWindowManager::refreshRecentFileActions()
{
    const QStringList files = m_recentFiles.files();
    const QList<QAction*> actions = m_actions.recentFileActions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions.at(i);
        const bool used = i < files.size();
        action->setVisible(used);
        if (used) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(menuPath(files.at(i))));
            action->setToolTip(QDir::toNativeSeparators(files.at(i)));
        }
    }
    m_actions.noRecentFileAction()->setVisible(files.isEmpty());
}

// ---- History ----------------------------------------------------------------------------------------------

void DayWindowManager::followActiveDay()
{
    CDayWindow* day = activeDayWindow();
    m_history->setActiveStack(day != nullptr ? &day->history() : nullptr);
    refreshHistoryCommands();
}

void DayWindowManager::refreshHistoryCommands()
{
    // "&Undo Delete Milk [1 cup]": the caption names the step; without one the command is off.
    const auto refresh = [](QAction* action, UiText caption, bool can, const QString& step) {
        const QString text = toQString(caption);
        action->setEnabled(can);
        action->setText(can ? text + QLatin1Char(' ') + step : text);
        action->setToolTip(withoutMnemonic(action->text()));
    };
    refresh(m_actions.action(cmd::kEditUndo), texts::kUndoCaption, m_history->canUndo(), m_history->undoText());
    refresh(m_actions.action(cmd::kEditRedo), texts::kRedoCaption, m_history->canRedo(), m_history->redoText());
}

// ---- Window menu ------------------------------------------------------------------------------------------

void DayWindowManager::refreshWindowList(QMenu* menu)
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<CDayWindow*> days = dayWindows();
    if (days.isEmpty()) {
        return;
    }
    m_windowListActions.append(menu->addSeparator());
    CDayWindow* active = activeDayWindow();
    for (int i = 0; i < days.size(); ++i) {
        CDayWindow* day = days.at(i);
        const QString caption = toQString(texts::kWindowListEntry).arg(i + 1).arg(escapedMnemonic(day->title()));
        QAction* action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("actionWindow%1").arg(i + 1));
        action->setStatusTip(toQString(texts::kWindowListPrompt));
        action->setCheckable(true);
        action->setChecked(day == active);
        connect(action, &QAction::triggered, this, [this, day] { m_area->setActiveSubWindow(day); });
        m_windowListActions.append(action);
    }
}

void DayWindowManager::arrange(void (QMdiArea::*arrangement)())
{
    (m_area->*arrangement)();
    // Arranging the days leaves the active one's keys where a new day has them: on "I Eat".
    if (CFofView* view = activeView()) {
        view->setFocus(Qt::OtherFocusReason);
    }
}

void DayWindowManager::arrangeIcons()
{
    // Minimised days line up along the bottom of the MDI area, left to right, rows growing upwards.
    const QRect area = m_area->viewport()->rect();
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

} // namespace mw::gui
