#include "food_commands_test_support.h"

#include "model/meal_clipboard.h"

#include <QApplication>
#include <QPushButton>

using namespace mw;
using namespace mw::gui;

namespace {

constexpr FoodId kMilk = 0;
constexpr FoodId kRoastedBreast = 88;
constexpr FoodId kPuffedWheat = 439;

const QString kMealEmpty = QStringLiteral("Meal is empty!");
const QString kClipboardEmpty = QStringLiteral("Clipboard is empty! Nothing to paste.");

QList<FoodId> mealFoods(const CFofDoc& day, MealIndex meal)
{
    QList<FoodId> foods;
    for (std::size_t k = 0; k < day.entryCount(meal); ++k) {
        foods.append(day.entry(meal, k).foodId());
    }
    return foods;
}

} // namespace

// The clipboard lives as long as the program, so the case that needs it empty comes first.
class MealClipboardGuiTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;

    void selectMeal(MealIndex meal)
    {
        f.mealBox()->setCurrentIndex(meal);
        test::FoodCommandsFixture::settle();
    }

    void checkTotals()
    {
        const CFofDoc& day = f.view()->document();
        QVERIFY(f.view()->document().totals() == computeTotals(day.meals(), day.foods()));
    }

    // The key as the user presses it in the day window.
    void press(const QKeySequence& keys)
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target != nullptr);
        QTest::keySequence(target, keys);
    }

private slots:
    void initTestCase() { initResources(); }

    void init()
    {
        f.start();
        f.frame().newDay();
    }

    void cleanup() { f.stop(); }

    void pastingFromAnEmptyClipboardSaysSo()
    {
        QVERIFY(MealClipboard::instance().empty());
        f.frame().updateCommands();
        QVERIFY(!f.action("actionMealPaste")->isEnabled());
        f.view()->pasteMeal();
        QCOMPARE(Prompts::takeShownMessages(), QStringList({kClipboardEmpty}));
        QCOMPARE(f.view()->document().entryCount(kBreakfast), std::size_t(0));
        QVERIFY(!f.frame().activeDayWindow()->isModified());
    }

    void anEmptyMealCannotBeTaken()
    {
        f.frame().updateCommands();
        for (const char* name : {"actionMealCut", "actionMealCopy", "actionMealClear"}) {
            QVERIFY2(!f.action(name)->isEnabled(), name);
        }
        f.view()->copyMeal();
        f.view()->cutMeal();
        f.view()->clearMeal();
        QCOMPARE(Prompts::takeShownMessages(), QStringList({kMealEmpty, kMealEmpty, kMealEmpty}));
        QVERIFY(!f.frame().activeDayWindow()->isModified());

        test::addToActiveDay(f.frame(), kMilk, 0);
        for (const char* name : {"actionMealCut", "actionMealCopy", "actionMealClear"}) {
            QVERIFY2(f.action(name)->isEnabled(), name);
        }
        // Another meal, empty again.
        selectMeal(kLunch);
        QVERIFY(!f.action("actionMealCopy")->isEnabled());
    }

    void copyInOneDayAndPasteInAnother()
    {
        CDayWindow* first = f.frame().activeDayWindow();
        test::addToActiveDay(f.frame(), kMilk, 0);
        test::addToActiveDay(f.frame(), kRoastedBreast, 0);
        f.action("actionMealCopy")->trigger();
        QVERIFY(f.action("actionMealPaste")->isEnabled());

        CDayWindow* second = f.frame().newDay();
        QCOMPARE(f.frame().activeDayWindow(), second);
        QVERIFY(f.action("actionMealPaste")->isEnabled());
        selectMeal(kLunch);
        test::addToActiveDay(f.frame(), kPuffedWheat, 0);
        // Right after the selected entry.
        f.mealList()->setCurrentRow(0);
        f.action("actionMealPaste")->trigger();
        QCOMPARE(mealFoods(second->document(), kLunch), QList<FoodId>({kPuffedWheat, kMilk, kRoastedBreast}));
        QCOMPARE(f.mealList()->count(), 3);
        QCOMPARE(test::idAt(f.mealList(), 2), static_cast<unsigned long>(kRoastedBreast));
        QCOMPARE(f.view()->currentMeal(), int(kLunch));
        QVERIFY(second->isModified());
        checkTotals();

        // With no entry selected, at the start; the clipboard keeps its foods.
        f.mealList()->clearSelection();
        f.action("actionMealPaste")->trigger();
        QCOMPARE(mealFoods(second->document(), kLunch),
                 QList<FoodId>({kMilk, kRoastedBreast, kPuffedWheat, kMilk, kRoastedBreast}));
        checkTotals();
        QCOMPARE(mealFoods(first->document(), kBreakfast), QList<FoodId>({kMilk, kRoastedBreast}));

        // A pasted entry is the meal's own.
        const Grams copied = MealClipboard::instance().entries()[0].amount();
        QVERIFY(second->document().setAmount(kLunch, 0, copied + 50));
        QCOMPARE(MealClipboard::instance().entries()[0].amount(), copied);

        // Closing the day it came from leaves the clipboard as it was.
        first->history().setClean();
        first->close();
        test::deleteClosedWindows();
        QCOMPARE(MealClipboard::instance().entries().size(), std::size_t(2));
    }

    void cutAndPasteBackRestoresTheMeal()
    {
        test::addToActiveDay(f.frame(), kMilk, 0);
        test::addToActiveDay(f.frame(), kPuffedWheat, 0);
        test::addToActiveDay(f.frame(), kRoastedBreast, 0);
        const DayTotals before = f.view()->document().totals();
        f.action("actionMealCut")->trigger();
        QCOMPARE(f.view()->document().entryCount(kBreakfast), std::size_t(0));
        QCOMPARE(f.mealList()->count(), 0);
        QVERIFY(f.view()->document().totals().day() == NutrientVector{});
        QVERIFY(!f.action("actionMealCut")->isEnabled());
        f.action("actionMealPaste")->trigger();
        QCOMPARE(mealFoods(f.view()->document(), kBreakfast), QList<FoodId>({kMilk, kPuffedWheat, kRoastedBreast}));
        QVERIFY(f.view()->document().totals() == before);
    }

    void clearingAMealTakesItsTotalsFromTheDay()
    {
        test::addToActiveDay(f.frame(), kMilk, 0);
        selectMeal(kDinner);
        test::addToActiveDay(f.frame(), kRoastedBreast, 0);
        const CFofDoc& day = f.view()->document();
        const NutrientVector breastOnly = day.entryNutrients(day.entry(kDinner, 0));
        f.action("actionMealClear")->trigger();
        QCOMPARE(day.entryCount(kDinner), std::size_t(0));
        QVERIFY(f.view()->document().totals().meal(kDinner) == NutrientVector{});
        NutrientVector expected = f.view()->document().totals().meal(kBreakfast);
        QVERIFY(f.view()->document().totals().day() == expected);
        expected.add(breastOnly);
        QVERIFY(expected[kProtein] > f.view()->document().totals().day()[kProtein]);
        QCOMPARE(f.control<QLineEdit>("amountEdit")->text(), QString());
        checkTotals();
    }

    void theKeysOfTheEditMenu()
    {
        f.frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.frame()));
        test::addToActiveDay(f.frame(), kMilk, 0);
        test::addToActiveDay(f.frame(), kRoastedBreast, 0);
        f.control<QPushButton>("eatButton")->setFocus();

        press(QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(MealClipboard::instance().entries().size(), std::size_t(2));
        selectMeal(kLunch);
        f.control<QPushButton>("eatButton")->setFocus();
        press(QKeySequence(Qt::CTRL | Qt::Key_V));
        QCOMPARE(f.view()->document().entryCount(kLunch), std::size_t(2));
        press(QKeySequence(Qt::SHIFT | Qt::Key_Insert));
        QCOMPARE(f.view()->document().entryCount(kLunch), std::size_t(4));

        f.mealList()->setCurrentRow(0);
        test::addToActiveDay(f.frame(), kPuffedWheat, 0);
        f.control<QPushButton>("eatButton")->setFocus();
        press(QKeySequence(Qt::CTRL | Qt::Key_Insert));
        QCOMPARE(MealClipboard::instance().entries().size(), std::size_t(5));
        press(QKeySequence(Qt::SHIFT | Qt::Key_Delete));
        QCOMPARE(f.view()->document().entryCount(kLunch), std::size_t(0));

        selectMeal(kBreakfast);
        f.control<QPushButton>("eatButton")->setFocus();
        press(QKeySequence(Qt::CTRL | Qt::Key_X));
        QCOMPARE(f.view()->document().entryCount(kBreakfast), std::size_t(0));
        QCOMPARE(MealClipboard::instance().entries().size(), std::size_t(2));
        checkTotals();
    }
};

QTEST_MAIN(MealClipboardGuiTest)
#include "meal_clipboard_gui_test.moc"
