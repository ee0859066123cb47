#include "food_commands_test_support.h"

#include "format/food_attribute_database.h"
#include "model/catalogue.h"
#include "model/settings_keys.h"
#include "query/food_filters.h"

#include <QLabel>

#include <filesystem>

using namespace mw;
using namespace mw::gui;

namespace {

// Personal foods 643 (a name of 44 characters with an ampersand) and 644.
const std::string kUserfood = "\"Mac & cheese, baked with bread crumbs [1 cup]\", 200, 1800, 70, 200, 90, \r\n"
                              "\"Trail mix [1 bag]\", 50, 5000, 150, 450, 300, \r\n";
constexpr FoodId kTrailMix = 644;
constexpr FoodId kMilk = 0;
constexpr FoodId kRoastedBreast = 88; // "Chicken, breast, roasted [1/2 breast]", 37 characters
constexpr std::uint16_t kHidden = CFoodAttributeDatabase::kHidden;

} // namespace

class ViewHiddenListsTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;

    CFoodAttributeDatabase& attributes() { return f.app().attributes(); }

    void showGroupOf(FoodId id) { f.groupBox()->setCurrentIndex(*foodGroupOf(id)); }

    void selectFood(FoodId id)
    {
        const int row = f.rowOfFood(id);
        QVERIFY2(row >= 0, "the food is not listed");
        f.foodList()->setCurrentRow(row);
        test::FoodCommandsFixture::settle();
    }

    // What the Database menu shows once it opens.
    QString caption(const char* action)
    {
        f.openAndClose(f.menu("menuDatabase"));
        return f.action(action)->text();
    }

    QString listCaption(const char* action)
    {
        f.openAndClose(f.menu("menuFoodLists"));
        return f.action(action)->text();
    }

    void runListCommand(const char* action)
    {
        f.openAndClose(f.menu("menuFoodLists"));
        QVERIFY2(f.action(action)->isEnabled(), action);
        f.action(action)->trigger();
    }

private slots:
    void initTestCase() { initResources(); }

    void init()
    {
        f.start(kUserfood);
        f.frame().newDay();
    }

    void cleanup() { f.stop(); }

    void theHideCaptionsNameTheSelectedFood()
    {
        QVERIFY(f.app().foods().itemText(kRoastedBreast).ends_with(";Chicken, breast, roasted [1/2 breast]"));
        showGroupOf(kRoastedBreast);
        selectFood(kRoastedBreast);
        QCOMPARE(caption("actionHideFood"), QStringLiteral("&Hide: Chicken, breast, roasted [1/2 br..."));
        QVERIFY(f.action("actionHideFood")->isEnabled());
        QCOMPARE(f.action("actionUnhideFood")->text(), QStringLiteral("&Unhide: Chicken, breast, roasted [1/2 br..."));
        QVERIFY(!f.action("actionUnhideFood")->isEnabled());

        f.foodList()->clearSelection();
        test::FoodCommandsFixture::settle();
        QCOMPARE(caption("actionHideFood"), QStringLiteral("&Hide: No food selected!"));
        QVERIFY(!f.action("actionHideFood")->isEnabled());
        QCOMPARE(f.action("actionUnhideFood")->text(), QStringLiteral("&Unhide: No food selected!"));
    }

    void hidingTheSelectedFoodTakesItOutForGood()
    {
        QCOMPARE(caption("actionShowHiddenFoods"), QStringLiteral("Show all hi&dden foods (0 items)"));
        QVERIFY(!f.action("actionShowHiddenFoods")->isEnabled());
        showGroupOf(kRoastedBreast);
        const int count = f.foodList()->count();
        selectFood(kRoastedBreast);
        f.action("actionHideFood")->trigger();

        QCOMPARE(f.foodList()->count(), count - 1);
        QCOMPARE(f.rowOfFood(kRoastedBreast), -1);
        QVERIFY(attributes().test(kRoastedBreast, kHidden) != 0);
        // Saved at once.
        QVERIFY(std::filesystem::exists(f.dir().file("fad.dat")));
        QCOMPARE(caption("actionShowHiddenFoods"), QStringLiteral("Show all hi&dden foods (1 item)"));
        QVERIFY(f.action("actionShowHiddenFoods")->isEnabled());
        QCOMPARE(f.action("actionHideFood")->text(), QStringLiteral("&Hide: No food selected!"));

        f.groupBox()->setCurrentIndex(0);
        showGroupOf(kRoastedBreast);
        QCOMPARE(f.rowOfFood(kRoastedBreast), -1);
    }

    void showingAndUnhidingHiddenFoods()
    {
        attributes().set(kRoastedBreast, kHidden);
        attributes().set(kMilk, kHidden);
        attributes().set(kTrailMix, kHidden);
        f.view()->foodList().sortFoodList(kIron, SortDirection::kAscending);
        QCOMPARE(caption("actionShowHiddenFoods"), QStringLiteral("Show all hi&dden foods (3 items)"));
        f.action("actionShowHiddenFoods")->trigger();
        QCOMPARE(f.foodItems(), QStringList({QStringLiteral("0;Milk [1 cup]"),
                                             QStringLiteral("88;Chicken, breast, roasted [1/2 breast]"),
                                             QStringLiteral("644;Trail mix [1 bag]")}));
        QVERIFY(!f.control<QToolButton>("sortAscendingButton")->isChecked());

        selectFood(kRoastedBreast);
        QCOMPARE(caption("actionUnhideFood"), QStringLiteral("&Unhide: Chicken, breast, roasted [1/2 br..."));
        QVERIFY(f.action("actionUnhideFood")->isEnabled());
        QVERIFY(!f.action("actionHideFood")->isEnabled());
        f.action("actionUnhideFood")->trigger();
        QCOMPARE(attributes().test(kRoastedBreast, kHidden), 0);
        QCOMPARE(f.foodList()->count(), 2);
        QCOMPARE(caption("actionShowHiddenFoods"), QStringLiteral("Show all hi&dden foods (2 items)"));

        // The rest at once, selected together.
        f.foodList()->selectAll();
        test::FoodCommandsFixture::settle();
        QCOMPARE(caption("actionUnhideFood"), QStringLiteral("&Unhide 2 selected foods"));
        f.action("actionUnhideFood")->trigger();
        QCOMPARE(attributes().count(kHidden), 0);
        QCOMPARE(f.foodList()->count(), 0);
        QCOMPARE(f.control<QLabel>("foodListCaption")->text(), QStringLiteral("Hidden foods"));
    }

    void hidingEveryFoodOfTheFoodList()
    {
        showGroupOf(kRoastedBreast);
        const QStringList shown = f.foodItems();
        f.frame().updateCommands();
        QVERIFY(f.action("actionHideListFoods")->isEnabled());
        // More than one food is hidden only when the user says so.
        f.action("actionHideListFoods")->trigger();
        QCOMPARE(Prompts::takeShownMessages().value(0).section(u'\n', 0, 0),
                 QStringLiteral("Hide these %1 foods?").arg(shown.size()));
        QCOMPARE(attributes().count(kHidden), 0);
        QCOMPARE(f.foodList()->count(), shown.size());
        Prompts::setNextAnswer(QMessageBox::Yes);
        f.action("actionHideListFoods")->trigger();
        QCOMPARE(f.foodList()->count(), 0);
        QCOMPARE(attributes().count(kHidden), shown.size());
        f.frame().updateCommands();
        QVERIFY(!f.action("actionHideListFoods")->isEnabled());
        f.groupBox()->setCurrentIndex(0);
        showGroupOf(kRoastedBreast);
        QCOMPARE(f.foodList()->count(), 0);
    }

    void hidingTheMealsFoodsKeepsThemInTheMeal()
    {
        f.frame().updateCommands();
        QVERIFY(!f.action("actionHideMealFoods")->isEnabled());
        test::addToActiveDay(f.frame(), kMilk, 0);
        test::addToActiveDay(f.frame(), kRoastedBreast, 0);
        const DayTotals totals = f.view()->document().totals();
        f.frame().updateCommands();
        QVERIFY(f.action("actionHideMealFoods")->isEnabled());
        Prompts::setNextAnswer(QMessageBox::Yes);
        f.action("actionHideMealFoods")->trigger();
        QVERIFY(attributes().test(kMilk, kHidden) != 0);
        QVERIFY(attributes().test(kRoastedBreast, kHidden) != 0);
        QCOMPARE(f.mealList()->count(), 2);
        QCOMPARE(f.view()->document().entryCount(kBreakfast), std::size_t(2));
        QVERIFY(f.view()->document().totals() == totals);
    }

    void addingToAListAndShowingIt()
    {
        f.foodList()->clearSelection();
        test::FoodCommandsFixture::settle();
        QCOMPARE(listCaption("actionListShow1"), QStringLiteral("Good Carbohydrates (0 items)"));
        QVERIFY(!f.action("actionListShow1")->isEnabled());
        QVERIFY(!f.action("actionListAddSelected1")->isEnabled());

        showGroupOf(kRoastedBreast);
        selectFood(kRoastedBreast);
        QCOMPARE(listCaption("actionListAddSelected1"), QStringLiteral("Good Carbohydrates"));
        QVERIFY(!f.action("actionListRemove1")->isEnabled());
        runListCommand("actionListAddSelected1");
        QVERIFY(attributes().test(kRoastedBreast, CFoodAttributeDatabase::listMask(1)) != 0);
        QCOMPARE(attributes().test(kRoastedBreast, kHidden), 0);

        QCOMPARE(listCaption("actionListShow1"), QStringLiteral("Good Carbohydrates (1 item)"));
        QVERIFY(f.action("actionListShow1")->isEnabled());
        QVERIFY(!f.action("actionListAddSelected1")->isEnabled());
        QVERIFY(f.action("actionListRemove1")->isEnabled());

        // A hidden food stays in its lists and is shown with them.
        attributes().set(kRoastedBreast, kHidden);
        f.groupBox()->setCurrentIndex(0);
        runListCommand("actionListShow1");
        QCOMPARE(f.foodItems(), QStringList({QStringLiteral("88;Chicken, breast, roasted [1/2 breast]")}));
        // The caption names the list; the group box names no group it does not show.
        QCOMPARE(f.control<QLabel>("foodListCaption")->text(), QStringLiteral("Food List 1: Good Carbohydrates"));
        QCOMPARE(f.groupBox()->currentIndex(), -1);

        selectFood(kRoastedBreast);
        runListCommand("actionListRemove1");
        QCOMPARE(attributes().test(kRoastedBreast, CFoodAttributeDatabase::listMask(1)), 0);
        QCOMPARE(listCaption("actionListShow1"), QStringLiteral("Good Carbohydrates (0 items)"));
        QVERIFY(!f.action("actionListShow1")->isEnabled());
    }

    void addingAllFoodsAndTheMealsFoods()
    {
        showGroupOf(kRoastedBreast);
        const qsizetype shown = f.foodList()->count();
        runListCommand("actionListAddAll2");
        QCOMPARE(attributes().count(CFoodAttributeDatabase::listMask(2)), shown);

        f.frame().prepareMenus();
        QVERIFY(!f.action("actionListAddMeal9")->isEnabled());
        test::addToActiveDay(f.frame(), kMilk, 0);
        test::addToActiveDay(f.frame(), kTrailMix, 0);
        runListCommand("actionListAddMeal9");
        QCOMPARE(listCaption("actionListShow9"), QStringLiteral("Medium (moderate inducer) list (2 items)"));
        runListCommand("actionListShow9");
        // Personal foods after the standard ones.
        QCOMPARE(f.foodItems(),
                 QStringList({QStringLiteral("0;Milk [1 cup]"), QStringLiteral("644;Trail mix [1 bag]")}));
    }

    void listsWithoutMenuItemsAreStillCarriedOut()
    {
        showGroupOf(kRoastedBreast);
        selectFood(kRoastedBreast);
        f.frame().prepareMenus();
        for (const char* name : {"actionFoodList33011", "actionFoodList33108"}) {
            QAction* command = f.action(name);
            QVERIFY(command->isEnabled());
            command->trigger();
        }
        QVERIFY(attributes().test(kRoastedBreast, CFoodAttributeDatabase::listMask(11)) != 0);
        QVERIFY(attributes().test(kRoastedBreast, CFoodAttributeDatabase::listMask(8)) != 0);
        // Neither stands in a menu.
        for (QMenu* menu : f.frame().findChildren<QMenu*>()) {
            QVERIFY(!menu->actions().contains(f.action("actionFoodList33011")));
            QVERIFY(!menu->actions().contains(f.action("actionFoodList33108")));
        }
    }

    void theFiltersOfTheFoodListsContextMenu()
    {
        // Fish and shellfish, some of them nearly all protein.
        f.groupBox()->setCurrentIndex(9);
        const QStringList before = f.foodItems();
        emit f.foodList()->customContextMenuRequested(QPoint(10, 10));
        QMenu* context = f.popup("foodListContextMenu");
        QVERIFY(context != nullptr);
        auto* filters = context->findChild<QMenu*>(QStringLiteral("filterMenu"));
        QVERIFY(filters != nullptr);
        QCOMPARE(filters->actions().size(), 7);
        QCOMPARE(filters->actions().at(0)->statusTip(), QStringLiteral("Leave only high protein foods in listbox"));
        QAction* highProtein = nullptr;
        for (QAction* item : filters->actions()) {
            if (item->objectName() == QStringLiteral("actionFoodFilter34080")) {
                highProtein = item;
            }
        }
        QVERIFY(highProtein != nullptr);
        highProtein->trigger();
        context->hide();

        const QStringList after = f.foodItems();
        QVERIFY(!after.isEmpty());
        QVERIFY(after.size() < before.size());
        // In order, and only the high-protein ones.
        qsizetype from = 0;
        for (const QString& item : before) {
            const bool passes = foodPassesFilter(
                FoodFilter::kHighProtein, static_cast<FoodId>(item.section(u';', 0, 0).toUInt()), f.app().foods());
            if (passes) {
                QCOMPARE(after.at(from++), item);
            }
        }
        QCOMPARE(from, after.size());
    }
};

QTEST_MAIN(ViewHiddenListsTest)
#include "view_hidden_lists_test.moc"
