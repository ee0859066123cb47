#include "main_window.h"

#include "about_dialog.h"
#include "app_context.h"
#include "caloric_need_dialog.h"
#include "command_ids.h"
#include "day_window.h"
#include "fof_view.h"
#include "food_commands_test_support.h"
#include "food_list_box.h"
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
    mw::test::FoodCommandsFixture f;

    QAction* action(const char* name) const { return f.action(name); }

    QString path(const char* name) const { return fromPath(f.dir().file(name)); }

    QStringList menuBarTitles()
    {
        QStringList titles;
        for (const QAction* item : f.frame().menuBar()->actions()) {
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

    void init() { f.start(); }
    void cleanup() { f.stop(); }

    void newDaysAreNumberedFromOne()
    {
        action("actionFileNew")->trigger();
        action("actionFileNew")->trigger();
        const QList<CDayWindow*> days = f.frame().dayWindows();
        QCOMPARE(days.size(), 2);
        QCOMPARE(days.at(0)->title(), QStringLiteral("MenuDay1"));
        QCOMPARE(days.at(1)->title(), QStringLiteral("MenuDay2"));
        QVERIFY(days.at(1)->filePath().isEmpty());
        QCOMPARE(f.frame().activeDayWindow(), days.at(1));
        QVERIFY(days.at(1)->isMaximized());
        QVERIFY(days.at(1)->view() != nullptr);
        QCOMPARE(days.at(1)->view()->objectName(), QStringLiteral("dayView"));
        // The maximised day names itself in the frame's title, with a mark while it is modified.
        QCOMPARE(f.frame().windowTitle(), QStringLiteral("Mealwright Youthplate Diet - [MenuDay2[*]]"));
        mw::test::addToDay(*days.at(1), mw::kBreakfast, 0, 100);
        days.at(1)->refreshModifiedMark();
        f.frame().updateCommands();
        QVERIFY(f.frame().isWindowModified());
        days.at(1)->history().setClean();
    }

    void numbersAreNotReusedAfterAClose()
    {
        // An unmodified day closes without a question.
        closeDay(f.frame().newDay());
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QVERIFY(f.frame().dayWindows().isEmpty());
        QCOMPARE(f.frame().newDay()->title(), QStringLiteral("MenuDay2"));
    }

    void theMenuBarShowsTheDayMenusOnlyWhileADayIsOpen()
    {
        const QStringList noDay = {QStringLiteral("&File"), QStringLiteral("&Diary"), QStringLiteral("&Tools"),
                                   QStringLiteral("&Help"), QStringLiteral("&About ...")};
        QCOMPARE(menuBarTitles(), noDay);
        CDayWindow* day = f.frame().newDay();
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
        f.frame().newDay();
        const auto items = [this](const char* menuName) {
            QStringList texts;
            for (const QAction* item : f.frame().findChild<QMenu*>(QLatin1String(menuName))->actions()) {
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
        QCOMPARE(items("menuHelp"), QStringList({QStringLiteral("&Help Topics"), QStringLiteral("&What's This?"),
                                                 QStringLiteral("-"), QStringLiteral("&Introduction"),
                                                 QStringLiteral("&Top Tips"), QStringLiteral("The Food &Catalogue")}));
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
        const std::pair<const char*, const char*> keys[] = {
            {"actionFileNew", "Ctrl+N"},
            {"actionFileOpen", "Ctrl+O"},
            {"actionFileSave", "Ctrl+S"},
            {"actionFilePrint", "Ctrl+P"},
            {"actionFileClose", "F4"},
            {"actionMealCut", "Ctrl+X; Shift+Del"},
            {"actionMealCopy", "Ctrl+C; Ctrl+Ins"},
            {"actionMealPaste", "Ctrl+V; Shift+Ins"},
            {"actionNextPane", "F6"},
            {"actionPreviousPane", "Shift+F6"},
            {"actionHelp", "F1"},
            {"actionContextHelp", "Shift+F1"},
        };
        for (const auto& [name, shortcuts] : keys) {
            QCOMPARE(QKeySequence::listToString(action(name)->shortcuts(), QKeySequence::PortableText),
                     QString::fromLatin1(shortcuts));
        }
    }

    void everyCommandHasAStableNameAndAPrompt()
    {
        std::set<QString> names;
        for (const QAction* item : f.frame().actions()) {
            const QString name = item->objectName();
            QVERIFY2(name.startsWith(QStringLiteral("action")), qPrintable(item->text()));
            QVERIFY2(names.insert(name).second, qPrintable(name));
        }
        for (const int id : mw::gui::toolbarCommands(1024)) {
            if (id != 0) {
                const QAction* item = f.frame().commandAction(id);
                QVERIFY2(!item->statusTip().isEmpty(), qPrintable(item->objectName()));
                QVERIFY2(!item->toolTip().isEmpty(), qPrintable(item->objectName()));
                QVERIFY2(!item->icon().isNull(), qPrintable(item->objectName()));
            }
        }
        // The prompt's first line is the status bar's, its second the tooltip.
        const struct
        {
            int id;
            const char* statusTip;
            const char* toolTip;
        } prompts[] = {
            {cmd::kMealCut, "Move all foods from current meal to clipboard", "Cut meal"},
            {cmd::kFindLowest, "Find food lowest in a nutrient in all meals",
             "Find food lowest in a nutrient in current file"},
            {cmd::kMenuGenerator, "Let the Mealwright suggest a menu to you", nullptr},
            {cmd::kFoodPyramid, nullptr, "Food pyramid analysis"},
        };
        for (const auto& prompt : prompts) {
            const QAction* item = f.frame().commandAction(prompt.id);
            if (prompt.statusTip != nullptr) {
                QCOMPARE(item->statusTip(), QString::fromUtf8(prompt.statusTip));
            }
            if (prompt.toolTip != nullptr) {
                QCOMPARE(item->toolTip(), QString::fromUtf8(prompt.toolTip));
            }
        }
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

        const QList<QAction*> buttons = f.frame().toolBar()->actions();
        QCOMPARE(buttons.size(), qsizetype(36));
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons.at(i)->isSeparator() ? 0 : buttons.at(i)->data().toInt(),
                     tall.at(static_cast<std::size_t>(i)));
        }
        QCOMPARE(f.frame().toolBar()->iconSize(), QSize(20, 20));
        CMainFrame small(f.app(), 600);
        QCOMPARE(small.toolBar()->iconSize(), QSize(16, 16));
    }

    void commandsFollowTheOpenDay()
    {
        for (const char* name :
             {"actionFileClose", "actionFileSave", "actionFileSaveAs", "actionShowFoodGroups",
              "actionShowPersonalFoods", "actionIntakePreference", "actionWindowCascade", "actionMenuGenerator",
              "actionFoodPyramid", "actionAddFood", "actionFilePrint", "actionFilePrintPreview", "actionFileExportPdf",
              "actionScreenColor", "actionListWidthWidest", "actionUsePersonalPreference"}) {
            QVERIFY2(!action(name)->isEnabled(), name);
        }
        // The frame's own commands need no day.
        for (const char* name : {"actionFileNew", "actionCaloricNeed", "actionDesirableWeight", "actionMouseOption",
                                 "actionFilePrintSetup", "actionPrinterFont", "actionHelp", "actionHelpTopTips",
                                 "actionDisplayNutrients"}) {
            QVERIFY2(action(name)->isEnabled(), name);
        }
        CDayWindow* day = f.frame().newDay();
        for (const char* name :
             {"actionFileClose", "actionFileSave", "actionFileSaveAs", "actionShowFoodGroups",
              "actionShowPersonalFoods", "actionIntakePreference", "actionWindowCascade", "actionMenuGenerator",
              "actionAddFood", "actionFilePrint", "actionFileExportCsv", "actionScreenColor", "actionListWidthWidest",
              "actionManageFoodLists", "actionSortAscending", "actionSearchFood"}) {
            QVERIFY2(action(name)->isEnabled(), name);
        }
        QVERIFY(!action("actionNextPane")->isEnabled());
        f.frame().newDay();
        QVERIFY(action("actionNextPane")->isEnabled());
        // The food commands follow the day: its empty meal cannot be cut, an empty list not shown.
        for (const char* name : {"actionMealCut", "actionListShow1"}) {
            QVERIFY2(!action(name)->isEnabled(), name);
        }
        closeDay(day);
        QVERIFY(action("actionFileSave")->isEnabled());
    }

    void listCaptionsCarryTheNamesAndCounts()
    {
        f.settings().writeText(mw::setting::kFoodGroups, "3", "Berries & more");
        f.app().attributes().set(12, mw::CFoodAttributeDatabase::listMask(3));
        f.app().attributes().set(7, mw::CFoodAttributeDatabase::listMask(1));
        f.app().attributes().set(8, mw::CFoodAttributeDatabase::listMask(1));
        f.frame().prepareMenus();
        QCOMPARE(action("actionListAddSelected3")->text(), QStringLiteral("Berries && more"));
        QCOMPARE(action("actionListShow3")->text(), QStringLiteral("Berries && more (1 item)"));
        QCOMPARE(action("actionListShow1")->text(), QStringLiteral("Good Carbohydrates (2 items)"));
        QCOMPARE(action("actionListShow2")->text(), QStringLiteral("Bad Carbohydrates (0 items)"));
        QCOMPARE(action("actionListRemove9")->text(), QStringLiteral("Medium (moderate inducer) list"));
    }

    void opensADayFile()
    {
        CDayWindow* day = f.frame().openDay(goldenDay());
        QVERIFY(day != nullptr);
        QCOMPARE(day->title(), QStringLiteral("day_example.ypd"));
        QVERIFY(!day->isModified());
        const mw::CFofDoc& document = day->document();
        QCOMPARE(document.entryCount(mw::kBreakfast), std::size_t{1});
        QCOMPARE(document.entry(mw::kBreakfast, 0).foodId(), mw::FoodId{0});
        QCOMPARE(document.entry(mw::kBreakfast, 0).amount(), mw::Grams{244});
        QCOMPARE(document.entryCount(mw::kLunch), std::size_t{2});
        QCOMPARE(f.frame().recentFiles().files().value(0), QFileInfo(goldenDay()).canonicalFilePath());
        // The same file again brings its window forward instead of a second copy.
        f.frame().newDay();
        QCOMPARE(f.frame().openDay(goldenDay()), day);
        QCOMPARE(f.frame().activeDayWindow(), day);
        QCOMPARE(f.frame().dayWindows().size(), qsizetype(2));
    }

    void aDayEatingFoodsAnotherProgramAddedShowsThem()
    {
        // While the program runs, the command-line tool adds a personal food and a day that eats it.
        mw::PersonalFoodDatabase other;
        QCOMPARE(other.open(f.dir().path()).status, mw::PersonalFoodStatus::kOk);
        mw::PersonalFoodValues values{};
        values[mw::kWeight] = 250.0f;
        values[mw::kCalories] = 180.0f;
        const mw::FoodId borscht = other.append("Borscht", "1 bowl", values).id;
        QCOMPARE(borscht, mw::kFirstPersonalFoodId);
        const mw::FoodOperations otherFoods(&other);
        mw::CFofDoc written(otherFoods);
        written.appendEntry(mw::kBreakfast, borscht, 500);
        QVERIFY(!mw::saveDayFile(f.dir().file("borscht.ypd"), written));

        CDayWindow* day = f.frame().openDay(path("borscht.ypd"));
        QVERIFY(day != nullptr);
        QCOMPARE(f.app().personalFoods().count(), std::size_t{1});
        const auto* meal = day->findChild<CFoodListBox*>(QStringLiteral("mealList"));
        QVERIFY(meal != nullptr && meal->count() == 1);
        QVERIFY2(meal->displayedText(0).contains(QStringLiteral("Borscht")), qPrintable(meal->displayedText(0)));
        QCOMPARE(mw::computeTotals(day->document().meals(), f.app().foods()).day()[mw::kCalories], 360.0f);
    }

    void openAskedThroughTheFileDialog()
    {
        Prompts::setNextFileName(goldenDay());
        action("actionFileOpen")->trigger();
        QCOMPARE(f.frame().dayWindows().size(), qsizetype(1));
        action("actionFileOpen")->trigger(); // cancelled
        QCOMPARE(f.frame().dayWindows().size(), qsizetype(1));
    }

    void aDamagedFileIsReportedByNameAndCause()
    {
        const std::string golden = mw::test::readFile(mw::test::sourcePath("tests/data/golden/day_example.ypd"));
        mw::test::writeFile(f.dir().file("cut.ypd"), golden.substr(0, 20));
        QVERIFY(f.frame().openDay(path("cut.ypd")) == nullptr);
        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), qsizetype(1));
        QVERIFY2(shown.at(0).contains(QDir::toNativeSeparators(path("cut.ypd"))), qPrintable(shown.at(0)));
        QVERIFY2(shown.at(0).contains(QStringLiteral("The file ends")), qPrintable(shown.at(0)));
        QVERIFY(f.frame().dayWindows().isEmpty());

        QVERIFY(f.frame().openDay(path("missing.ypd")) == nullptr);
        QVERIFY(Prompts::takeShownMessages().value(0).contains(QStringLiteral("missing.ypd")));
    }

    void saveAsThenReopenGivesTheSameDay()
    {
        CDayWindow* day = f.frame().newDay();
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
        QCOMPARE(mw::test::readFile(f.dir().file("monday.ypd")),
                 mw::test::readFile(mw::test::sourcePath("tests/data/golden/day_example.ypd")));
        QCOMPARE(f.frame().recentFiles().files().value(0), path("monday.ypd"));

        closeDay(day);
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        action("actionFileRecent1")->trigger();
        CDayWindow* reopened = f.frame().activeDayWindow();
        QVERIFY(reopened != nullptr);
        QCOMPARE(reopened->filePath(), path("monday.ypd"));
        QCOMPARE(mw::encodeDayFile(reopened->document().meals()),
                 mw::test::readFile(mw::test::sourcePath("tests/data/golden/day_example.ypd")));
    }

    void saveWritesToTheKnownFileWithoutAsking()
    {
        CDayWindow* day = f.frame().openDay(goldenDay());
        QVERIFY(day != nullptr);
        QVERIFY(day->saveTo(path("copy.ypd")));
        day->document().clearMeal(mw::kMorningSnack);
        action("actionFileSave")->trigger();
        QVERIFY(!day->isModified());
        QVERIFY(std::filesystem::exists(f.dir().file("copy.ypd")));
    }

    void aDayChangedByAnotherProgramIsSavedOverOnlyWhenTheUserSaysSo()
    {
        mw::test::writeFile(f.dir().file("shared.ypd"), std::string(12, '\0'));
        CDayWindow* day = f.frame().openDay(path("shared.ypd"));
        QVERIFY(day != nullptr);
        QVERIFY(day->saveTo(path("shared.ypd"))); // unchanged on disk: no question
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        const std::string theirs(18, '\0'); // longer than ours, so it differs within one clock tick
        mw::test::writeFile(f.dir().file("shared.ypd"), theirs);
        mw::test::addToDay(*day, mw::kLunch, 0, 100);
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            Prompts::setNextAnswer(answer);
            action("actionFileSave")->trigger();
            QCOMPARE(Prompts::takeShownMessages(),
                     QStringList({QStringLiteral("shared.ypd was changed by another program. Save over it?")}));
            QCOMPARE(day->isModified(), answer == QMessageBox::No);
            QCOMPARE(mw::test::readFile(f.dir().file("shared.ypd")) == theirs, answer == QMessageBox::No);
        }
    }

    void aFailedSaveIsReportedAndTheDayStaysModified()
    {
        CDayWindow* day = f.frame().newDay();
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
        QCOMPARE(f.frame().dayWindows().size(), qsizetype(1));
    }

    void closingAModifiedDayAsks()
    {
        CDayWindow* day = f.frame().newDay();
        mw::test::addToDay(*day, mw::kBreakfast, 0, 100);
        day->refreshModifiedMark();
        QVERIFY(day->isWindowModified());

        Prompts::setNextAnswer(QMessageBox::Cancel);
        action("actionFileClose")->trigger();
        mw::test::deleteClosedWindows();
        QCOMPARE(Prompts::takeShownMessages(), QStringList({QStringLiteral("Save changes to MenuDay1?")}));
        QCOMPARE(f.frame().dayWindows().size(), qsizetype(1));

        Prompts::setNextAnswer(QMessageBox::Save);
        Prompts::setNextFileName(path("kept.ypd"));
        action("actionFileClose")->trigger();
        mw::test::deleteClosedWindows();
        QVERIFY(f.frame().dayWindows().isEmpty());
        QVERIFY(std::filesystem::exists(f.dir().file("kept.ypd")));

        CDayWindow* other = f.frame().newDay();
        mw::test::addToDay(*other, mw::kMorningSnack, 3, 50);
        Prompts::setNextAnswer(QMessageBox::Discard);
        action("actionFileClose")->trigger();
        mw::test::deleteClosedWindows();
        QVERIFY(f.frame().dayWindows().isEmpty());
        QVERIFY(!std::filesystem::exists(f.dir().file("MenuDay2.ypd")));
    }

    void exitAsksForEveryModifiedDayAndStopsAtCancel()
    {
        CDayWindow* first = f.frame().newDay();
        mw::test::addToDay(*first, mw::kBreakfast, 0, 100);
        CDayWindow* second = f.frame().newDay();
        mw::test::addToDay(*second, mw::kBreakfast, 0, 100);
        Prompts::setNextAnswer(QMessageBox::Discard);
        Prompts::setNextAnswer(QMessageBox::Cancel);
        QVERIFY(!f.frame().close());
        mw::test::deleteClosedWindows();
        QCOMPARE(Prompts::takeShownMessages().size(), qsizetype(2));
        QCOMPARE(f.frame().dayWindows().size(), qsizetype(1));
        QVERIFY(f.frame().isVisible());

        Prompts::setNextAnswer(QMessageBox::Discard);
        action("actionAppExit")->trigger();
        mw::test::deleteClosedWindows();
        QVERIFY(!f.frame().isVisible());
        QVERIFY(f.frame().dayWindows().isEmpty());
    }

    void exitSavesTheFoodFlags()
    {
        f.app().attributes().set(5, mw::CFoodAttributeDatabase::kHidden);
        QVERIFY(f.frame().close());
        mw::CFoodAttributeDatabase reread;
        reread.load(f.dir().file("fad.dat"));
        QVERIFY(reread.test(5, mw::CFoodAttributeDatabase::kHidden) != 0);
    }

    void recentFilesAreListedNewestFirstAndADeadOneIsDropped()
    {
        for (const char* name : {"a.ypd", "b.ypd", "c.ypd", "d.ypd", "e.ypd"}) {
            mw::test::writeFile(f.dir().file(name), std::string(12, '\0'));
            QVERIFY(f.frame().openDay(path(name)) != nullptr);
        }
        QVERIFY(action("actionFileRecent1")->isVisible());
        QVERIFY(action("actionFileRecent1")->text().startsWith(QStringLiteral("&1 ")));
        QVERIFY(action("actionFileRecent1")->text().endsWith(QStringLiteral("e.ypd")));
        QVERIFY(action("actionFileRecent4")->text().endsWith(QStringLiteral("b.ypd")));
        QVERIFY(!action("actionFileNoRecent")->isVisible());

        QVERIFY(f.frame().closeAllDays());
        mw::test::deleteClosedWindows();
        std::filesystem::remove(f.dir().file("d.ypd"));
        action("actionFileRecent2")->trigger();
        QCOMPARE(Prompts::takeShownMessages().size(), qsizetype(1));
        QCOMPARE(f.frame().recentFiles().files(), QStringList({path("e.ypd"), path("c.ypd"), path("b.ypd")}));
        QVERIFY(!action("actionFileRecent4")->isVisible());
    }

    void droppedFilesAreOpened()
    {
        mw::test::writeFile(f.dir().file("dropped.ypd"), std::string(12, '\0'));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path("dropped.ypd"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f.frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f.frame(), &drop);
        QCOMPARE(f.frame().dayWindows().size(), qsizetype(1));
        QCOMPARE(f.frame().activeDayWindow()->title(), QStringLiteral("dropped.ypd"));
    }

    void windowCommandsArrangeTheDays()
    {
        f.frame().resize(1000, 800);
        CDayWindow* first = f.frame().newDay();
        CDayWindow* second = f.frame().newDay();
        action("actionWindowTile")->trigger();
        QVERIFY(!first->isMaximized());
        QVERIFY(!first->geometry().intersects(second->geometry()));

        action("actionWindowCascade")->trigger();
        QVERIFY(first->geometry().topLeft() != second->geometry().topLeft());

        first->showMinimized();
        second->showMinimized();
        action("actionWindowArrangeIcons")->trigger();
        const int bottom = f.frame().mdiArea()->viewport()->height();
        QCOMPARE(first->geometry().bottom() + 1, bottom);
        QCOMPARE(second->geometry().bottom() + 1, bottom);
        QCOMPARE(first->x(), 0);
        QCOMPARE(second->x(), first->width());

        QMenu* window = f.frame().findChild<QMenu*>(QStringLiteral("menuWindow"));
        QMetaObject::invokeMethod(window, "aboutToShow");
        auto* entry = f.frame().findChild<QAction*>(QStringLiteral("actionWindow1"));
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->text(), QStringLiteral("&1 MenuDay1"));
        entry->trigger();
        QCOMPARE(f.frame().activeDayWindow(), first);
    }

    void theStatusBarHasTheMessagePaneAndThreeIndicators()
    {
        auto* message = f.frame().statusBar()->findChild<QLabel*>(QStringLiteral("messagePane"));
        QVERIFY(message != nullptr);
        QCOMPARE(message->text(), QStringLiteral("Ready"));
        for (const char* name : {"capsLockPane", "numLockPane", "scrollLockPane"}) {
            QVERIFY2(f.frame().statusBar()->findChild<QLabel*>(QLatin1String(name)) != nullptr, name);
        }
        CDayWindow* day = f.frame().newDay();
        emit day->view()->statusMessage(QStringLiteral("Generating a random well-balanced menu..."));
        QCOMPARE(f.frame().statusMessage(), QStringLiteral("Generating a random well-balanced menu..."));
        emit day->view()->statusMessage(QString());
        QCOMPARE(f.frame().statusMessage(), QString());

        // A note gives way at the next command, and by itself after a while.
        f.frame().showStatusMessage(QStringLiteral("Saved day.pdf"));
        action("actionFileNew")->trigger();
        QCOMPARE(f.frame().statusMessage(), QStringLiteral("Ready"));
        f.frame().showStatusMessage(QStringLiteral("Saved day.pdf"));
        QTRY_COMPARE_WITH_TIMEOUT(f.frame().statusMessage(), QStringLiteral("Ready"),
                                  CMainFrame::kTransientMessageMilliseconds + 2000);
    }

    void theGeneratorShowsItsTargetInTheSecondPane()
    {
        QVERIFY(!mw::storeMenuTargetCalories(f.settings(), 1800));
        CDayWindow* day = f.frame().newDay();
        auto* pane = f.frame().statusBar()->findChild<QLabel*>(QStringLiteral("numLockPane"));
        QString shownWhileGenerating;
        day->document().addChangeListener([&](const mw::DayChange&) { shownWhileGenerating = pane->text(); });
        action("actionMenuGenerator")->trigger();
        QCOMPARE(shownWhileGenerating, QStringLiteral("1800"));
        QVERIFY(pane->text() != QStringLiteral("1800"));
    }

    void keysOfTheDayView()
    {
        f.frame().resize(1000, 800);
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame()));
        CDayWindow* first = f.frame().newDay();
        first->view()->findChild<QWidget*>(QStringLiteral("amountEdit"))->setFocus();
        action("actionWindowTile")->trigger();
        QCOMPARE(QApplication::focusWidget(), first->view()->findChild<QWidget*>(QStringLiteral("eatButton")));
        // A day opened among tiled ones starts at "I Eat", as a maximised one does.
        CDayWindow* tiled = f.frame().newDay();
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
        QVERIFY(!f.frame().menuBar()->activeAction());
    }

    void theCaloricNeedCommandTellsTheViewsAfterOk()
    {
        QSignalSpy changed(&f.app(), &AppContext::analysisSettingsChangedSignal);
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
        f.frame().newDay();
        QSignalSpy changed(&f.app(), &AppContext::analysisSettingsChangedSignal);
        bool seen = false;
        mw::test::whenDialogOpens([&seen](QDialog* dialog) {
            seen = qobject_cast<mw::gui::CIntakePreferenceDlg*>(dialog) != nullptr;
            dialog->accept();
        });
        action("actionIntakePreference")->trigger();
        QVERIFY(seen);
        QCOMPARE(changed.count(), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
