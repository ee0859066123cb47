#include "main_window.h"

#include "about_dialog.h"
#include "add_food_dialog.h"
#include "analysis_panel.h"
#include "app_context.h"
#include "command_ids.h"
#include "day_window.h"
#include "display_nutrients_dialog.h"
#include "fat_warning_dialog.h"
#include "fof_view.h"
#include "food_commands_test_support.h"
#include "food_list_box.h"
#include "generator_options_dialog.h"
#include "healthy_weight_dialog.h"
#include "help_window.h"
#include "mouse_option_dialog.h"
#include "print_nutrients_dialog.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "rename_groups_dialog.h"
#include "report_painter.h"

#include "calc/menu_generator.h"
#include "format/day_csv.h"
#include "format/food_attribute_database.h"
#include "model/catalogue.h"
#include "support/temp_dir.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include <memory>

using namespace mw;
using namespace mw::gui;
using namespace mw::render;
using mw::test::whenDialogOpens;

class MainWindowToolsTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;

    QAction* action(const char* name) const { return f.action(name); }
    CFofView* view() const { return f.frame().activeDayWindow()->view(); }
    CFofDoc& document() const { return f.frame().activeDayWindow()->document(); }
    AnalysisPanel* panel() const { return view()->findChild<AnalysisPanel*>(QStringLiteral("analysisPanel")); }
    CFoodListBox* foodList() const { return view()->findChild<CFoodListBox*>(QStringLiteral("foodList")); }
    QString path(const char* name) const { return fromPath(f.dir().file(name)); }

    // The page the help window shows.
    static QUrl helpPage()
    {
        return HelpWindow::instance()->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"))->source();
    }

    // Opens the command's dialog, checks its kind, and closes it with Escape's result.
    template <typename Dialog>
    bool opensDialog(const char* actionName)
    {
        bool seen = false;
        whenDialogOpens([&seen](QDialog* dialog) { seen = qobject_cast<Dialog*>(dialog) != nullptr; });
        action(actionName)->trigger();
        return seen;
    }

private slots:
    void initTestCase() { QVERIFY(!QFontDatabase::families().isEmpty()); }

    void init()
    {
        f.start();
        f.frame().resize(1280, 960);
    }

    void cleanup()
    {
        if (HelpWindow* help = HelpWindow::instance()) {
            help->close();
        }
        f.stop();
        test::deleteClosedWindows();
    }

    // ---- Menus and update rules ----------------------------------------------------------------------------

    void thePyramidNeedsADayWithWeight()
    {
        f.frame().newDay();
        QVERIFY(!action("actionFoodPyramid")->isEnabled());
        test::addToActiveDay(f.frame(), 0, 244);
        QVERIFY(action("actionFoodPyramid")->isEnabled());
        view()->clearDay();
        QVERIFY(!action("actionFoodPyramid")->isEnabled());
        // Carbonated water counts in no pyramid group, but it weighs something.
        test::addToActiveDay(f.frame(), 622, 0);
        QVERIFY(action("actionFoodPyramid")->isEnabled());
    }

    // ---- Menu generator ------------------------------------------------------------------------------------

    void theGeneratorCaptionFollowsTheOptionsDialog()
    {
        f.frame().newDay();
        QCOMPARE(action("actionMenuGenerator")->text(), QStringLiteral("Generate a random menu!"));
        whenDialogOpens([](QDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("caloriesEdit"));
            QCOMPARE(edit->text(), QStringLiteral("800"));
            dialog->findChild<QCheckBox*>(QStringLiteral("randomMenuBox"))->setChecked(false);
            edit->setText(QStringLiteral("1800"));
            dialog->accept();
        });
        action("actionMenuGeneratorOptions")->trigger();
        QCOMPARE(menuTargetCalories(f.settings()), 1800);
        QCOMPARE(action("actionMenuGenerator")->text(), QStringLiteral("&Generate a 1800-calorie menu!"));
    }

    void generatingReplacesTheDayWithTheSeededMenuAndDrawsThePyramid()
    {
        QVERIFY(!storeMenuTargetCalories(f.settings(), 2000));
        f.frame().newDay();
        test::addToActiveDay(f.frame(), 0, 244);
        f.app().random().seed(7);
        action("actionMenuGenerator")->trigger();

        CFofDoc expected(f.app().foods());
        LinearCongruentialRandom random(7);
        const GeneratedMenu menu = MenuGenerator(expected, random).GenerateMenu(2000);
        for (int m = 0; m < kMealCount; ++m) {
            const auto meal = static_cast<MealIndex>(m);
            const std::span<const CFood> got = document().meal(meal).entries();
            const std::span<const CFood> want = expected.meal(meal).entries();
            QVERIFY(std::equal(got.begin(), got.end(), want.begin(), want.end()));
        }
        QCOMPARE(view()->currentMeal(), static_cast<int>(menu.shownMeal));
        QVERIFY(f.frame().activeDayWindow()->isModified());
        QVERIFY(panel()->pyramid().has_value());
        QVERIFY(action("actionFoodPyramid")->isEnabled());
        QCOMPARE(f.frame().statusMessage(), QStringLiteral("Ready"));
    }

    void thePyramidCommandDrawsOverAClearedFoodColumn()
    {
        f.frame().newDay();
        test::addToActiveDay(f.frame(), 0, 244);
        action("actionFoodPyramid")->trigger();
        QVERIFY(panel()->pyramid().has_value());
        QVERIFY(!panel()->state().food.has_value());
    }

    // ---- View options --------------------------------------------------------------------------------------

    void usePdaSwitchesThePercentBasisAndIsStored()
    {
        f.frame().newDay();
        test::addToActiveDay(f.frame(), 0, 244);
        QVERIFY(!action("actionUsePersonalPreference")->isChecked());
        QVERIFY(!panel()->state().goals.usePersonalGoal);
        const auto percents = [this] {
            std::vector<std::optional<int>> column;
            for (int n = 1; n < kNutrientCount; ++n) {
                column.push_back(percentOfGoal(panel()->state().day, n, panel()->state().goals));
            }
            return column;
        };
        const std::vector<std::optional<int>> rda = percents();

        action("actionUsePersonalPreference")->trigger();
        QVERIFY(usePersonalPreference(f.settings()));
        QVERIFY(action("actionUsePersonalPreference")->isChecked());
        QVERIFY(panel()->state().goals.usePersonalGoal);
        // The preferred upper values are not the allowances, so the percent column changes.
        QVERIFY(percents() != rda);

        action("actionUsePersonalPreference")->trigger();
        QVERIFY(!usePersonalPreference(f.settings()));
        QVERIFY(!panel()->state().goals.usePersonalGoal);
    }

    void aUsePdaSwitchTheProfileCannotKeepIsReportedAndNotShown()
    {
        f.frame().newDay();
        f.settings().failWritesWith(std::make_error_code(std::errc::read_only_file_system));
        action("actionUsePersonalPreference")->trigger();
        QCOMPARE(Prompts::takeShownMessages().size(), 1);
        QVERIFY(!action("actionUsePersonalPreference")->isChecked());
        QVERIFY(!panel()->state().goals.usePersonalGoal);
    }

    void widthAndOrderCommandsReachTheActiveView()
    {
        f.frame().newDay();
        const auto listWidth = [this] { return view()->findChild<QWidget*>(QStringLiteral("foodList"))->width(); };
        action("actionListWidthWidest")->trigger();
        const int widest = listWidth();
        action("actionListWidthWider")->trigger();
        const int wider = listWidth();
        QVERIFY(wider < widest);
        action("actionListWidthNormal")->trigger();
        QVERIFY(listWidth() < wider);

        auto* groups = view()->findChild<QComboBox*>(QStringLiteral("groupBox"));
        action("actionReverseGroupList")->trigger();
        QCOMPARE(groups->itemText(0), toQString(foodGroupTitle(kFoodGroupCount - 1)));
        action("actionReverseGroupList")->trigger();
        QCOMPARE(groups->itemText(0), toQString(foodGroupTitle(0)));
    }

    void theScreenColourIsStoredAsTwoWordsOnOk()
    {
        f.frame().newDay();
        whenDialogOpens(
            [](QDialog* dialog) {
                auto* colours = qobject_cast<QColorDialog*>(dialog);
                QVERIFY(colours != nullptr);
                QCOMPARE(QColorDialog::customColor(0), QColor(Qt::white));
                colours->setCurrentColor(QColor(0, 128, 255));
                colours->accept();
            },
            QDialog::Accepted);
        action("actionScreenColor")->trigger();
        QCOMPARE(f.settings().readInt(setting::kColor, "View HW", -1), 255);
        QCOMPARE(f.settings().readInt(setting::kColor, "View LW", -1), 32768);
        QCOMPARE(viewBackgroundColor(f.settings()), (RgbColor{0, 128, 255}));
        const QImage shot = view()->grab().toImage();
        QCOMPARE(shot.pixelColor(2, 2), QColor(0, 128, 255));

        // Escape changes nothing.
        whenDialogOpens([](QDialog* dialog) {
            qobject_cast<QColorDialog*>(dialog)->setCurrentColor(QColor(10, 20, 30));
            dialog->reject();
        });
        action("actionScreenColor")->trigger();
        QCOMPARE(viewBackgroundColor(f.settings()), (RgbColor{0, 128, 255}));
    }

    void fatWarningOkRedrawsTheAnalysis()
    {
        f.frame().newDay();
        whenDialogOpens([](QDialog* dialog) {
            dialog->findChild<QSpinBox*>(QStringLiteral("percentSpinBox"))->setValue(12);
            dialog->accept();
        });
        action("actionFatWarning")->trigger();
        QCOMPARE(fatWarningPercent(f.settings()), 12);
        QCOMPARE(panel()->state().goals.fatWarningPercent, 12);

        whenDialogOpens([](QDialog* dialog) {
            dialog->findChild<QSpinBox*>(QStringLiteral("percentSpinBox"))->setValue(40);
            dialog->reject();
        });
        action("actionFatWarning")->trigger();
        QCOMPARE(panel()->state().goals.fatWarningPercent, 12);
    }

    void theOptionDialogsOpenFromTheirCommands()
    {
        f.frame().newDay();
        QVERIFY(opensDialog<CHealthyWeightDlg>("actionDesirableWeight"));
        QVERIFY(opensDialog<CMouseOptionDlg>("actionMouseOption"));
        QVERIFY(opensDialog<CPrintNutrientsDlg>("actionPrintNutrients"));
        QVERIFY(opensDialog<CDisplayNutrientsDlg>("actionDisplayNutrients"));
        QVERIFY(opensDialog<CRenameGroupsDlg>("actionManageFoodLists"));
        QVERIFY(opensDialog<CGeneratorOptionsDlg>("actionMenuGeneratorOptions"));
        QVERIFY(opensDialog<QPageSetupDialog>("actionFilePrintSetup"));
        QVERIFY(opensDialog<CAboutDlg>("actionAppAboutMenuItem"));
    }

    void emptyingAFoodListSavesTheFlagsAndRecountsTheMenus()
    {
        f.frame().newDay();
        f.app().attributes().set(12, CFoodAttributeDatabase::listMask(1));
        f.frame().prepareMenus();
        QVERIFY(action("actionListShow1")->text().contains(QStringLiteral("(1 item)")));
        whenDialogOpens([](QDialog* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("emptyGroupButton1")), Qt::LeftButton);
            dialog->reject();
        });
        action("actionManageFoodLists")->trigger();
        QCOMPARE(f.app().attributes().count(CFoodAttributeDatabase::listMask(1)), 0);
        QVERIFY(QFileInfo::exists(path("fad.dat")));
        QVERIFY(action("actionListShow1")->text().contains(QStringLiteral("(0 items)")));
    }

    // ---- Personal foods ------------------------------------------------------------------------------------

    void anAddedFoodShowsInTheShownPersonalList()
    {
        f.frame().newDay();
        test::addToActiveDay(f.frame(), 0, 244);
        action("actionShowPersonalFoods")->trigger();
        const int before = foodList()->count();
        whenDialogOpens([](QDialog* dialog) {
            // The active view's current meal fills the dialog.
            QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("value0"))->text(), QStringLiteral("244"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
            name->setText(QStringLiteral("Morning milk"));
            dialog->findChild<QLineEdit*>(QStringLiteral("unitEdit"))->setText(QStringLiteral("1 glass"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("addButton")), Qt::LeftButton);
        });
        action("actionAddFood")->trigger();
        QCOMPARE(foodList()->count(), before + 1);
        QVERIFY(foodList()->foodName(foodList()->count() - 1).contains(QStringLiteral("Morning milk")));
    }

    void anEditedFoodChangesEveryOpenDay()
    {
        action("actionEditPersonalFood")->trigger();
        QCOMPARE(Prompts::takeShownMessages().size(), 1);
        PersonalFoodValues values{};
        values[kWeight] = 100.0f;
        values[kCalories] = 200.0f;
        QCOMPARE(f.app().personalFoods().append("Stew", "1 bowl", values).id, FoodId{643});
        std::vector<CFofView*> views;
        for (const Grams grams : {100, 50}) {
            f.frame().newDay();
            test::addToActiveDay(f.frame(), 643, grams);
            views.push_back(view());
        }
        action("actionShowPersonalFoods")->trigger();
        whenDialogOpens([](QDialog* dialog) {
            const auto edit = [dialog](const char* name) { return dialog->findChild<QLineEdit*>(QLatin1String(name)); };
            // The food selected in the day's list, as stored.
            QCOMPARE(edit("nameEdit")->text(), QStringLiteral("Stew"));
            QCOMPARE(edit("unitEdit")->text(), QStringLiteral("1 bowl"));
            QCOMPARE(edit("value1")->text(), QStringLiteral("200"));
            auto* pyramid = dialog->findChild<QComboBox*>(QStringLiteral("pyramidGroupBox"));
            QCOMPARE(pyramid->currentIndex(), 0);
            auto* save = dialog->findChild<QPushButton*>(QStringLiteral("saveButton"));
            edit("nameEdit")->clear();
            QTest::mouseClick(save, Qt::LeftButton);
            QCOMPARE(Prompts::takeShownMessages(), QStringList{QStringLiteral("Name: Please type the food's name.")});
            edit("nameEdit")->setText(QStringLiteral("Beef stew"));
            edit("value1")->setText(QStringLiteral("300"));
            pyramid->setCurrentIndex(1 + kPyramidMeat);
            QTest::mouseClick(save, Qt::LeftButton);
        });
        action("actionEditPersonalFood")->trigger();

        QVERIFY(test::readFile(f.dir().file("userfood.txt")).starts_with("\"Beef stew [1 bowl]\", 100, 300, "));
        QVERIFY(foodList()->foodName(0).startsWith(QStringLiteral("Beef stew")));
        for (std::size_t day = 0; day < views.size(); ++day) {
            const CFofDoc& shown = views[day]->document();
            QCOMPARE(shown.dayNutrients()[kCalories], day == 0 ? 300.0f : 150.0f);
            QVERIFY(shown.entryPyramidServings(shown.entry(kBreakfast, 0))[kPyramidMeat] > 0.0f);
            auto* meal = views[day]->findChild<CFoodListBox*>(QStringLiteral("mealList"));
            QVERIFY(meal->foodName(0).startsWith(QStringLiteral("Beef stew")));
        }
    }

    // ---- Printing and exporting ----------------------------------------------------------------------------

    void exportToPdfWritesTheReport()
    {
        f.frame().newDay();
        test::addToActiveDay(f.frame(), 0, 244);
        Prompts::setNextFileName(path("day"));
        action("actionFileExportPdf")->trigger();
        const std::string pdf = test::readFile(f.dir().file("day.pdf"));
        QVERIFY(pdf.starts_with("%PDF"));
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QVERIFY(f.frame().statusMessage().contains(QStringLiteral("day.pdf")));
    }

    void exportToCsvWritesTheDayTable()
    {
        f.frame().newDay();
        test::addToActiveDay(f.frame(), 0, 244);
        view()->selectMeal(kDinner);
        test::addToActiveDay(f.frame(), 454, 100);
        Prompts::setNextFileName(path("day.csv"));
        action("actionFileExportCsv")->trigger();
        QCOMPARE(test::readFile(f.dir().file("day.csv")), dayCsv(document()));
    }

    void anExportThatCannotBeWrittenIsReported()
    {
        f.frame().newDay();
        Prompts::setNextFileName(path("missing/day.csv"));
        action("actionFileExportCsv")->trigger();
        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first().contains(QStringLiteral("day.csv")));
        Prompts::setNextFileName(path("missing/day.pdf"));
        action("actionFileExportPdf")->trigger();
        QCOMPARE(Prompts::takeShownMessages().size(), 1);
        // A cancelled file dialog does nothing.
        action("actionFileExportPdf")->trigger();
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void printPreviewOpensOnTheReport()
    {
        f.frame().newDay();
        test::addToActiveDay(f.frame(), 0, 244);
        action("actionFilePrintPreview")->trigger();
        auto* preview = f.frame().findChild<QPrintPreviewDialog*>(QStringLiteral("reportPreviewDialog"));
        QVERIFY(preview != nullptr);
        QVERIFY(preview->isVisible());
        auto* pages = preview->findChild<QPrintPreviewWidget*>(QStringLiteral("reportPreview"));
        QVERIFY(pages != nullptr);
        QTRY_COMPARE(pages->pageCount(), 1);
        preview->close();
        test::deleteClosedWindows();
        QVERIFY(f.frame().findChild<QPrintPreviewDialog*>() == nullptr);
    }

    void printOffersThePageRangeAndPrints()
    {
        f.frame().newDay();
        test::addToActiveDay(f.frame(), 0, 244);
        int maximum = 0;
        const QString printed = path("printed.pdf");
        whenDialogOpens(
            [&maximum, printed](QDialog* dialog) {
                auto* print = qobject_cast<QPrintDialog*>(dialog);
                QVERIFY(print != nullptr);
                QVERIFY(print->testOption(QAbstractPrintDialog::PrintPageRange));
                maximum = print->maxPage();
                // Printed to a file, as a machine without a printer does.
                print->printer()->setOutputFormat(QPrinter::PdfFormat);
                print->printer()->setOutputFileName(printed);
            },
            QDialog::Accepted);
        action("actionFilePrint")->trigger();
        QCOMPARE(maximum, 1);
        QVERIFY(test::readFile(toPath(printed)).starts_with("%PDF"));
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void thePrinterFontIsStoredOnOk()
    {
        QFont chosen;
        whenDialogOpens([&chosen](QDialog* dialog) {
            auto* fonts = qobject_cast<QFontDialog*>(dialog);
            QVERIFY(fonts != nullptr);
            // It opens at the stored font, Arial 0.6 of the printer's text by default.
            QCOMPARE(fonts->currentFont().pointSize(), printerFontInPoints(PrinterFontSetting{}).pointSize());
            QFont font(QFontDatabase::families().first());
            font.setPointSize(14);
            fonts->setCurrentFont(font);
            chosen = fonts->currentFont();
            fonts->accept();
        });
        action("actionPrinterFont")->trigger();
        const PrinterFontSetting stored = printerFont(f.settings());
        QCOMPARE(stored, printerFontSetting(chosen));
        QCOMPARE(QString::fromStdString(stored.faceName), QFontDatabase::families().first());
        QVERIFY(stored.height != 0);
        QVERIFY(Prompts::takeShownMessages().isEmpty());

        // Escape stores nothing.
        whenDialogOpens([](QDialog* dialog) {
            QFont font(QFontDatabase::families().last());
            font.setPointSize(30);
            qobject_cast<QFontDialog*>(dialog)->setCurrentFont(font);
            dialog->reject();
        });
        action("actionPrinterFont")->trigger();
        QCOMPARE(printerFont(f.settings()), stored);
    }

    // ---- Help ----------------------------------------------------------------------------------------------

    void helpCommandsOpenTheirPages_data()
    {
        QTest::addColumn<QString>("actionName");
        QTest::addColumn<int>("topic");
        QTest::newRow("F1") << QStringLiteral("actionHelp") << static_cast<int>(HelpTopic::kContents);
        QTest::newRow("introduction") << QStringLiteral("actionHelpIntroduction")
                                      << static_cast<int>(HelpTopic::kIntroduction);
        QTest::newRow("top tips") << QStringLiteral("actionHelpTopTips") << static_cast<int>(HelpTopic::kTopTips);
        QTest::newRow("catalogue") << QStringLiteral("actionHelpCatalogue")
                                   << static_cast<int>(HelpTopic::kFoodCatalogue);
    }

    void helpCommandsOpenTheirPages()
    {
        QFETCH(QString, actionName);
        QFETCH(int, topic);
        action(qPrintable(actionName))->trigger();
        HelpWindow* help = HelpWindow::instance();
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QCOMPARE(helpPage(), helpTopicUrl(static_cast<HelpTopic>(topic)));
        QVERIFY(!help->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"))->toPlainText().isEmpty());
    }

    void contextHelpOpensThePageOfWhatIsClicked()
    {
        f.frame().newDay();
        action("actionContextHelp")->trigger();
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
        auto* mealList = view()->findChild<QWidget*>(QStringLiteral("mealList"));
        QTest::mouseClick(mealList, Qt::LeftButton);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(helpPage(), helpTopicUrl(HelpTopic::kDayWindow));

        // A menu title names its menu's page.
        action("actionContextHelp")->trigger();
        QMenuBar* bar = f.frame().menuBar();
        const QList<QAction*> titles = bar->actions();
        const auto options = std::find_if(titles.begin(), titles.end(), [](const QAction* item) {
            return item->menu() != nullptr && item->menu()->objectName() == QStringLiteral("menuOptions");
        });
        QVERIFY(options != titles.end());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(*options).center());
        QCOMPARE(helpPage(), helpTopicUrl(HelpTopic::kOptionsMenu));
        QVERIFY((*options)->menu()->isHidden());

        // Escape ends it without a page; a later click is a plain click again.
        HelpWindow::instance()->openTopic(HelpTopic::kTopTips);
        action("actionContextHelp")->trigger();
        QTest::keyClick(mealList, Qt::Key_Escape);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QTest::mouseClick(mealList, Qt::LeftButton);
        QCOMPARE(helpPage(), helpTopicUrl(HelpTopic::kTopTips));
    }
};

QTEST_MAIN(MainWindowToolsTest)
#include "main_window_tools_test.moc"
