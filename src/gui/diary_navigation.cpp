#include "diary_navigation.h"

#include "action_registry.h"
#include "app_context.h"
#include "command_ids.h"
#include "date_picker_dialog.h"
#include "day_edit_command.h"
#include "day_window.h"
#include "day_window_manager.h"
#include "diary_calendar.h"
#include "diary_date_text.h"
#include "diary_texts.h"
#include "fof_view.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "recent_file_list.h"

#include "format/atomic_file.h"
#include "format/day_file.h"
#include "format/diary_folder.h"
#include "model/catalogue.h"
#include "model/day_edits.h"
#include "model/settings_keys.h"
#include "model/settings_table.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace mw::gui {
namespace {

// The file pane shows this much of a path, cut in the middle.
constexpr int kFilePaneAverageChars = 36;

bool hasEntries(const DayMeals& meals)
{
    return std::any_of(meals.begin(), meals.end(), [](const CMeal& meal) { return !meal.empty(); });
}

QString shownPath(const std::filesystem::path& path)
{
    return QDir::toNativeSeparators(fromPath(path));
}

DiaryFolder folderOf(const CDayWindow& day)
{
    return DiaryFolder(toPath(day.filePath()).parent_path());
}

} // namespace

DiaryNavigation::DiaryNavigation(AppContext& app, ActionRegistry& actions, DayWindowManager& days, QMainWindow* frame)
    : QObject(frame), m_app(app), m_actions(actions), m_days(days), m_frame(frame),
      m_calendar(new DiaryCalendarDock(app, frame)), m_filePane(new QLabel(frame))
{
    frame->addDockWidget(Qt::RightDockWidgetArea, m_calendar);
    m_calendar->hide();
    m_filePane->setObjectName(QStringLiteral("dayFilePane"));
    m_filePane->setMaximumWidth(m_filePane->fontMetrics().averageCharWidth() * kFilePaneAverageChars);
    frame->statusBar()->insertPermanentWidget(0, m_filePane);
    connectCommands();
}

void DiaryNavigation::connectCommands()
{
    const auto on = [this](int id, auto slot) { connect(m_actions.action(id), &QAction::triggered, this, slot); };
    on(cmd::kDiaryToday, &DiaryNavigation::openToday);
    on(cmd::kDiaryPreviousDay, [this] { moveBy(-1); });
    on(cmd::kDiaryNextDay, [this] { moveBy(1); });
    on(cmd::kDiaryGoToDate, &DiaryNavigation::pickDate);
    on(cmd::kCopyYesterdaysMeal, &DiaryNavigation::copyYesterdaysMeal);
    on(cmd::kCopyDayTo, &DiaryNavigation::copyDayTo);
    on(cmd::kDiaryFolder, &DiaryNavigation::chooseDiaryFolder);

    QAction* calendar = m_actions.action(cmd::kDiaryCalendar);
    connect(calendar, &QAction::toggled, m_calendar, &QWidget::setVisible);
    connect(m_calendar, &QDockWidget::visibilityChanged, this,
            [this, calendar] { calendar->setChecked(m_calendar->isVisible()); });
    connect(m_calendar, &DiaryCalendarDock::dateClicked, this, &DiaryNavigation::goToDate);
    connect(&m_days, &DayWindowManager::daySaved, m_calendar->calendar(), &DiaryCalendarView::refreshMarks);

    QAction* openToday = m_actions.action(cmd::kOpenTodayAtStart);
    openToday->setChecked(readSetting(m_app.settings(), setting::kOpenTodayAtStart));
    connect(openToday, &QAction::toggled, this, [this](bool openAtStart) {
        if (const std::error_code error = storeSetting(m_app.settings(), setting::kOpenTodayAtStart, openAtStart)) {
            warn(toQString(texts::kSettingNotStored).arg(toQString(error.message())));
        }
    });
}

void DiaryNavigation::addToolBar(QToolBar* beside)
{
    // Ahead of the long standard toolbar, so that on a narrow screen the arrows and the date stay in view.
    auto* toolBar = new QToolBar(toQString(texts::kDiaryCaption), m_frame);
    m_frame->insertToolBar(beside, toolBar);
    toolBar->setObjectName(QStringLiteral("diaryToolBar"));
    toolBar->setIconSize(beside->iconSize());
    toolBar->addAction(m_actions.action(cmd::kDiaryPreviousDay));
    m_dateButton = new QToolButton(toolBar);
    m_dateButton->setObjectName(QStringLiteral("diaryDateButton"));
    m_dateButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_dateButton->setToolTip(toQString(texts::kDateButtonTip));
    connect(m_dateButton, &QToolButton::clicked, this, &DiaryNavigation::pickDate);
    toolBar->addWidget(m_dateButton);
    toolBar->addAction(m_actions.action(cmd::kDiaryNextDay));
    update();
}

std::optional<DiaryFolder> DiaryNavigation::diary()
{
    const std::filesystem::path folder = m_app.diaryFolder();
    if (folder.empty()) {
        warn(toQString(texts::kNoDiaryFolder));
        return std::nullopt;
    }
    return DiaryFolder(folder);
}

CDayWindow* DiaryNavigation::activeDatedDay() const
{
    CDayWindow* day = m_days.activeDayWindow();
    return day != nullptr && day->date() ? day : nullptr;
}

void DiaryNavigation::warn(const QString& text)
{
    Prompts::warning(m_frame, toQString(texts::kMainFrameTitle), text);
}

// ---- Moving between dates ---------------------------------------------------------------------------------

CDayWindow* DiaryNavigation::openToday()
{
    const std::optional<DiaryFolder> folder = diary();
    return folder ? m_days.openDate(*folder, localToday()) : nullptr;
}

void DiaryNavigation::goToDate(const DiaryDate& date)
{
    const std::optional<DiaryFolder> folder = diary();
    if (!folder) {
        return;
    }
    if (CDayWindow* open = m_days.windowOfFile(fromPath(folder->dayFile(date)))) {
        m_days.mdiArea()->setActiveSubWindow(open);
    } else if (CDayWindow* day = activeDatedDay()) {
        showDateIn(day, *folder, date);
    } else {
        m_days.openDate(*folder, date);
    }
}

void DiaryNavigation::moveBy(int days)
{
    CDayWindow* day = activeDatedDay();
    if (day == nullptr) {
        return;
    }
    const DiaryDate target = addDays(*day->date(), days);
    if (!isDiaryDate(target)) {
        return;
    }
    const DiaryFolder folder = folderOf(*day);
    if (CDayWindow* open = m_days.windowOfFile(fromPath(folder.dayFile(target)))) {
        m_days.mdiArea()->setActiveSubWindow(open);
        return;
    }
    showDateIn(day, folder, target);
}

bool DiaryNavigation::mayLeave(CDayWindow* day)
{
    return !day->isModified() || day->queryClose();
}

void DiaryNavigation::showDateIn(CDayWindow* day, const DiaryFolder& diary, const DiaryDate& date)
{
    if (!mayLeave(day)) {
        return;
    }
    // The new date's entries may name personal foods another program added meanwhile.
    m_app.catchUpWithPersonalFoods();
    day->showDate(diary, date);
    if (day->isReadOnly()) {
        warn(day->readError());
    }
    update();
}

void DiaryNavigation::pickDate()
{
    const CDayWindow* day = activeDatedDay();
    const DiaryDate initial = day != nullptr ? *day->date() : localToday();
    if (const std::optional<DiaryDate> date =
            DatePickerDialog::pick(m_app, toQString(texts::kGoToDateCaption), initial, m_frame)) {
        goToDate(*date);
    }
}

// ---- Copying ----------------------------------------------------------------------------------------------

void DiaryNavigation::copyYesterdaysMeal()
{
    CDayWindow* day = activeDatedDay();
    if (day == nullptr || day->view() == nullptr || day->isReadOnly()) {
        return;
    }
    const DiaryDate yesterday = addDays(*day->date(), -1);
    const std::filesystem::path file = folderOf(*day).dayFile(yesterday);
    DayMeals meals;
    // An open window of the day before holds its day as the file will.
    if (const CDayWindow* open = m_days.windowOfFile(fromPath(file))) {
        meals = open->document().meals();
    } else if (!readRecordedDay(file, meals, texts::kYesterdayUnreadable)) {
        return;
    }
    const auto meal = static_cast<MealIndex>(day->view()->currentMeal());
    const QString mealName = toQString(mealTitle(meal));
    const CMeal& source = meals.at(static_cast<std::size_t>(meal));
    if (source.empty()) {
        emit statusMessage(toQString(texts::kNoYesterdaysMeal).arg(mealName, longDateText(yesterday)));
        return;
    }
    CFofDoc& document = day->document();
    pushDayEdit(
        day->history(), document,
        insertEntriesEdit(document, meal, document.entryCount(meal), std::vector<CFood>(source.begin(), source.end())),
        toQString(texts::kCopyYesterdaysMealStep).arg(mealName));
}

void DiaryNavigation::copyDayTo()
{
    const CDayWindow* day = m_days.activeDayWindow();
    if (day == nullptr || day->isReadOnly()) {
        return;
    }
    const std::optional<DiaryFolder> folder = diary();
    if (!folder) {
        return;
    }
    const DiaryDate initial = day->date() ? addDays(*day->date(), 1) : localToday();
    const std::optional<DiaryDate> target =
        DatePickerDialog::pick(m_app, toQString(texts::kCopyDayToCaption), initial, m_frame);
    if (!target || samePath(day->filePath(), fromPath(folder->dayFile(*target)))) {
        return;
    }
    copyDayInto(*day, *folder, *target);
}

void DiaryNavigation::copyDayInto(const CDayWindow& source, const DiaryFolder& diary, const DiaryDate& target)
{
    const QString title = longDateText(target);
    if (CDayWindow* open = m_days.windowOfFile(fromPath(diary.dayFile(target)))) {
        // The open window takes the copy as a step of its history, and saves it as any change.
        if (open->isReadOnly()) {
            warn(toQString(texts::kTargetUnreadable).arg(open->readError()));
            return;
        }
        if (hasEntries(open->document().meals()) &&
            Prompts::question(m_frame, toQString(texts::kMainFrameTitle),
                              toQString(texts::kReplaceDayQuestion).arg(title), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
        const auto shown = static_cast<MealIndex>(open->view() != nullptr ? open->view()->currentMeal() : 0);
        pushDayEdit(open->history(), open->document(),
                    replaceDayEdit(open->document().meals(), shown, source.document().meals(), shown),
                    toQString(texts::kCopyDayStep));
    } else if (!writeDayFile(source.document().meals(), diary, target)) {
        return;
    }
    m_calendar->calendar()->refreshMarks();
    emit statusMessage(toQString(texts::kDayCopiedTo).arg(title));
}

bool DiaryNavigation::readRecordedDay(const std::filesystem::path& file, DayMeals& meals, UiText problem)
{
    if (!fileStamp(file).exists) {
        return true;
    }
    const DayFileResult read = readDayFile(file, meals);
    if (!read.ok()) {
        warn(toQString(problem).arg(
            toQString(texts::kCannotOpenDay).arg(shownPath(file), toQString(describeDayFileError(read)))));
    }
    return read.ok();
}

bool DiaryNavigation::writeDayFile(const DayMeals& meals, const DiaryFolder& diary, const DiaryDate& target)
{
    if (const std::error_code error = diary.ensureExists()) {
        warn(toQString(texts::kDiaryFolderNotCreated).arg(shownPath(diary.path()), toQString(error.message())));
        return false;
    }
    const std::filesystem::path file = diary.dayFile(target);
    // Held from reading what is there to the rename, so another program's save cannot slip in between.
    const RewriteTurn turn(file);
    DayMeals existing;
    if (!readRecordedDay(file, existing, texts::kTargetUnreadable)) {
        return false;
    }
    if (hasEntries(existing) &&
        Prompts::question(m_frame, toQString(texts::kMainFrameTitle),
                          toQString(texts::kReplaceDayQuestion).arg(longDateText(target)),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return false;
    }
    CFofDoc copy(m_app.foods());
    copy.replaceMeals(meals);
    if (const std::error_code error = saveDayFile(file, copy)) {
        warn(toQString(texts::kCannotSaveDay).arg(shownPath(file), toQString(describeSaveError(error))));
        return false;
    }
    return true;
}

void DiaryNavigation::chooseDiaryFolder()
{
    const QString chosen =
        Prompts::existingFolder(m_frame, toQString(texts::kChooseDiaryFolder), fromPath(m_app.diaryFolder()));
    if (chosen.isEmpty()) {
        return;
    }
    const std::filesystem::path folder = toPath(QDir(chosen).absolutePath());
    const std::error_code error = storeDiaryFolder(m_app.settings(), folder.string());
    if (error) {
        warn(toQString(texts::kDiaryFolderNotStored).arg(toQString(error.message())));
    }
    // The choice holds from now on, for this run at least when the profile could not keep it.
    m_app.setDiaryFolderForRun(error ? folder : std::filesystem::path());
    m_calendar->calendar()->refreshMarks();
}

// ---- State ------------------------------------------------------------------------------------------------

void DiaryNavigation::update()
{
    const CDayWindow* dated = activeDatedDay();
    m_actions.action(cmd::kDiaryPreviousDay)->setEnabled(dated != nullptr);
    m_actions.action(cmd::kDiaryNextDay)->setEnabled(dated != nullptr);
    m_actions.action(cmd::kCopyYesterdaysMeal)
        ->setEnabled(dated != nullptr && !dated->isReadOnly() && dated->view() != nullptr);
    // A day that could not be read is only a stand-in: there is nothing to copy.
    const CDayWindow* active = m_days.activeDayWindow();
    m_actions.action(cmd::kCopyDayTo)->setEnabled(active != nullptr && !active->isReadOnly());
    if (m_dateButton != nullptr) {
        m_dateButton->setText(dated != nullptr ? shortDateText(*dated->date()) : toQString(texts::kGoToDateCaption));
    }
    const QString path = dated != nullptr ? QDir::toNativeSeparators(dated->filePath()) : QString();
    m_filePane->setText(m_filePane->fontMetrics().elidedText(path, Qt::ElideMiddle, m_filePane->maximumWidth()));
    m_filePane->setToolTip(path);
    if (dated != nullptr) {
        m_calendar->calendar()->setSelectedDate(toQDate(*dated->date()));
    }
}

} // namespace mw::gui
