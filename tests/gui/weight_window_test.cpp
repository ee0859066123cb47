#include "food_commands_test_support.h"

#include "log_weight_dialog.h"
#include "qt_bridge.h"
#include "weight_window.h"

#include "format/day_file.h"
#include "format/diary_folder.h"
#include "model/day_document.h"
#include "model/settings_keys.h"

#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>

using namespace mw;
using namespace mw::gui;

class WeightWindowTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;

    DiaryFolder diary() const { return DiaryFolder(f.dir().path() / "diary"); }

    // Series by name: weigh-ins, trend, ideal weight.
    static int points(const CWeightWindow* window, const QString& name)
    {
        for (QAbstractSeries* series : window->chart()->series()) {
            if (series->name() == name) {
                return static_cast<int>(static_cast<QXYSeries*>(series)->count());
            }
        }
        return -1;
    }

    CWeightWindow* openWindow()
    {
        f.action("actionDiaryWeightChart")->trigger();
        return f.frame().findChild<CWeightWindow*>(QStringLiteral("weightWindow"));
    }

private slots:
    void initTestCase() { initResources(); }
    void init()
    {
        f.start();
        storeDiaryFolder(f.settings(), fromPath(diary().path()).toStdString());
    }
    void cleanup() { f.stop(); }

    void anEmptyLogSaysHowToStart()
    {
        CWeightWindow* window = openWindow();
        QVERIFY(window != nullptr);
        QCOMPARE(points(window, QStringLiteral("Weigh-ins")), 0);
        QVERIFY(window->sentences().front().startsWith(QStringLiteral("No weight is logged yet")));
        QVERIFY(!std::filesystem::exists(diary().path()));
    }

    void loggingEditingAndUndoingAWeight()
    {
        // Nineteen days of weigh-ins ending four days ago, every other day, and fourteen days of milk.
        const DiaryDate today = localToday();
        WeightLog log;
        for (int d = 22; d >= 4; d -= 2) {
            log.set(addDays(today, -d), 1800 - d);
        }
        QVERIFY(!diary().ensureExists());
        QVERIFY(!saveWeightLog(diary().weightLogFile(), log));
        for (int d = 4; d < 18; ++d) {
            CFofDoc document(f.app().foods());
            document.appendEntry(kBreakfast, 0, 244);
            QVERIFY(!saveDayFile(diary().dayFile(addDays(today, -d)), document));
        }
        CWeightWindow* window = openWindow();
        QVERIFY(window != nullptr);
        QCOMPARE(points(window, QStringLiteral("Weigh-ins")), 10);
        QCOMPARE(points(window, QStringLiteral("Trend")), 19);
        QCOMPARE(points(window, QStringLiteral("Ideal weight")), 2);
        QCOMPARE(window->sentences().size(), 3);
        QVERIFY2(window->sentences()[1].startsWith(QStringLiteral("That is a daily")),
                 qPrintable(window->sentences()[1]));
        QVERIFY2(window->sentences()[2].contains(QStringLiteral("(from 14 recorded diary days)")),
                 qPrintable(window->sentences()[2]));
        QVERIFY(window->hoverText(1).endsWith(QStringLiteral(" (between weigh-ins), trend 177.8 lb")));

        // Log Weight: today, 170 lb, through the dialog.
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<CLogWeightDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->findChild<QLineEdit*>(QStringLiteral("logWeightValue"))->setText(QStringLiteral("0"));
            dialog->accept(); // refused: not above 0
            QCOMPARE(Prompts::takeShownMessages().size(), 1);
            dialog->findChild<QLineEdit*>(QStringLiteral("logWeightValue"))->setText(QStringLiteral("170"));
            dialog->accept();
        });
        window->findChild<QPushButton*>(QStringLiteral("weightLog"))->click();
        QCOMPARE(points(window, QStringLiteral("Weigh-ins")), 11);
        QCOMPARE(points(window, QStringLiteral("Trend")), 23);
        QVERIFY(test::readFile(diary().weightLogFile()).ends_with(isoDateText(today) + ",170.0\n"));

        // Editing today's weight in the table, then undoing the edit and the log.
        auto* table = window->findChild<QTableWidget*>(QStringLiteral("weightTable"));
        QCOMPARE(table->item(0, 0)->text(), toQString(isoDateText(today)));
        table->item(0, 1)->setText(QStringLiteral("171.5"));
        QCOMPARE(window->content().log.weightOn(today), std::optional<WeightTenths>(1715));
        window->findChild<QPushButton*>(QStringLiteral("weightUndo"))->click();
        QCOMPARE(window->content().log.weightOn(today), std::optional<WeightTenths>(1700));
        window->findChild<QPushButton*>(QStringLiteral("weightUndo"))->click();
        QCOMPARE(window->content().log.weightOn(today), std::nullopt);
        QCOMPARE(points(window, QStringLiteral("Weigh-ins")), 10);
        QCOMPARE(readWeightLog(diary().weightLogFile()).log.entries().size(), 10u);

        // Deleting the newest weigh-in; the 30-day range and kilograms.
        table->selectRow(0);
        window->findChild<QPushButton*>(QStringLiteral("weightDelete"))->click();
        QCOMPARE(points(window, QStringLiteral("Weigh-ins")), 9);
        auto* range = window->findChild<QComboBox*>(QStringLiteral("weightRangeBox"));
        range->setCurrentIndex(range->findData(30));
        f.action("actionWeightsInKilograms")->trigger();
        QVERIFY(window->sentences().front().contains(QStringLiteral(" kg a week")));
        QVERIFY(Prompts::takeShownMessages().isEmpty());

        // It stays whole on a small screen.
        window->resize(window->minimumSizeHint().expandedTo(QSize(200, 200)));
        QVERIFY(window->minimumSizeHint().width() <= 800 && window->minimumSizeHint().height() <= 600);
    }
};

QTEST_MAIN(WeightWindowTest)
#include "weight_window_test.moc"
