#include "app_context.h"
#include "diary_calendar.h"
#include "diary_date_text.h"
#include "frame_test_support.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "resources.h"
#include "summary_window.h"

#include "format/day_file.h"
#include "format/diary_folder.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTextCharFormat>
#include <QUndoStack>

#include <filesystem>
#include <memory>

using mw::DayMeals;
using mw::DiaryDate;
using mw::gui::AppContext;
using mw::gui::CDayWindow;
using mw::gui::CMainFrame;
using mw::gui::Prompts;

// The diary's dated days through the main window: its commands, its calendar and its files.
class DiaryDaysTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<mw::test::TempDir> m_dir;
    std::unique_ptr<AppContext> m_app;
    std::unique_ptr<CMainFrame> m_frame;
    const DiaryDate m_today = mw::localToday();

    mw::DiaryFolder diary() const { return mw::DiaryFolder(m_app->diaryFolder()); }
    std::filesystem::path fileOf(const DiaryDate& date) const { return diary().dayFile(date); }

    void trigger(const char* name) { m_frame->findChild<QAction*>(QLatin1String(name))->trigger(); }

    // A day whose breakfast holds count entries of food 0.
    void writeDay(const DiaryDate& date, int count)
    {
        DayMeals meals;
        for (int k = 0; k < count; ++k) {
            meals[mw::kBreakfast].append(mw::CFood(0, 100));
        }
        std::filesystem::create_directories(diary().path());
        mw::test::writeFile(fileOf(date), mw::encodeDayFile(meals));
    }

    // Entries of the date's file; -1 when there is none.
    int entriesOnDisk(const DiaryDate& date) const
    {
        DayMeals meals;
        if (!std::filesystem::exists(fileOf(date)) || !mw::readDayFile(fileOf(date), meals).ok()) {
            return -1;
        }
        return static_cast<int>(meals[mw::kBreakfast].size());
    }

    int entriesShown() const
    {
        return static_cast<int>(m_frame->activeDayWindow()->document().entryCount(mw::kBreakfast));
    }

private slots:
    void initTestCase() { mw::gui::initResources(); }

    void init()
    {
        Prompts::setScripted(true);
        m_dir = std::make_unique<mw::test::TempDir>();
        m_app = std::make_unique<AppContext>(m_dir->path(), mw::test::profileWithAnalysisSettings());
        // A folder that does not exist yet: the first save creates it.
        m_app->setDiaryFolderForRun(m_dir->file("sync") / "diary");
        m_frame = std::make_unique<CMainFrame>(*m_app, 1024);
        m_frame->show();
    }

    void cleanup()
    {
        m_frame.reset();
        m_app.reset();
        m_dir.reset();
        Prompts::takeShownMessages();
    }

    void todayAndItsNeighboursShareOneWindow()
    {
        trigger("actionDiaryToday");
        CDayWindow* day = m_frame->activeDayWindow();
        QVERIFY(day != nullptr);
        QCOMPARE(day->title(), mw::gui::longDateText(m_today));
        QCOMPARE(day->toolTip(), QDir::toNativeSeparators(mw::fromPath(fileOf(m_today))));
        QCOMPARE(m_frame->findChild<QLabel*>(QStringLiteral("dayFilePane"))->toolTip(), day->toolTip());

        const struct
        {
            const char* command;
            int offset;
            int windows;
        } moves[] = {{"actionDiaryPreviousDay", -1, 1},
                     {"actionDiaryPreviousDay", -2, 1},
                     {"actionDiaryNextDay", -1, 1},
                     {"actionDiaryToday", 0, 2},
                     {"actionDiaryToday", 0, 2}};
        for (const auto& move : moves) {
            trigger(move.command);
            QCOMPARE(m_frame->dayWindows().size(), move.windows);
            QCOMPARE(*m_frame->activeDayWindow()->date(), mw::addDays(m_today, move.offset));
        }
        // Today opens a window of its own beside the one that moved away from it.
        QCOMPARE(*day->date(), mw::addDays(m_today, -1));
        // Dates nobody edited leave no file, and no folder.
        QVERIFY(!std::filesystem::exists(diary().path()));
    }

    void everyChangeIsSavedAsItIsMade()
    {
        trigger("actionDiaryToday");
        CDayWindow* day = m_frame->activeDayWindow();
        mw::test::addToActiveDay(*m_frame, 0, 100);
        QCOMPARE(entriesOnDisk(m_today), 1);
        mw::test::addToActiveDay(*m_frame, 0, 50);
        const struct
        {
            void (QUndoStack::*step)();
            int entries;
        } steps[] = {{&QUndoStack::undo, 1}, {&QUndoStack::undo, 0}, {&QUndoStack::redo, 1}};
        for (const auto& step : steps) {
            (day->history().*step.step)();
            // An emptied day keeps its file.
            QCOMPARE(entriesOnDisk(m_today), step.entries);
            QVERIFY(!day->isModified());
        }
        QVERIFY(day->close());
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void aFolderThatCannotBeMadeIsNamedAndTheChangeKept()
    {
        // A file stands where the diary's parent folder should be.
        mw::test::writeFile(m_dir->file("sync"), "not a folder");
        trigger("actionDiaryToday");
        mw::test::addToActiveDay(*m_frame, 0, 100);
        const QString shown = Prompts::takeShownMessages().join(QString());
        QVERIFY2(shown.contains(QDir::toNativeSeparators(mw::fromPath(diary().path()))), qPrintable(shown));
        QVERIFY(m_frame->activeDayWindow()->isModified());
        QCOMPARE(entriesShown(), 1);
    }

    void aDayChangedOnDiskIsReadAgain()
    {
        writeDay(m_today, 1);
        trigger("actionDiaryToday");
        QCOMPARE(entriesShown(), 1);
        writeDay(m_today, 3);
        QTRY_COMPARE(entriesShown(), 3);
        QVERIFY(m_frame->statusMessage().contains(QStringLiteral("read again")));
        QVERIFY(!m_frame->activeDayWindow()->history().canUndo());
    }

    void anUnreadableDateIsNeverWrittenOver()
    {
        const DiaryDate yesterday = mw::addDays(m_today, -1);
        // A class description of a schema the program does not know.
        const std::string unknown("\x01\x00\xff\xff\x09\x00", 6);
        std::filesystem::create_directories(diary().path());
        mw::test::writeFile(fileOf(yesterday), unknown);
        trigger("actionDiaryToday");
        trigger("actionDiaryPreviousDay");
        CDayWindow* day = m_frame->activeDayWindow();
        QVERIFY(day->isReadOnly());
        QVERIFY(!day->view()->isEnabled());
        QVERIFY(!m_frame->findChild<QAction*>(QStringLiteral("actionCopyDayTo"))->isEnabled());
        QVERIFY(Prompts::takeShownMessages().join(QString()).contains(QStringLiteral("Cannot open the day file")));
        trigger("actionFileSave");
        QCOMPARE(mw::test::readFile(fileOf(yesterday)), unknown);
        // Moving on leaves it as it was, and the next date is an ordinary one.
        trigger("actionDiaryNextDay");
        QVERIFY(!day->isReadOnly());
        QVERIFY(day->view()->isEnabled());
    }

    void theCalendarMarksRecordedDatesAndOpensAClickedOne()
    {
        const DiaryDate first = mw::monthOf(m_today).first;
        writeDay(first, 2);
        trigger("actionDiaryCalendar");
        auto* calendar = m_frame->findChild<mw::gui::DiaryCalendarView*>(QStringLiteral("diaryCalendar"));
        QVERIFY(calendar->isVisible());
        QCOMPARE(calendar->dateTextFormat(mw::gui::toQDate(first)).fontWeight(), QFont::Bold);
        emit calendar->clicked(mw::gui::toQDate(first));
        QCOMPARE(*m_frame->activeDayWindow()->date(), first);
        QCOMPARE(entriesShown(), 2);
    }

    void theLastWeekIsSummarizedOverItsRecordedDays()
    {
        writeDay(m_today, 1);
        writeDay(mw::addDays(m_today, -6), 3);
        writeDay(mw::addDays(m_today, -7), 5); // outside the week
        mw::test::writeFile(fileOf(mw::addDays(m_today, -2)), std::string("\x01\x00", 2));
        trigger("actionSummarizeLast7Days");
        auto* window = m_frame->findChild<mw::gui::CSummaryWindow*>();
        QVERIFY(window != nullptr);
        QCOMPARE(window->content().summary.dayCount(), std::size_t{2});
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("summaryAverageLabel"))
                    ->text()
                    .startsWith(QStringLiteral("3 of 7 days recorded")));
        QCOMPARE(window->findChild<QListWidget*>(QStringLiteral("summaryUnreadableList"))->count(), 1);
        window->close();
    }

    void yesterdaysMealIsCopiedAsOneStep()
    {
        writeDay(mw::addDays(m_today, -1), 2);
        trigger("actionDiaryToday");
        mw::test::addToActiveDay(*m_frame, 0, 100);
        trigger("actionCopyYesterdaysMeal");
        QCOMPARE(entriesShown(), 3);
        QCOMPARE(entriesOnDisk(m_today), 3);
        m_frame->activeDayWindow()->history().undo();
        QCOMPARE(entriesOnDisk(m_today), 1);
    }
};

QTEST_MAIN(DiaryDaysTest)
#include "diary_days_test.moc"
