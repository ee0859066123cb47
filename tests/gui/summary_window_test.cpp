#include "food_commands_test_support.h"

#include "qt_bridge.h"
#include "summary_window.h"

#include "calc/analysis.h"
#include "format/day_file.h"
#include "model/day_document.h"

#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>

using namespace mw;
using namespace mw::gui;
using namespace mw::render;

class SummaryWindowTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;

    // Milk (0) and food 1 in the given grams; 0 g leaves food 1 out.
    QString writeDay(const char* name, Grams milk, Grams apple)
    {
        CFofDoc document(f.app().foods());
        document.appendEntry(kBreakfast, 0, milk);
        if (apple > 0) {
            document.appendEntry(kLunch, 1, apple);
        }
        const std::filesystem::path path = f.dir().file(name);
        if (saveDayFile(path, document)) {
            qFatal("day not written");
        }
        return fromPath(path);
    }

    CSummaryWindow* summarize(const QStringList& files)
    {
        Prompts::setNextFileNames(files);
        f.action("actionFileSummarizeDays")->trigger();
        return f.frame().findChild<CSummaryWindow*>(QStringLiteral("summaryWindow"));
    }

private slots:
    void initTestCase() { initResources(); }
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    void aSummaryShowsEachDayTheAverageAndItsGoalAndLeavesOutWhatCannotBeRead()
    {
        const QString mon = writeDay("mon.ypd", 244, 138);
        const QString tue = writeDay("tue.ypd", 488, 0);
        const QString broken = fromPath(f.dir().file("broken.ypd"));
        test::writeFile(toPath(broken), std::string("\x02", 1));
        QVERIFY(f.frame().openDay(mon) != nullptr);

        CSummaryWindow* window = summarize({mon, tue, broken});
        QVERIFY(window != nullptr);
        QCOMPARE(Prompts::takeOfferedFileNames(), QStringList{mon});

        const auto* table = window->findChild<QTableWidget*>(QStringLiteral("summaryTable"));
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->columnCount(), 1 + kNutrientCount);
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Calories (kcal)"));
        const DaysSummary& summary = window->content().summary;
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("tue.ypd"));
        QCOMPARE(table->item(2, 0)->text(), QStringLiteral("Average of 2 days"));
        QCOMPARE(table->item(3, 0)->text(), QStringLiteral("% Goal"));
        // Grams: 244 + 138 on Monday, 488 on Tuesday.
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("382"));
        QCOMPARE(table->item(2, 1)->text(), QStringLiteral("435"));
        // The % goal of the calories against the requirement, coloured by the level of the preferred range.
        const AnalysisGoals& goals = window->content().goals;
        const int percent = static_cast<int>(summary.average[kCalories] * 100.0 / goalOf(goals, kCalories));
        QCOMPARE(table->item(3, 2)->text(), QStringLiteral("%1%").arg(percent));
        QCOMPARE(table->item(3, 2)->background().color(), QColor(255, 255, 0)); // below the range
        QCOMPARE(table->item(3, 1)->text(), QString());

        const auto* unreadable = window->findChild<QListWidget*>(QStringLiteral("summaryUnreadableList"));
        QCOMPARE(unreadable->count(), 1);
        QVERIFY(unreadable->item(0)->text().startsWith(QStringLiteral("broken.ypd: ")));

        // The chart: calories per day and the chosen nutrient's % goal per day.
        const auto* chart = window->findChild<SummaryChart*>(QStringLiteral("summaryChart"));
        QCOMPARE(chart->data().calories,
                 (std::vector<float>{summary.days[0].totals[kCalories], summary.days[1].totals[kCalories]}));
        window->findChild<QComboBox*>(QStringLiteral("summaryNutrientBox"))->setCurrentIndex(kIron - 1);
        QCOMPARE(chart->data().nutrient, int(kIron));
        QCOMPARE(chart->data().percent[1], percentOfGoal(summary.days[1].totals, kIron, goals));
        window->resize(900, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const SummaryChartGeometry geometry =
            summaryChartGeometry(chart->chartRect(), chart->data(), chart->fontMetrics().height());
        const QString tip = chart->toolTipAt(geometry.calorieBars[1].center());
        QVERIFY2(tip.startsWith(QStringLiteral("tue.ypd\n300 kcal")), qPrintable(tip));
        QVERIFY(chart->toolTipAt(QPoint(1, 1)).isEmpty());
        // The percent scale is marked every 25 % or 50 %, and Escape closes the window, as it closes a dialog.
        QVERIFY(geometry.percentTicks.size() >= 2 && geometry.percentTicks[0].percent <= 50);
        const QPointer<CSummaryWindow> closing(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Escape);
        test::deleteClosedWindows();
        QVERIFY(closing.isNull());
    }

    void theSummaryIsExportedAsCsvAndPdf()
    {
        CSummaryWindow* window = summarize({writeDay("a.ypd", 100, 100)});
        QVERIFY(window != nullptr);
        const std::filesystem::path csv = f.dir().file("week.csv");
        const std::filesystem::path pdf = f.dir().file("week.pdf");
        Prompts::setNextFileName(fromPath(csv));
        window->findChild<QPushButton*>(QStringLiteral("summaryExportCsv"))->click();
        Prompts::setNextFileName(fromPath(pdf));
        window->findChild<QPushButton*>(QStringLiteral("summaryExportPdf"))->click();
        QVERIFY(test::readFile(csv).find("\r\na.ypd,200,") != std::string::npos);
        QVERIFY(test::readFile(csv).find("\r\nAverage of 1 day,200,") != std::string::npos);
        QCOMPARE(test::readFile(pdf).substr(0, 5), std::string("%PDF-"));
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }
};

QTEST_MAIN(SummaryWindowTest)
#include "summary_window_test.moc"
