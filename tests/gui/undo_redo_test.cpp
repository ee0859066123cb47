#include "food_commands_test_support.h"

#include "model/food_item_text.h"
#include "model/settings_keys.h"

#include <QApplication>
#include <QPushButton>
#include <QUndoStack>

#include <functional>
#include <vector>

using namespace mw;
using namespace mw::gui;

namespace {

// What the day holds and shows after a step: its entries, the meal shown and the totals.
struct DayState
{
    DayMeals meals;
    int shownMeal = 0;
    DayTotals totals;
    friend bool operator==(const DayState&, const DayState&) = default;
};

} // namespace

class UndoRedoTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;

    CDayWindow* day() { return f.frame().activeDayWindow(); }
    DayState state() { return {day()->document().meals(), f.view()->currentMeal(), f.view()->document().totals()}; }

    void click(const char* button) { QTest::mouseClick(f.control<QPushButton>(button), Qt::LeftButton); }

    void selectEntry(int row)
    {
        f.mealList()->setCurrentRow(row);
        test::FoodCommandsFixture::settle();
    }

    // Every kind of change a user makes, each through the control or command a user takes.
    std::vector<std::function<void()>> userEdits()
    {
        return {
            [this] { click("eatButton"); },
            [this] {
                f.foodList()->setCurrentRow(3);
                click("eatButton");
            },
            [this] {
                selectEntry(0);
                f.control<QLineEdit>("amountEdit")->setText(QStringLiteral("150"));
                click("amountOkButton");
            },
            [this] { f.action("actionMealCopy")->trigger(); },
            [this] { f.mealBox()->setCurrentIndex(kDinner); },
            [this] { f.action("actionMealPaste")->trigger(); },
            [this] {
                selectEntry(1);
                click("deleteButton");
            },
            [this] { f.action("actionMealCut")->trigger(); },
            [this] { f.action("actionMealPaste")->trigger(); },
            [this] { f.action("actionMealClear")->trigger(); },
            [this] { f.action("actionMenuGenerator")->trigger(); },
            [this] { click("eatButton"); },
        };
    }

private slots:
    void init()
    {
        f.start();
        f.frame().newDay();
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame()));
        QVERIFY(!storeMenuTargetCalories(f.settings(), 2000));
    }

    void cleanup() { f.stop(); }

    void undoAndRedoRetraceEveryChangeExactly()
    {
        QAction* undo = f.action("actionEditUndo");
        QAction* redo = f.action("actionEditRedo");
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));

        // The day before and after each step; choosing another meal in between is no step.
        std::vector<DayState> before;
        std::vector<DayState> after;
        for (const auto& edit : userEdits()) {
            const DayState start = state();
            edit();
            test::FoodCommandsFixture::settle();
            if (!(state().meals == start.meals)) {
                before.push_back(start);
                after.push_back(state());
            }
        }
        QCOMPARE(day()->history().count(), static_cast<int>(after.size()));
        QCOMPARE(after.size(), std::size_t{10});
        QCOMPARE(undo->text(),
                 QStringLiteral("&Undo Add ") + f.foodList()->foodName(f.foodList()->currentIndex().row()));

        // Back to the start by the keys, each step exactly as it was and showing its meal, then forward again.
        for (auto expected = before.rbegin(); expected != before.rend(); ++expected) {
            QTest::keySequence(&f.frame(), QKeySequence(Qt::CTRL | Qt::Key_Z));
            QVERIFY(state() == *expected);
        }
        QVERIFY(!undo->isEnabled());
        QVERIFY(!day()->isModified());
        QVERIFY(redo->text().startsWith(QStringLiteral("&Redo Add ")));
        for (const DayState& expected : after) {
            redo->trigger();
            QVERIFY(state() == expected);
        }
        QVERIFY(!redo->isEnabled());
        QVERIFY(day()->isModified());
        QTest::keySequence(&f.frame(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QTest::keySequence(&f.frame(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QVERIFY(state() == after.back());
    }

    void captionsNameTheStepAndItsMeal()
    {
        f.action("actionMenuGenerator")->trigger();
        const int target = menuTargetCalories(f.settings());
        QCOMPARE(f.action("actionEditUndo")->text(), QStringLiteral("&Undo Generate a %1-calorie Menu").arg(target));
        f.action("actionMealClear")->trigger();
        const QString meal = f.mealBox()->currentText();
        QCOMPARE(f.action("actionEditUndo")->text(), QStringLiteral("&Undo Clear ") + meal);
        f.action("actionEditUndo")->trigger();
        QCOMPARE(f.action("actionEditRedo")->text(), QStringLiteral("&Redo Clear ") + meal);
        QCOMPARE(f.action("actionEditRedo")->statusTip(), QStringLiteral("Redo the change last undone"));
    }

    void theModifiedFlagFollowsTheSavedState()
    {
        click("eatButton");
        click("eatButton");
        QVERIFY(day()->isModified());
        QVERIFY(day()->saveTo(QString::fromStdString((f.dir().path() / "day.ypd").string())));
        QVERIFY(!day()->isModified());
        f.action("actionEditUndo")->trigger();
        QVERIFY(day()->isModified());
        QVERIFY(day()->isWindowModified());
        f.action("actionEditRedo")->trigger();
        QVERIFY(!day()->isModified());
        QVERIFY(!day()->isWindowModified());
        // A new change after an undo leaves the saved state out of reach.
        f.action("actionEditUndo")->trigger();
        click("eatButton");
        QVERIFY(day()->isModified());
    }

    void commandsThatLeaveTheDayAloneAreNoSteps()
    {
        click("eatButton");
        f.foodList()->setCurrentRow(2);
        f.action("actionHideFood")->trigger();
        f.action("actionShowPersonalFoods")->trigger();
        f.action("actionMealCopy")->trigger();
        QCOMPARE(day()->history().count(), 1);
    }

    void eachDayKeepsItsOwnHistory()
    {
        click("eatButton");
        CDayWindow* first = day();
        f.frame().newDay();
        QVERIFY(!f.action("actionEditUndo")->isEnabled());
        f.frame().mdiArea()->setActiveSubWindow(first);
        QVERIFY(f.action("actionEditUndo")->isEnabled());
        f.action("actionEditUndo")->trigger();
        QVERIFY(first->document().meal(kBreakfast).empty());
    }
};

QTEST_MAIN(UndoRedoTest)
#include "undo_redo_test.moc"
