#include "food_commands_test_support.h"

#include "model/catalogue.h"
#include "qt_bridge.h"

#include <QSignalSpy>

#include <algorithm>

using namespace mw;
using namespace mw::gui;

namespace {

constexpr FoodId kMilk = 0;
constexpr FoodId kPuffedWheat = 439;
constexpr FoodId kButtermilk = 4;

} // namespace

class ViewSortTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;

    float per100g(unsigned long id, int nutrient) const
    {
        return f.app().foods().entryNutrients(static_cast<FoodId>(id), 100)[static_cast<std::size_t>(nutrient)];
    }

    QMenu* openSortPopup(const char* command)
    {
        f.action(command)->trigger();
        QMenu* popup = f.popup("sortPopup");
        if (popup == nullptr) {
            qFatal("no sort popup");
        }
        return popup;
    }

    QMenu* openFindPopup(const char* command)
    {
        f.frame().updateCommands();
        f.action(command)->trigger();
        QMenu* popup = f.popup("findPopup");
        if (popup == nullptr) {
            qFatal("no find popup");
        }
        return popup;
    }

    void find(const char* command, int nutrient)
    {
        QMenu* popup = openFindPopup(command);
        test::FoodCommandsFixture::nutrientItem(popup, nutrient)->trigger();
        popup->hide();
    }

    QToolButton* sortButton(bool ascending) const
    {
        return f.control<QToolButton>(ascending ? "sortAscendingButton" : "sortDescendingButton");
    }

private slots:
    void initTestCase() { initResources(); }

    void init()
    {
        f.start();
        f.frame().newDay();
    }

    void cleanup() { f.stop(); }

    void theSortPopupOffersTheNutrientsPer100g()
    {
        QMenu* popup = openSortPopup("actionSortDescending");
        QVERIFY(popup->isVisible());
        const QList<QAction*> items = popup->actions();
        QCOMPARE(items.size(), 4 + 27);
        QCOMPARE(items.at(0)->text(), QStringLiteral("Sort DESCENDING:"));
        QCOMPARE(items.at(1)->text(), QStringLiteral("(per 100g of food)"));
        QVERIFY(items.at(1)->isChecked());
        QCOMPARE(items.at(2)->text(), QStringLiteral("(per 100 kcal)"));
        QCOMPARE(items.at(3)->text(), QStringLiteral("(per serving)"));
        for (int nutrient = 1; nutrient <= 27; ++nutrient) {
            QCOMPARE(items.at(nutrient + 3)->text(), toQString(nutrientLongName(nutrient)));
            QCOMPARE(items.at(nutrient + 3)->data().toInt(), nutrient);
        }
        // Opens at the food list's left edge.
        const QPoint listLeft = f.foodList()->mapToGlobal(QPoint(0, 0));
        QVERIFY(std::abs(popup->pos().x() - listLeft.x()) <= 2);
        popup->hide();

        QCOMPARE(openSortPopup("actionSortAscending")->actions().at(0)->text(), QStringLiteral("Sort ASCENDING:"));
    }

    void choosingATitleDoesNothing()
    {
        const QStringList before = f.foodItems();
        QMenu* popup = openSortPopup("actionSortAscending");
        popup->actions().at(0)->trigger();
        popup->actions().at(1)->trigger();
        QCOMPARE(f.foodItems(), before);
        QVERIFY(!sortButton(true)->isChecked() && !sortButton(false)->isChecked());
        QVERIFY(!sortButton(true)->isChecked());
    }

    void sortDescendingByIronPer100g()
    {
        f.groupBox()->setCurrentIndex(20);
        const QStringList before = f.foodItems();
        QVERIFY(before.size() > 10);
        QMenu* popup = openSortPopup("actionSortDescending");
        test::FoodCommandsFixture::nutrientItem(popup, kIron)->trigger();

        // The order itself is the core sort's; the list shows it.
        QCOMPARE(f.foodItems().size(), before.size());
        QVERIFY(f.foodItems() != before);
        for (int row = 1; row < f.foodList()->count(); ++row) {
            QVERIFY(per100g(test::idAt(f.foodList(), row - 1), kIron) >= per100g(test::idAt(f.foodList(), row), kIron));
        }
        QVERIFY(sortButton(false)->isChecked());
        QVERIFY(!sortButton(true)->isChecked());

        // Filling the list from a group ends the sorted look.
        f.groupBox()->setCurrentIndex(3);
        QVERIFY(!sortButton(true)->isChecked() && !sortButton(false)->isChecked());
        QVERIFY(!sortButton(false)->isChecked());
    }

    void aSortedListShowsTheNutrientOfTheSelectedFood()
    {
        f.groupBox()->setCurrentIndex(20);
        f.view()->foodList().sortFoodList(kIron, SortDirection::kDescending);
        f.foodList()->setCurrentRow(1);
        QTRY_VERIFY(f.popup("nutrientInfoMenu") != nullptr);
        QMenu* info = f.popup("nutrientInfoMenu");
        QStringList lines;
        for (const QAction* line : info->actions()) {
            lines.append(line->text());
        }
        QCOMPARE(lines, nutrientInfoTexts(kIron, per100g(test::idAt(f.foodList(), 1), kIron)));
        QCOMPARE(lines.first(), QStringLiteral("Iron:"));
    }

    void sortingCalciumPer100kcalPutsTheBoiledLeafyGreensFirst()
    {
        f.groupBox()->setCurrentIndex(23);
        const QPointer<QMenu> first = openSortPopup("actionSortDescending");
        // A click closes the popup, then carries out the item; it opens again with the basis chosen, which the
        // profile keeps.
        QAction* per100kcal = first->findChild<QAction*>(QStringLiteral("popupSubtitle100kcal"));
        first->hide();
        per100kcal->trigger();
        QCoreApplication::processEvents();
        QVERIFY(first.isNull() && f.popup("sortPopup") != nullptr);
        QCOMPARE(sortBasis(f.settings()), SortBasis::kPer100kcal);
        QMenu* popup = f.popup("sortPopup");
        QVERIFY(popup->findChild<QAction*>(QStringLiteral("popupSubtitle100kcal"))->isChecked());
        QAction* calcium = test::FoodCommandsFixture::nutrientItem(popup, kCalcium);
        popup->hide();
        calcium->trigger();

        const QList<unsigned long> top = {test::idAt(f.foodList(), 0), test::idAt(f.foodList(), 1),
                                          test::idAt(f.foodList(), 2)};
        QCOMPARE(top, (QList<unsigned long>{518, 556, 550})); // bok choy, turnip greens and spinach, boiled
        f.foodList()->setCurrentRow(1);
        QTRY_VERIFY(f.popup("nutrientInfoMenu") != nullptr);
        QMenu* info = f.popup("nutrientInfoMenu");
        QCOMPARE(info->actions().at(1)->text(),
                 nutrientInfoTexts(kCalcium, nutrientOnBasis(f.app().foods(), 556, kCalcium, SortBasis::kPer100kcal),
                                   SortBasis::kPer100kcal)
                     .at(1));
        QVERIFY(info->actions().at(1)->text().endsWith(QStringLiteral(" mg per 100 kcal")));
    }

    void theSortButtonsOpenThePopupAndShowTheSortInForce()
    {
        QTest::mouseClick(sortButton(true), Qt::LeftButton);
        QMenu* popup = f.popup("sortPopup");
        QVERIFY(popup != nullptr);
        QCOMPARE(popup->actions().at(0)->text(), QStringLiteral("Sort ASCENDING:"));
        // The click alone does not give the sorted look.
        QVERIFY(!sortButton(true)->isChecked());
        test::FoodCommandsFixture::nutrientItem(popup, kAlcohol)->trigger();
        QVERIFY(sortButton(true)->isChecked());
        QVERIFY(!sortButton(false)->isChecked());
        // Foods without alcohol come first when ascending.
        QCOMPARE(per100g(test::idAt(f.foodList(), 0), kAlcohol), 0.0f);

        QTest::mouseClick(sortButton(false), Qt::LeftButton);
        QVERIFY(sortButton(true)->isChecked());
        QVERIFY(!sortButton(false)->isChecked());
        test::FoodCommandsFixture::nutrientItem(f.popup("sortPopup"), kAlcohol)->trigger();
        QVERIFY(sortButton(false)->isChecked());
        QVERIFY(!sortButton(true)->isChecked());
        const int last = f.foodList()->count() - 1;
        QCOMPARE(per100g(test::idAt(f.foodList(), last), kAlcohol), 0.0f);
    }

    void aListOfOneLineIsNotSorted()
    {
        f.action("actionSearchFood")->trigger();
        f.searchEdit()->setText(QStringLiteral("buttermilk"));
        f.view()->foodList().globalSearch();
        QCOMPARE(f.foodList()->count(), 1);
        f.view()->foodList().sortFoodList(kIron, SortDirection::kAscending);
        QVERIFY(!sortButton(true)->isChecked() && !sortButton(false)->isChecked());
        QVERIFY(!sortButton(true)->isChecked());
        QCOMPARE(test::idAt(f.foodList(), 0), static_cast<unsigned long>(kButtermilk));
    }

    void findNeedsAFoodInTheDay()
    {
        f.frame().updateCommands();
        QVERIFY(!f.action("actionFindHighest")->isEnabled());
        QVERIFY(!f.action("actionFindLowest")->isEnabled());
        f.view()->findInMeals(kIron);
        QCOMPARE(Prompts::takeShownMessages(), QStringList({QStringLiteral("There is no food in this file!")}));
        test::addToActiveDay(f.frame(), kMilk, 0);
        QVERIFY(f.action("actionFindHighest")->isEnabled());
        QVERIFY(f.action("actionFindLowest")->isEnabled());
    }

    void theFindPopupCarriesTheNutrientNotACommandId()
    {
        test::addToActiveDay(f.frame(), kMilk, 0);
        QMenu* popup = openFindPopup("actionFindHighest");
        const QList<QAction*> items = popup->actions();
        QCOMPARE(items.size(), 1 + 27);
        QCOMPARE(items.at(0)->text(), QStringLiteral("Find food highest in:"));
        QCOMPARE(items.at(27)->data().toInt(), int(kAlcohol));
        popup->hide();
        QCOMPARE(openFindPopup("actionFindLowest")->actions().at(0)->text(), QStringLiteral("Find food lowest in:"));

        // Alcohol shares its number with the percent-basis switch, which must stay as it is.
        QAction* percentBasis = f.action("actionUsePersonalPreference");
        const bool checked = percentBasis->isChecked();
        QSignalSpy switched(percentBasis, &QAction::triggered);
        test::FoodCommandsFixture::nutrientItem(f.popup("findPopup"), kAlcohol)->trigger();
        QCOMPARE(switched.count(), 0);
        QCOMPARE(percentBasis->isChecked(), checked);
    }

    void findHighestSelectsTheMealAndTheEntry()
    {
        CFofView* view = f.view();
        test::addToActiveDay(f.frame(), kMilk, 0);
        f.mealBox()->setCurrentIndex(kLunch);
        test::addToActiveDay(f.frame(), kMilk, 0);
        test::addToActiveDay(f.frame(), kPuffedWheat, 0);
        f.mealBox()->setCurrentIndex(kDinner);
        test::addToActiveDay(f.frame(), kMilk, 0);
        f.mealBox()->setCurrentIndex(kBreakfast);
        const FoodOperations& foods = f.app().foods();
        QVERIFY(foods.entryNutrients(kPuffedWheat, 0)[kIron] > foods.entryNutrients(kMilk, 0)[kIron]);

        find("actionFindHighest", kIron);
        QCOMPARE(f.mealBox()->currentIndex(), int(kLunch));
        QCOMPARE(view->currentMeal(), int(kLunch));
        QCOMPARE(f.mealList()->count(), 2);
        QCOMPARE(f.mealList()->selectedRow(), 1);
        QCOMPARE(f.mealList()->foodAt(1), std::optional<FoodId>(kPuffedWheat));
        auto* amount = f.control<QLineEdit>("amountEdit");
        const Grams grams = f.view()->document().entry(kLunch, 1).amount();
        QCOMPARE(amount->text(), QString::number(grams) + u'g');
        QCOMPARE(amount->selectedText(), amount->text());
    }

    void repeatedFindsGoRoundTheMealsAndAModeChangeStartsAgain()
    {
        test::addToActiveDay(f.frame(), kMilk, 0);
        f.mealBox()->setCurrentIndex(kDinner);
        test::addToActiveDay(f.frame(), kMilk, 0);

        // Milk has no alcohol: each lowest find goes on after the meal found last.
        find("actionFindLowest", kAlcohol);
        QCOMPARE(f.mealBox()->currentIndex(), int(kBreakfast));
        find("actionFindLowest", kAlcohol);
        QCOMPARE(f.mealBox()->currentIndex(), int(kDinner));
        find("actionFindLowest", kAlcohol);
        QCOMPARE(f.mealBox()->currentIndex(), int(kBreakfast));
        find("actionFindLowest", kAlcohol);
        QCOMPARE(f.mealBox()->currentIndex(), int(kDinner));
        // Highest now: from breakfast again.
        find("actionFindHighest", kAlcohol);
        QCOMPARE(f.mealBox()->currentIndex(), int(kBreakfast));
        QCOMPARE(f.mealList()->selectedRow(), 0);
    }
};

QTEST_MAIN(ViewSortTest)
#include "view_sort_test.moc"
