#include "balance_day_dialog.h"

#include "app_context.h"
#include "day_window.h"
#include "dialog_test_support.h"
#include "fof_view.h"
#include "frame_test_support.h"
#include "main_window.h"

#include "calc/linear_congruential_random.h"
#include "calc/menu_generator.h"

#include "support/temp_dir.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

using namespace mw;
using namespace mw::gui;
using mw::test::whenDialogOpens;

class BalanceDayDialogTest : public QObject
{
    Q_OBJECT

private:
    template <typename Widget>
    static Widget* child(QDialog* dialog, const char* name)
    {
        return mw::test::child<Widget>(*dialog, QLatin1String(name));
    }

private slots:
    void aPlanIsAppliedAndUndoneAsOneStep()
    {
        const test::TempDir dir;
        AppContext app(dir.path(), test::profileWithAnalysisSettings());
        CMainFrame frame(app, 1024);
        frame.show();
        CDayWindow* day = frame.newDay();
        LinearCongruentialRandom random(7);
        MenuGenerator(day->document(), random).GenerateMenu(1600);
        const DayMeals before = day->document().meals();

        whenDialogOpens([&](QDialog* dialog) {
            auto* balance = qobject_cast<CBalanceDayDlg*>(dialog);
            QVERIFY(balance != nullptr);
            QTRY_VERIFY_WITH_TIMEOUT(!balance->isPlanning(), 20000);
            QCOMPARE(balance->result().outcome, BalanceOutcome::kPlanned);
            const auto* plan = child<QListWidget>(dialog, "planList");
            QVERIFY(plan->count() >= 1 && plan->count() <= 3);
            QVERIFY(plan->item(0)->text().startsWith(QStringLiteral("Add ")));
            QVERIFY(child<QLabel>(dialog, "inRangeLabel")->text().startsWith(QStringLiteral("In range: ")));
            QCOMPARE(child<QTableWidget>(dialog, "nutrientTable")->rowCount(), 27);
            QCOMPARE(child<QListWidget>(dialog, "reasonList")->count(),
                     static_cast<int>(balance->result().outOfRange.size()));
            // Fewer foods, and the plan follows.
            child<QSpinBox>(dialog, "foodsSpin")->setValue(1);
            QTRY_VERIFY_WITH_TIMEOUT(!balance->isPlanning(), 20000);
            QCOMPARE(plan->count(), 1);
            QTest::mouseClick(child<QPushButton>(dialog, "applyButton"), Qt::LeftButton);
        });
        frame.findChild<QAction*>(QStringLiteral("actionBalanceDay"))->trigger();

        const auto entries = [](const DayMeals& meals) {
            std::size_t count = 0;
            for (const CMeal& meal : meals) {
                count += meal.size();
            }
            return count;
        };
        QCOMPARE(entries(day->document().meals()), entries(before) + 1);
        QCOMPARE(day->history().undoText(), QStringLiteral("Balance the Day"));
        day->history().undo();
        QCOMPARE(day->document().meals(), before);
        day->history().setClean();
    }

    void closeStopsThePlanning()
    {
        const test::TempDir dir;
        AppContext app(dir.path(), test::profileWithAnalysisSettings());
        CFofDoc day(app.foods());
        LinearCongruentialRandom random(3);
        MenuGenerator(day, random).GenerateMenu(2400);
        QUndoStack history;
        CBalanceDayDlg dialog(day, history, app.foods(), app.attributes(), app.settings(), kLunch);
        dialog.show();
        child<QCheckBox>(&dialog, "changeAmountsCheck")->setChecked(true);
        child<QSpinBox>(&dialog, "foodsSpin")->setValue(8);
        QVERIFY(dialog.isPlanning());
        QTest::mouseClick(child<QPushButton>(&dialog, "closeButton"), Qt::LeftButton);
        QVERIFY(!dialog.isPlanning());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(history.count(), 0);
    }
};

QTEST_MAIN(BalanceDayDialogTest)
#include "balance_day_dialog_test.moc"
