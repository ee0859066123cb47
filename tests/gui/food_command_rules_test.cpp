#include "food_command_rules.h"

#include "core/query/fake_personal_foods.h"

#include <QTest>

using namespace mw;
using namespace mw::gui;

namespace {

FoodListsState selecting(std::optional<FoodId> food, std::size_t foodLines = 3, std::size_t mealLines = 0)
{
    return {foodLines, food, mealLines};
}

} // namespace

class FoodCommandRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void captionNamesAreCutByCharactersAndKeepTheirAmpersands()
    {
        const std::string of35(35, 'x');
        std::string accented;
        for (int i = 0; i < 35; ++i) {
            accented += "é";
        }
        const struct
        {
            std::string name;
            QString caption;
        } cases[] = {
            {"Chicken, breast, roasted [1/2 breast]", QStringLiteral("Chicken, breast, roasted [1/2 br...")},
            {of35, QString::fromStdString(of35)},
            {of35 + "y", QString(32, u'x') + QStringLiteral("...")},
            {"", QString()},
            {accented, QString::fromUtf8(accented)},
            {accented + "é", QString::fromUtf8(accented.substr(0, 64)) + QStringLiteral("...")},
            // The cut counts the name's own "&", then the caption doubles it.
            {std::string(31, 'a') + "&bcdef", QString(31, u'a') + QStringLiteral("&&...")},
            {"Mac & cheese && more", QStringLiteral("Mac && cheese &&&& more")},
        };
        for (const auto& c : cases) {
            QCOMPARE(captionName(c.name), c.caption);
        }
    }

    void hideCommandsNameTheSelectedFood()
    {
        test::FakePersonalFoods personal;
        const FoodId chicken = personal.add("Chicken, breast, roasted [1/2 breast]");
        const FoodOperations foods(&personal);
        CFoodAttributeDatabase attributes;
        const auto hide = [&](HideCommand command, const FoodListsState& lists) {
            return hideMenuItem(command, lists, attributes, foods);
        };
        QCOMPARE(hide(HideCommand::kHide, selecting(std::nullopt)),
                 (MenuItemState{QStringLiteral("&Hide: No food selected!"), false}));
        QCOMPARE(hide(HideCommand::kUnhide, selecting(std::nullopt)),
                 (MenuItemState{QStringLiteral("&Unhide: No food selected!"), false}));
        QCOMPARE(hide(HideCommand::kHide, selecting(chicken)),
                 (MenuItemState{QStringLiteral("&Hide: Chicken, breast, roasted [1/2 br..."), true}));
        QVERIFY(!hide(HideCommand::kUnhide, selecting(chicken)).enabled);
        attributes.set(chicken, CFoodAttributeDatabase::kHidden);
        QVERIFY(!hide(HideCommand::kHide, selecting(chicken)).enabled);
        QVERIFY(hide(HideCommand::kUnhide, selecting(chicken)).enabled);
        QCOMPARE(hide(HideCommand::kHide, selecting(0)).caption, QStringLiteral("&Hide: Milk [1 cup]"));

        QCOMPARE(showHiddenFoodsMenuItem(attributes),
                 (MenuItemState{QStringLiteral("Show all hi&dden foods (1 item)"), true}));
        attributes.clear(chicken, CFoodAttributeDatabase::kHidden);
        QCOMPARE(showHiddenFoodsMenuItem(attributes),
                 (MenuItemState{QStringLiteral("Show all hi&dden foods (0 items)"), false}));
        attributes.set(1, CFoodAttributeDatabase::kHidden);
        attributes.set(2, CFoodAttributeDatabase::kHidden);
        QCOMPARE(showHiddenFoodsMenuItem(attributes).caption, QStringLiteral("Show all hi&dden foods (2 items)"));
    }

    void listCommandIdsMapToListAndOperation()
    {
        QCOMPARE(foodListCommandOf(33001), (FoodListCommand{1, FoodListOperation::kAddSelected}));
        QCOMPARE(foodListCommandOf(33014), (FoodListCommand{14, FoodListOperation::kAddSelected}));
        QCOMPARE(foodListCommandOf(33110), (FoodListCommand{10, FoodListOperation::kAddAll}));
        QCOMPARE(foodListCommandOf(33021), (FoodListCommand{1, FoodListOperation::kAddMealFoods}));
        QCOMPARE(foodListCommandOf(33047), (FoodListCommand{7, FoodListOperation::kShow}));
        QCOMPARE(foodListCommandOf(33074), (FoodListCommand{14, FoodListOperation::kRemove}));
        for (const int unused : {33000, 33015, 33020, 33035, 33040, 33055, 33060, 33075, 33100, 33115, 32961}) {
            QVERIFY2(!foodListCommandOf(unused).has_value(), qPrintable(QString::number(unused)));
        }
    }

    void listNamesComeFromTheProfileOrAreFixed()
    {
        MemorySettings settings;
        const struct
        {
            int list;
            QString name;
        } names[] = {{1, QStringLiteral("Good Carbohydrates")},
                     {7, QStringLiteral("Omega-3 Foods")},
                     {8, QStringLiteral("High (rapid insulin inducer) list")},
                     {10, QStringLiteral("Low (reduced insulin secretion) list")},
                     {14, QStringLiteral("Food List 14")},
                     {0, QString()},
                     {15, QString()}};
        for (const auto& n : names) {
            QCOMPARE(foodListDisplayName(settings, n.list), n.name);
        }
        QVERIFY(!settings.writeText("foodgroups", "3", "Fish & Chips"));
        QCOMPARE(foodListDisplayName(settings, 3), QStringLiteral("Fish & Chips"));
        QVERIFY(!settings.writeText("FoodGroups", "3", ""));
        QCOMPARE(foodListDisplayName(settings, 3), QStringLiteral("Antioxidant Best Bets"));
    }

    void listMenuItemsCountMembers()
    {
        MemorySettings settings;
        CFoodAttributeDatabase attributes;
        const FoodListsState none;
        const FoodListCommand show1{1, FoodListOperation::kShow};
        QCOMPARE(foodListMenuItem(show1, none, settings, attributes),
                 (MenuItemState{QStringLiteral("Good Carbohydrates (0 items)"), false}));
        attributes.set(700, CFoodAttributeDatabase::listMask(1));
        QCOMPARE(foodListMenuItem(show1, none, settings, attributes),
                 (MenuItemState{QStringLiteral("Good Carbohydrates (1 item)"), true}));
        attributes.set(0, CFoodAttributeDatabase::listMask(1));
        QCOMPARE(foodListMenuItem(show1, none, settings, attributes).caption,
                 QStringLiteral("Good Carbohydrates (2 items)"));
        QVERIFY(!settings.writeText("FoodGroups", "2", "Fish & Chips"));
        QCOMPARE(foodListMenuItem({2, FoodListOperation::kAddAll}, none, settings, attributes).caption,
                 QStringLiteral("Fish && Chips"));
        QCOMPARE(foodListMenuItem({9, FoodListOperation::kRemove}, none, settings, attributes).caption,
                 QStringLiteral("Medium (moderate inducer) list"));
        QCOMPARE(foodListMenuItem({15, FoodListOperation::kShow}, none, settings, attributes), MenuItemState{});
    }

    void listMenuItemsAreEnabledByWhatTheListsHold()
    {
        MemorySettings settings;
        CFoodAttributeDatabase attributes;
        attributes.set(0, CFoodAttributeDatabase::listMask(4));
        const auto enabled = [&](FoodListOperation operation, const FoodListsState& lists) {
            return foodListMenuItem({4, operation}, lists, settings, attributes).enabled;
        };
        const FoodListsState milk = selecting(0, 1);
        const FoodListsState skim = selecting(3, 1);
        const FoodListsState unselected = selecting(std::nullopt, 1);
        const struct
        {
            FoodListOperation operation;
            FoodListsState lists;
            bool enabled;
        } rules[] = {
            {FoodListOperation::kAddSelected, milk, false}, // already in the list
            {FoodListOperation::kAddSelected, skim, true},
            {FoodListOperation::kAddSelected, unselected, false},
            {FoodListOperation::kRemove, milk, true},
            {FoodListOperation::kRemove, skim, false},
            // Add all: two lines, or one selected line.
            {FoodListOperation::kAddAll, skim, true},
            {FoodListOperation::kAddAll, unselected, false},
            {FoodListOperation::kAddAll, selecting(std::nullopt, 2), true},
            {FoodListOperation::kAddAll, selecting(std::nullopt, 0), false},
            {FoodListOperation::kAddMealFoods, unselected, false},
            {FoodListOperation::kAddMealFoods, selecting(std::nullopt, 0, 1), true},
            {FoodListOperation::kShow, unselected, true},
        };
        for (const auto& rule : rules) {
            QCOMPARE(enabled(rule.operation, rule.lists), rule.enabled);
        }
        attributes.clear(0, CFoodAttributeDatabase::listMask(4));
        QVERIFY(!enabled(FoodListOperation::kShow, unselected));
    }
};

QTEST_MAIN(FoodCommandRulesTest)
#include "food_command_rules_test.moc"
