#include "main_window.h"

#include "about_dialog.h"
#include "app_context.h"
#include "caloric_need_dialog.h"
#include "command_ids.h"
#include "day_window.h"
#include "fof_view.h"
#include "food_list_box.h"
#include "frame_test_support.h"
#include "intake_preference_dialog.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "resources.h"

#include "calc/analysis.h"
#include "format/day_file.h"
#include "format/food_attribute_database.h"
#include "format/personal_food_database.h"
#include "model/settings_keys.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include <filesystem>
#include <memory>
#include <set>

using mw::fromPath;
using mw::gui::AppContext;
using mw::gui::CDayWindow;
using mw::gui::CFoodListBox;
using mw::gui::CMainFrame;
using mw::gui::Prompts;
namespace cmd = mw::gui::cmd;

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<mw::test::TempDir> m_dir;
    mw::MemorySettings* m_settings = nullptr;
    std::unique_ptr<AppContext> m_app;
    std::unique_ptr<CMainFrame> m_frame;

    QAction* action(const char* name) const
    {
        auto* found = m_frame->findChild<QAction*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no action %s", name);
        }
        return found;
    }

    QString path(const char* name) const { return fromPath(m_dir->file(name)); }

    QStringList menuBarTitles() const
    {
        QStringList titles;
        for (const QAction* item : m_frame->menuBar()->actions()) {
            titles.append(item->text());
        }
        return titles;
    }

    static QString goldenDay() { return fromPath(mw::test::sourcePath("tests/data/golden/day_example.ypd")); }

    void closeDay(CDayWindow* day)
    {
        day->close();
        mw::test::deleteClosedWindows();
    }

private slots:
    void initTestCase() { mw::gui::initResources(); }

    void init()
    {
        Prompts::setScripted(true);
        m_dir = std::make_unique<mw::test::TempDir>();
        auto settings = mw::test::profileWithAnalysisSettings();
        m_settings = settings.get();
        m_app = std::make_unique<AppContext>(m_dir->path(), std::move(settings));
        m_frame = std::make_unique<CMainFrame>(*m_app, 1024);
        m_frame->show();
    }

    void cleanup()
    {
        Prompts::setScripted(true);
        for (CDayWindow* day : m_frame->dayWindows()) {
            day->history().setClean();
        }
        m_frame.reset();
        m_app.reset();
        m_dir.reset();
        Prompts::takeShownMessages();
    }

    void newDaysAreNumberedFromOne()
    {
        action("actionFileNew")->trigger();
        action("actionFileNew")->trigger();
        const QList<CDayWindow*> days = m_frame->dayWindows();
        QCOMPARE(days.size(), 2);
        QCOMPARE(days.at(0)->title(), QStringLiteral("MenuDay1"));
        QCOMPARE(days.at(1)->title(), QStringLiteral("MenuDay2"));
        QVERIFY(days.at(1)->filePath().isEmpty());
        QCOMPARE(m_frame->activeDayWindow(), days.at(1));
        QVERIFY(days.at(1)->isMaximized());
        QVERIFY(days.at(1)->view() != nullptr);
        QCOMPARE(days.at(1)->view()->objectName(), QStringLiteral("dayView"));
        // The maximised day names itself in the frame's title, with a mark while it is modified.
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Mealwright Youthplate Diet - [MenuDay2[*]]"));
        mw::test::addToDay(*days.at(1), mw::kBreakfast, 0, 100);
        days.at(1)->refreshModifiedMark();
        m_frame->updateCommands();
        QVERIFY(m_frame->isWindowModified());
        days.at(1)->history().setClean();
    }

    void numbersAreNotReusedAfterAClose()
    {
        closeDay(m_frame->newDay());
        QCOMPARE(m_frame->newDay()->title(), QStringLiteral("MenuDay2"));
    }

    void theMenuBarShowsTheDayMenusOnlyWhileADayIsOpen()
    {
        const QStringList noDay = {QStringLiteral("&File"), QStringLiteral("&Diary"), QStringLiteral("&Tools"),
                                   QStringLiteral("&Help"), QStringLiteral("&About ...")};
        QCOMPARE(menuBarTitles(), noDay);
        CDayWindow* day = m_frame->newDay();
        QCOMPARE(menuBarTitles(),
                 QStringList({QStringLiteral("&File"), QStringLiteral("Ed&it"), QStringLiteral("&Diary"),
                              QStringLiteral("&Tools"), QStringLiteral("&Options"), QStringLiteral("Data&base"),
                              QStringLiteral("&Youthplate Food Lists"), QStringLiteral("&Glycemic Index"),
                              QStringLiteral("&Window"), QStringLiteral("&Help"), QStringLiteral("&About ...")}));
        closeDay(day);
        QCOMPARE(menuBarTitles(), noDay);
    }

    void menuItemsAreInTheirOrderWithSeparators()
    {
        m_frame->newDay();
        const auto items = [this](const char* menuName) {
            QStringList texts;
            for (const QAction* item : m_frame->findChild<QMenu*>(QLatin1String(menuName))->actions()) {
                if (item->isVisible()) {
                    texts.append(item->isSeparator() ? QStringLiteral("-") : item->text());
                }
            }
            return texts;
        };
        QCOMPARE(
            items("menuDayFile"),
            QStringList({QStringLiteral("&New"), QStringLiteral("&Open..."), QStringLiteral("Summarize &Days..."),
                         QStringLiteral("Summarize D&iary"), QStringLiteral("&Close"), QStringLiteral("&Save"),
                         QStringLiteral("Save &As..."), QStringLiteral("-"), QStringLiteral("&Print..."),
                         QStringLiteral("Print Pre&view"), QStringLiteral("P&rint Setup..."), QStringLiteral("-"),
                         QStringLiteral("&Export to PDF..."), QStringLiteral("Export to CS&V..."), QStringLiteral("-"),
                         QStringLiteral("Recent File"), QStringLiteral("-"), QStringLiteral("E&xit")}));
        QCOMPARE(items("menuFile"),
                 QStringList({QStringLiteral("&New"), QStringLiteral("&Open..."), QStringLiteral("Summarize &Days..."),
                              QStringLiteral("Summarize D&iary"), QStringLiteral("-"),
                              QStringLiteral("P&rint Setup..."), QStringLiteral("-"), QStringLiteral("Recent File"),
                              QStringLiteral("-"), QStringLiteral("E&xit")}));
        QCOMPARE(items("menuEdit"), QStringList({QStringLiteral("&Undo"), QStringLiteral("&Redo"), QStringLiteral("-"),
                                                 QStringLiteral("Cu&t Meal"), QStringLiteral("&Copy Meal"),
                                                 QStringLiteral("&Paste Meal"), QStringLiteral("C&lear Meal")}));
        QCOMPARE(items("menuDayTools"),
                 QStringList({QStringLiteral("&Desirable weight ..."), QStringLiteral("Caloric &need ..."),
                              QStringLiteral("-"), QStringLiteral("Sort &ascending ..."),
                              QStringLiteral("Sort &descending ..."), QStringLiteral("-"),
                              QStringLiteral("Generate a random menu!"), QStringLiteral("Food &Pyramid Analysis"),
                              QStringLiteral("&Balance the Day..."), QStringLiteral("Menu Generator &Options ...")}));
        QCOMPARE(items("menuDiary"),
                 QStringList({QStringLiteral("&Today"), QStringLiteral("&Previous Day"), QStringLiteral("&Next Day"),
                              QStringLiteral("&Go to Date..."), QStringLiteral("&Calendar"), QStringLiteral("-"),
                              QStringLiteral("Copy &Yesterday's Meal"), QStringLiteral("Copy Day &To..."),
                              QStringLiteral("-"), QStringLiteral("Log &Weight..."), QStringLiteral("&Weight Chart")}));
        QCOMPARE(items("menuWindow"),
                 QStringList({QStringLiteral("&Cascade"), QStringLiteral("&Tile"), QStringLiteral("&Arrange Icons")}));
        const QStringList options = items("menuOptions");
        QCOMPARE(options.size(), 20);
        QCOMPARE(options.at(6), QStringLiteral("Set &Nutrient Intake Preference ..."));
        QCOMPARE(options.at(15), QStringLiteral("Food Listbox Width > Widest"));
        QCOMPARE(options.at(17), QStringLiteral("Weights in &Kilograms"));
        QCOMPARE(options.mid(18),
                 QStringList({QStringLiteral("Diary &Folder..."), QStringLiteral("Open &Today at Start")}));
        const QStringList database = items("menuDatabase");
        QCOMPARE(database.first(), QStringLiteral("&Add Food or Recipe to Personal Database ..."));
        // Named after the food the day's food list selects.
        QCOMPARE(database.last(), QStringLiteral("&Unhide: Milk [1 cup]"));
    }

    void accelerators()
    {
        const auto keys = [this](const char* name) { return action(name)->shortcuts(); };
        QCOMPARE(keys("actionFileNew"), QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_N)}));
        QCOMPARE(keys("actionFileOpen"), QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_O)}));
        QCOMPARE(keys("actionFileSave"), QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_S)}));
        QCOMPARE(keys("actionFilePrint"), QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_P)}));
        QCOMPARE(keys("actionFileClose"), QList<QKeySequence>({QKeySequence(Qt::Key_F4)}));
        QCOMPARE(keys("actionMealCut"),
                 QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}));
        QCOMPARE(keys("actionMealCopy"),
                 QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}));
        QCOMPARE(keys("actionMealPaste"),
                 QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}));
        QCOMPARE(keys("actionNextPane"), QList<QKeySequence>({QKeySequence(Qt::Key_F6)}));
        QCOMPARE(keys("actionPreviousPane"), QList<QKeySequence>({QKeySequence(Qt::SHIFT | Qt::Key_F6)}));
        QCOMPARE(keys("actionHelp"), QList<QKeySequence>({QKeySequence(Qt::Key_F1)}));
        QCOMPARE(keys("actionContextHelp"), QList<QKeySequence>({QKeySequence(Qt::SHIFT | Qt::Key_F1)}));
    }

    void everyCommandHasAStableNameAndAPrompt()
    {
        std::set<QString> names;
        for (const QAction* item : m_frame->actions()) {
            const QString name = item->objectName();
            QVERIFY2(name.startsWith(QStringLiteral("action")), qPrintable(item->text()));
            QVERIFY2(names.insert(name).second, qPrintable(name));
        }
        for (const int id : mw::gui::toolbarCommands(1024)) {
            if (id != 0) {
                const QAction* item = m_frame->commandAction(id);
                QVERIFY2(!item->statusTip().isEmpty(), qPrintable(item->objectName()));
                QVERIFY2(!item->toolTip().isEmpty(), qPrintable(item->objectName()));
                QVERIFY2(!item->icon().isNull(), qPrintable(item->objectName()));
            }
        }
        // The second line of the prompt is the tooltip.
        QCOMPARE(m_frame->commandAction(cmd::kMealCut)->statusTip(),
                 QStringLiteral("Move all foods from current meal to clipboard"));
        QCOMPARE(m_frame->commandAction(cmd::kMealCut)->toolTip(), QStringLiteral("Cut meal"));
        QCOMPARE(m_frame->commandAction(cmd::kFindLowest)->toolTip(),
                 QStringLiteral("Find food lowest in a nutrient in current file"));
    }

    void theToolbarFollowsTheScreenHeight()
    {
        const std::vector<int> tall = mw::gui::toolbarCommands(1024);
        QCOMPARE(tall.size(), std::size_t{36});
        QCOMPARE(tall.at(0), cmd::kFileNew);
        QCOMPARE(tall.at(3), 0);
        // Undo and Redo follow the meal clipboard's buttons.
        QCOMPARE(tall.at(13), cmd::kEditUndo);
        QCOMPARE(tall.at(14), cmd::kEditRedo);
        QCOMPARE(tall.at(16), cmd::kCaloricNeed);
        QCOMPARE(tall.at(17), cmd::kIntakePreference);
        QCOMPARE(tall.at(24), 0);
        QCOMPARE(tall.at(25), cmd::kFatWarning);
        QCOMPARE(tall.at(26), cmd::kMouseOption);
        QCOMPARE(tall.at(28), cmd::kAppAbout);
        // The menu generator and the food pyramid follow in the spare slots.
        QCOMPARE(tall.at(29), 0);
        QCOMPARE(tall.at(30), cmd::kMenuGenerator);
        QCOMPARE(tall.at(31), cmd::kFoodPyramid);
        QCOMPARE(tall.at(33), cmd::kAddUsdaFood);
        QCOMPARE(tall.at(34), cmd::kBalanceDay);
        QCOMPARE(tall.at(35), cmd::kFileSummarizeDays);
        // A screen of exactly 600 pixels still has the first layout.
        QCOMPARE(mw::gui::toolbarCommands(600), tall);
        const std::vector<int> shortScreen = mw::gui::toolbarCommands(599);
        QCOMPARE(shortScreen.at(24), cmd::kMouseOption);
        QCOMPARE(shortScreen.at(25), 0);
        QCOMPARE(shortScreen.at(26), cmd::kFatWarning);

        const QList<QAction*> buttons = m_frame->toolBar()->actions();
        QCOMPARE(buttons.size(), qsizetype(36));
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons.at(i)->isSeparator() ? 0 : buttons.at(i)->data().toInt(),
                     tall.at(static_cast<std::size_t>(i)));
        }
        QCOMPARE(m_frame->toolBar()->iconSize(), QSize(20, 20));
        CMainFrame small(*m_app, 600);
        QCOMPARE(small.toolBar()->iconSize(), QSize(16, 16));
    }

    void commandsFollowTheOpenDay()
    {
        const QStringList dayCommands = {
            QStringLiteral("actionFileClose"),         QStringLiteral("actionFileSave"),
            QStringLiteral("actionFileSaveAs"),        QStringLiteral("actionShowFoodGroups"),
            QStringLiteral("actionShowPersonalFoods"), QStringLiteral("actionIntakePreference"),
            QStringLiteral("actionWindowCascade")};
        for (const QString& name : dayCommands) {
            QVERIFY2(!action(qPrintable(name))->isEnabled(), qPrintable(name));
        }
        QVERIFY(action("actionFileNew")->isEnabled());
        QVERIFY(action("actionCaloricNeed")->isEnabled());
        CDayWindow* day = m_frame->newDay();
        for (const QString& name : dayCommands) {
            QVERIFY2(action(qPrintable(name))->isEnabled(), qPrintable(name));
        }
        QVERIFY(!action("actionNextPane")->isEnabled());
        m_frame->newDay();
        QVERIFY(action("actionNextPane")->isEnabled());
        // The food commands follow the day: its empty meal cannot be cut, an empty list not shown.
        QVERIFY(action("actionSortAscending")->isEnabled());
        QVERIFY(action("actionSearchFood")->isEnabled());
        for (const char* name : {"actionMealCut", "actionListShow1"}) {
            QVERIFY2(!action(name)->isEnabled(), name);
        }
        closeDay(day);
        QVERIFY(action("actionFileSave")->isEnabled());
    }

    void listCaptionsCarryTheNamesAndCounts()
    {
        m_settings->writeText(mw::setting::kFoodGroups, "3", "Berries & more");
        m_app->attributes().set(12, mw::CFoodAttributeDatabase::listMask(3));
        m_app->attributes().set(7, mw::CFoodAttributeDatabase::listMask(1));
        m_app->attributes().set(8, mw::CFoodAttributeDatabase::listMask(1));
        m_frame->prepareMenus();
        QCOMPARE(action("actionListAddSelected3")->text(), QStringLiteral("Berries && more"));
        QCOMPARE(action("actionListShow3")->text(), QStringLiteral("Berries && more (1 item)"));
        QCOMPARE(action("actionListShow1")->text(), QStringLiteral("Good Carbohydrates (2 items)"));
        QCOMPARE(action("actionListShow2")->text(), QStringLiteral("Bad Carbohydrates (0 items)"));
        QCOMPARE(action("actionListRemove9")->text(), QStringLiteral("Medium (moderate inducer) list"));
    }

    void opensADayFile()
    {
        CDayWindow* day = m_frame->openDay(goldenDay());
        QVERIFY(day != nullptr);
        QCOMPARE(day->title(), QStringLiteral("day_example.ypd"));
        QVERIFY(!day->isModified());
        const mw::CFofDoc& document = day->document();
        QCOMPARE(document.entryCount(mw::kBreakfast), std::size_t{1});
        QCOMPARE(document.entry(mw::kBreakfast, 0).foodId(), mw::FoodId{0});
        QCOMPARE(document.entry(mw::kBreakfast, 0).amount(), mw::Grams{244});
        QCOMPARE(document.entryCount(mw::kLunch), std::size_t{2});
        QCOMPARE(m_frame->recentFiles().files().value(0), QFileInfo(goldenDay()).canonicalFilePath());
        // The same file again brings its window forward instead of a second copy.
        m_frame->newDay();
        QCOMPARE(m_frame->openDay(goldenDay()), day);
        QCOMPARE(m_frame->activeDayWindow(), day);
        QCOMPARE(m_frame->dayWindows().size(), qsizetype(2));
    }

    void aDayEatingFoodsAnotherProgramAddedShowsThem()
    {
        // While the program runs, the command-line tool adds a personal food and a day that eats it.
        mw::PersonalFoodDatabase other;
        QCOMPARE(other.open(m_dir->path()).status, mw::PersonalFoodStatus::kOk);
        mw::PersonalFoodValues values{};
        values[mw::kWeight] = 250.0f;
        values[mw::kCalories] = 180.0f;
        const mw::FoodId borscht = other.append("Borscht", "1 bowl", values).id;
        QCOMPARE(borscht, mw::kFirstPersonalFoodId);
        const mw::FoodOperations otherFoods(&other);
        mw::CFofDoc written(otherFoods);
        written.appendEntry(mw::kBreakfast, borscht, 500);
        QVERIFY(!mw::saveDayFile(m_dir->file("borscht.ypd"), written));

        CDayWindow* day = m_frame->openDay(path("borscht.ypd"));
        QVERIFY(day != nullptr);
        QCOMPARE(m_app->personalFoods().count(), std::size_t{1});
        const auto* meal = day->findChild<CFoodListBox*>(QStringLiteral("mealList"));
        QVERIFY(meal != nullptr && meal->count() == 1);
        QVERIFY2(meal->displayedText(0).contains(QStringLiteral("Borscht")), qPrintable(meal->displayedText(0)));
        QCOMPARE(mw::computeTotals(day->document().meals(), m_app->foods()).day()[mw::kCalories], 360.0f);
    }

    void openAskedThroughTheFileDialog()
    {
        Prompts::setNextFileName(goldenDay());
        action("actionFileOpen")->trigger();
        QCOMPARE(m_frame->dayWindows().size(), qsizetype(1));
        action("actionFileOpen")->trigger(); // cancelled
        QCOMPARE(m_frame->dayWindows().size(), qsizetype(1));
    }

    void aDamagedFileIsReportedByNameAndCause()
    {
        const std::string golden = mw::test::readFile(mw::test::sourcePath("tests/data/golden/day_example.ypd"));
        mw::test::writeFile(m_dir->file("cut.ypd"), golden.substr(0, 20));
        QVERIFY(m_frame->openDay(path("cut.ypd")) == nullptr);
        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), qsizetype(1));
        QVERIFY2(shown.at(0).contains(QDir::toNativeSeparators(path("cut.ypd"))), qPrintable(shown.at(0)));
        QVERIFY2(shown.at(0).contains(QStringLiteral("The file ends")), qPrintable(shown.at(0)));
        QVERIFY(m_frame->dayWindows().isEmpty());

        QVERIFY(m_frame->openDay(path("missing.ypd")) == nullptr);
        QVERIFY(Prompts::takeShownMessages().value(0).contains(QStringLiteral("missing.ypd")));
    }

    void saveAsThenReopenGivesTheSameDay()
    {
        CDayWindow* day = m_frame->newDay();
        mw::test::addToDay(*day, mw::kBreakfast, 0, 244);
        mw::test::addToDay(*day, mw::kLunch, 26, 28);
        mw::test::addToDay(*day, mw::kLunch, 0, 122);
        QVERIFY(day->isModified());
        // A name without an extension gets ".ypd".
        Prompts::setNextFileName(path("monday"));
        action("actionFileSave")->trigger();
        QVERIFY(!day->isModified());
        QCOMPARE(day->filePath(), path("monday.ypd"));
        QCOMPARE(day->title(), QStringLiteral("monday.ypd"));
        QCOMPARE(mw::test::readFile(m_dir->file("monday.ypd")),
                 mw::test::readFile(mw::test::sourcePath("tests/data/golden/day_example.ypd")));
        QCOMPARE(m_frame->recentFiles().files().value(0), path("monday.ypd"));

        closeDay(day);
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        action("actionFileRecent1")->trigger();
        CDayWindow* reopened = m_frame->activeDayWindow();
        QVERIFY(reopened != nullptr);
        QCOMPARE(reopened->filePath(), path("monday.ypd"));
        QCOMPARE(mw::encodeDayFile(reopened->document().meals()),
                 mw::test::readFile(mw::test::sourcePath("tests/data/golden/day_example.ypd")));
    }

    void saveWritesToTheKnownFileWithoutAsking()
    {
        CDayWindow* day = m_frame->openDay(goldenDay());
        QVERIFY(day != nullptr);
        QVERIFY(day->saveTo(path("copy.ypd")));
        day->document().clearMeal(mw::kMorningSnack);
        action("actionFileSave")->trigger();
        QVERIFY(!day->isModified());
        QVERIFY(std::filesystem::exists(m_dir->file("copy.ypd")));
    }

    void aDayChangedByAnotherProgramIsSavedOverOnlyWhenTheUserSaysSo()
    {
        mw::test::writeFile(m_dir->file("shared.ypd"), std::string(12, '\0'));
        CDayWindow* day = m_frame->openDay(path("shared.ypd"));
        QVERIFY(day != nullptr);
        QVERIFY(day->saveTo(path("shared.ypd"))); // unchanged on disk: no question
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        const std::string theirs(18, '\0'); // longer than ours, so it differs within one clock tick
        mw::test::writeFile(m_dir->file("shared.ypd"), theirs);
        mw::test::addToDay(*day, mw::kLunch, 0, 100);
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            Prompts::setNextAnswer(answer);
            action("actionFileSave")->trigger();
            QCOMPARE(Prompts::takeShownMessages(),
                     QStringList({QStringLiteral("shared.ypd was changed by another program. Save over it?")}));
            QCOMPARE(day->isModified(), answer == QMessageBox::No);
            QCOMPARE(mw::test::readFile(m_dir->file("shared.ypd")) == theirs, answer == QMessageBox::No);
        }
    }

    void aFailedSaveIsReportedAndTheDayStaysModified()
    {
        CDayWindow* day = m_frame->newDay();
        mw::test::addToDay(*day, mw::kBreakfast, 0, 100);
        Prompts::setNextFileName(path("no-such-folder/day.ypd"));
        action("actionFileSaveAs")->trigger();
        QVERIFY(day->isModified());
        QVERIFY(day->filePath().isEmpty());
        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), qsizetype(1));
        QVERIFY2(shown.at(0).contains(QStringLiteral("no-such-folder")), qPrintable(shown.at(0)));
        // Closing then asks, tries to save, fails again, and the day stays open.
        Prompts::setNextAnswer(QMessageBox::Save);
        Prompts::setNextFileName(path("no-such-folder/day.ypd"));
        QVERIFY(!day->close());
        QCOMPARE(m_frame->dayWindows().size(), qsizetype(1));
    }

    void closingAModifiedDayAsks()
    {
        CDayWindow* day = m_frame->newDay();
        mw::test::addToDay(*day, mw::kBreakfast, 0, 100);
        day->refreshModifiedMark();
        QVERIFY(day->isWindowModified());

        Prompts::setNextAnswer(QMessageBox::Cancel);
        action("actionFileClose")->trigger();
        mw::test::deleteClosedWindows();
        QCOMPARE(Prompts::takeShownMessages(), QStringList({QStringLiteral("Save changes to MenuDay1?")}));
        QCOMPARE(m_frame->dayWindows().size(), qsizetype(1));

        Prompts::setNextAnswer(QMessageBox::Save);
        Prompts::setNextFileName(path("kept.ypd"));
        action("actionFileClose")->trigger();
        mw::test::deleteClosedWindows();
        QVERIFY(m_frame->dayWindows().isEmpty());
        QVERIFY(std::filesystem::exists(m_dir->file("kept.ypd")));

        CDayWindow* other = m_frame->newDay();
        mw::test::addToDay(*other, mw::kMorningSnack, 3, 50);
        Prompts::setNextAnswer(QMessageBox::Discard);
        action("actionFileClose")->trigger();
        mw::test::deleteClosedWindows();
        QVERIFY(m_frame->dayWindows().isEmpty());
        QVERIFY(!std::filesystem::exists(m_dir->file("MenuDay2.ypd")));
    }

    void anUnmodifiedDayClosesWithoutAQuestion()
    {
        closeDay(m_frame->newDay());
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QVERIFY(m_frame->dayWindows().isEmpty());
    }

    void exitAsksForEveryModifiedDayAndStopsAtCancel()
    {
        CDayWindow* first = m_frame->newDay();
        mw::test::addToDay(*first, mw::kBreakfast, 0, 100);
        CDayWindow* second = m_frame->newDay();
        mw::test::addToDay(*second, mw::kBreakfast, 0, 100);
        Prompts::setNextAnswer(QMessageBox::Discard);
        Prompts::setNextAnswer(QMessageBox::Cancel);
        QVERIFY(!m_frame->close());
        mw::test::deleteClosedWindows();
        QCOMPARE(Prompts::takeShownMessages().size(), qsizetype(2));
        QCOMPARE(m_frame->dayWindows().size(), qsizetype(1));
        QVERIFY(m_frame->isVisible());

        Prompts::setNextAnswer(QMessageBox::Discard);
        action("actionAppExit")->trigger();
        mw::test::deleteClosedWindows();
        QVERIFY(!m_frame->isVisible());
        QVERIFY(m_frame->dayWindows().isEmpty());
    }

    void exitSavesTheFoodFlags()
    {
        m_app->attributes().set(5, mw::CFoodAttributeDatabase::kHidden);
        QVERIFY(m_frame->close());
        mw::CFoodAttributeDatabase reread;
        reread.load(m_dir->file("fad.dat"));
        QVERIFY(reread.test(5, mw::CFoodAttributeDatabase::kHidden) != 0);
    }

    void recentFilesAreListedNewestFirstAndADeadOneIsDropped()
    {
        for (const char* name : {"a.ypd", "b.ypd", "c.ypd", "d.ypd", "e.ypd"}) {
            mw::test::writeFile(m_dir->file(name), std::string(12, '\0'));
            QVERIFY(m_frame->openDay(path(name)) != nullptr);
        }
        QVERIFY(action("actionFileRecent1")->isVisible());
        QVERIFY(action("actionFileRecent1")->text().startsWith(QStringLiteral("&1 ")));
        QVERIFY(action("actionFileRecent1")->text().endsWith(QStringLiteral("e.ypd")));
        QVERIFY(action("actionFileRecent4")->text().endsWith(QStringLiteral("b.ypd")));
        QVERIFY(!action("actionFileNoRecent")->isVisible());

        QVERIFY(m_frame->closeAllDays());
        mw::test::deleteClosedWindows();
        std::filesystem::remove(m_dir->file("d.ypd"));
        action("actionFileRecent2")->trigger();
        QCOMPARE(Prompts::takeShownMessages().size(), qsizetype(1));
        QCOMPARE(m_frame->recentFiles().files(), QStringList({path("e.ypd"), path("c.ypd"), path("b.ypd")}));
        QVERIFY(!action("actionFileRecent4")->isVisible());
    }

    void droppedFilesAreOpened()
    {
        mw::test::writeFile(m_dir->file("dropped.ypd"), std::string(12, '\0'));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path("dropped.ypd"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &drop);
        QCOMPARE(m_frame->dayWindows().size(), qsizetype(1));
        QCOMPARE(m_frame->activeDayWindow()->title(), QStringLiteral("dropped.ypd"));
    }

    void windowCommandsArrangeTheDays()
    {
        m_frame->resize(1000, 800);
        CDayWindow* first = m_frame->newDay();
        CDayWindow* second = m_frame->newDay();
        action("actionWindowTile")->trigger();
        QVERIFY(!first->isMaximized());
        QVERIFY(!first->geometry().intersects(second->geometry()));

        action("actionWindowCascade")->trigger();
        QVERIFY(first->geometry().topLeft() != second->geometry().topLeft());

        first->showMinimized();
        second->showMinimized();
        action("actionWindowArrangeIcons")->trigger();
        const int bottom = m_frame->mdiArea()->viewport()->height();
        QCOMPARE(first->geometry().bottom() + 1, bottom);
        QCOMPARE(second->geometry().bottom() + 1, bottom);
        QCOMPARE(first->x(), 0);
        QCOMPARE(second->x(), first->width());

        QMenu* window = m_frame->findChild<QMenu*>(QStringLiteral("menuWindow"));
        QMetaObject::invokeMethod(window, "aboutToShow");
        auto* entry = m_frame->findChild<QAction*>(QStringLiteral("actionWindow1"));
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->text(), QStringLiteral("&1 MenuDay1"));
        entry->trigger();
        QCOMPARE(m_frame->activeDayWindow(), first);
    }

    void theStatusBarHasTheMessagePaneAndThreeIndicators()
    {
        auto* message = m_frame->statusBar()->findChild<QLabel*>(QStringLiteral("messagePane"));
        QVERIFY(message != nullptr);
        QCOMPARE(message->text(), QStringLiteral("Ready"));
        for (const char* name : {"capsLockPane", "numLockPane", "scrollLockPane"}) {
            QVERIFY2(m_frame->statusBar()->findChild<QLabel*>(QLatin1String(name)) != nullptr, name);
        }
        CDayWindow* day = m_frame->newDay();
        emit day->view()->statusMessage(QStringLiteral("Generating a random well-balanced menu..."));
        QCOMPARE(m_frame->statusMessage(), QStringLiteral("Generating a random well-balanced menu..."));
        emit day->view()->statusMessage(QString());
        QCOMPARE(m_frame->statusMessage(), QString());

        // A note gives way at the next command, and by itself after a while.
        m_frame->showStatusMessage(QStringLiteral("Saved day.pdf"));
        action("actionFileNew")->trigger();
        QCOMPARE(m_frame->statusMessage(), QStringLiteral("Ready"));
        m_frame->showStatusMessage(QStringLiteral("Saved day.pdf"));
        QTRY_COMPARE_WITH_TIMEOUT(m_frame->statusMessage(), QStringLiteral("Ready"),
                                  CMainFrame::kTransientMessageMilliseconds + 2000);
    }

    void theGeneratorShowsItsTargetInTheSecondPane()
    {
        QVERIFY(!mw::storeMenuTargetCalories(*m_settings, 1800));
        CDayWindow* day = m_frame->newDay();
        auto* pane = m_frame->statusBar()->findChild<QLabel*>(QStringLiteral("numLockPane"));
        QString shownWhileGenerating;
        day->document().addChangeListener([&](const mw::DayChange&) { shownWhileGenerating = pane->text(); });
        action("actionMenuGenerator")->trigger();
        QCOMPARE(shownWhileGenerating, QStringLiteral("1800"));
        QVERIFY(pane->text() != QStringLiteral("1800"));
    }

    void keysOfTheDayView()
    {
        m_frame->resize(1000, 800);
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        CDayWindow* first = m_frame->newDay();
        first->view()->findChild<QWidget*>(QStringLiteral("amountEdit"))->setFocus();
        action("actionWindowTile")->trigger();
        QCOMPARE(QApplication::focusWidget(), first->view()->findChild<QWidget*>(QStringLiteral("eatButton")));
        // A day opened among tiled ones starts at "I Eat", as a maximised one does.
        CDayWindow* tiled = m_frame->newDay();
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), tiled->view()->findChild<QWidget*>(QStringLiteral("eatButton")));

        // Alt+G starts the global search while the search field shows, though the Glycemic Index menu has G too.
        tiled->view()->foodList().beginSearch();
        auto* search = tiled->view()->findChild<QLineEdit*>(QStringLiteral("searchEdit"));
        search->setText(QStringLiteral("cheddar"));
        search->setFocus();
        QTest::keyClick(search, Qt::Key_G, Qt::AltModifier);
        QCOMPARE(search->text(), QStringLiteral("cheddar"));
        auto* list = tiled->view()->findChild<mw::gui::CFoodListBox*>(QStringLiteral("foodList"));
        QVERIFY(list->count() > 0);
        QVERIFY(list->foodName(0).contains(QStringLiteral("cheddar"), Qt::CaseInsensitive));
        QVERIFY(!m_frame->menuBar()->activeAction());
    }

    void theCaloricNeedCommandTellsTheViewsAfterOk()
    {
        QSignalSpy changed(m_app.get(), &AppContext::analysisSettingsChangedSignal);
        bool seen = false;
        mw::test::whenDialogOpens([&seen](QDialog* dialog) {
            seen = qobject_cast<mw::gui::CCaloricNeedDlg*>(dialog) != nullptr;
            dialog->accept();
        });
        action("actionCaloricNeed")->trigger();
        QVERIFY(seen);
        QCOMPARE(changed.count(), 1);

        mw::test::whenDialogOpens([](QDialog*) {}, QDialog::Rejected);
        action("actionCaloricNeed")->trigger();
        QCOMPARE(changed.count(), 1);
        QVERIFY(Prompts::takeShownMessages().isEmpty());

        // New inputs offer to set the intake ranges from them.
        mw::test::whenDialogOpens([](QDialog* dialog) {
            dialog->findChild<QSpinBox*>(QStringLiteral("ageSpinBox"))->setValue(25);
            dialog->accept();
        });
        action("actionCaloricNeed")->trigger();
        QCOMPARE(Prompts::takeShownMessages().value(0).left(33), QStringLiteral("Your caloric need inputs changed."));
        QCOMPARE(changed.count(), 2);
    }

    void theIntakePreferenceCommandTellsTheViewsAfterOk()
    {
        m_frame->newDay();
        QSignalSpy changed(m_app.get(), &AppContext::analysisSettingsChangedSignal);
        bool seen = false;
        mw::test::whenDialogOpens([&seen](QDialog* dialog) {
            seen = qobject_cast<mw::gui::CIntakePreferenceDlg*>(dialog) != nullptr;
            dialog->accept();
        });
        action("actionIntakePreference")->trigger();
        QVERIFY(seen);
        QCOMPARE(changed.count(), 1);
    }

    void aboutShowsTheDialog()
    {
        QString title;
        mw::test::whenDialogOpens([&title](QDialog* dialog) {
            QVERIFY(qobject_cast<mw::gui::CAboutDlg*>(dialog) != nullptr);
            title = dialog->windowTitle();
        });
        action("actionAppAboutMenuItem")->trigger();
        QCOMPARE(title, QStringLiteral("Mealwright Youthplate Diet"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
