#include "fof_view.h"
#include "servings_text.h"

#include "analysis_panel.h"
#include "app_context.h"
#include "food_list_box.h"
#include "prompts.h"
#include "quick_amount_menu.h"
#include "view_layout.h"
#include "view_test_support.h"

#include "calc/intake_preferences.h"
#include "calc/requirements.h"
#include "format/personal_food_database.h"
#include "model/catalogue.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "query/food_listing.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <limits>
#include <memory>

using namespace mw;
using namespace mw::gui;
using namespace mw::render;

namespace {

// A personal recipe whose serving is 2400 g, and one whose reference weight is not whole grams.
const std::string kUserfood = "\"Big stew [1 pot]\", 2400, 3000, 150, 300, 120, \r\n"
                              "\"Odd pie [1 slice]\", 150.5, 401.3, 7.7, 50.1, 19.9, 3.3, \r\n";
constexpr FoodId kBigStew = 643;
constexpr FoodId kOddPie = 644;

QPoint centreOfRow(const CFoodListBox& list, int row)
{
    return list.visualRowRect(row).center();
}

// The days' totals as a fresh count of the document gives them.
DayTotals countedTotals(const CFofDoc& document)
{
    return computeTotals(document.meals(), document.foods());
}

// The items of a quick-amount menu that choose an amount, in menu order.
QList<QAction*> amountActionsOf(const QMenu& menu)
{
    QList<QAction*> result;
    for (QAction* action : menu.actions()) {
        if (action->data().isValid()) {
            result.append(action);
        }
    }
    return result;
}

} // namespace

class FofViewTest : public QObject, protected test::ViewFixture
{
    Q_OBJECT

private:
    CFoodListBox* mealList() { return child<CFoodListBox>("mealList"); }
    CFoodListBox* foodList() { return child<CFoodListBox>("foodList"); }
    QComboBox* groupBox() { return child<QComboBox>("groupBox"); }
    QComboBox* mealBox() { return child<QComboBox>("mealBox"); }
    QLineEdit* amountEdit() { return child<QLineEdit>("amountEdit"); }
    const AnalysisPanelState& panel() { return child<AnalysisPanel>("analysisPanel")->state(); }

    void doubleClickFood(int row)
    {
        CFoodListBox* list = foodList();
        list->scrollToRow(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOfRow(*list, row));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOfRow(*list, row));
    }

    void clickEntry(int row)
    {
        QTest::mouseClick(mealList()->viewport(), Qt::LeftButton, {}, centreOfRow(*mealList(), row));
    }

    void typeAmount(const QString& text)
    {
        amountEdit()->clear();
        QTest::keyClicks(amountEdit(), text);
        QTest::mouseClick(child<QPushButton>("amountOkButton"), Qt::LeftButton);
    }

    // Opens the quick-amount menu over the first entry: the right button at once, the left one held down.
    QuickAmountMenu* pressOnEntry(Qt::MouseButton button)
    {
        QWidget* viewport = mealList()->viewport();
        const QPoint at = centreOfRow(*mealList(), 0);
        QTest::mousePress(viewport, button, {}, at);
        if (button == Qt::LeftButton) {
            QTest::qWait(QGuiApplication::styleHints()->mousePressAndHoldInterval() + 100);
        }
        QTest::mouseRelease(viewport, button, {}, at);
        return m_view->findChild<QuickAmountMenu*>(QStringLiteral("quickAmountMenu"));
    }

    // A press beside the meal list, where no control is.
    QuickAmountMenu* pressOnViewArea(Qt::MouseButton button)
    {
        QTest::mousePress(m_view.get(), button, {}, QPoint(2, m_view->height() / 3));
        QTest::mouseRelease(m_view.get(), button, {}, QPoint(2, m_view->height() / 3));
        return m_view->findChild<QuickAmountMenu*>(QStringLiteral("quickAmountMenu"));
    }

    static QAction* actionWithValue(QuickAmountMenu& menu, double value)
    {
        const QList<QAction*> actions = amountActionsOf(menu);
        for (QAction* action : actions) {
            if (action->data().toDouble() == value) {
                return action;
            }
        }
        return nullptr;
    }

    FoodId addFirstFoodOfGroup(int group)
    {
        groupBox()->setCurrentIndex(group);
        doubleClickFood(0);
        return static_cast<FoodId>(test::idAt(foodList(), 0));
    }

    void verifyTotalsMatchTheDocument()
    {
        QVERIFY(m_view->document().totals() == countedTotals(*m_document));
        QCOMPARE(panel().day, countedTotals(*m_document).day());
        QCOMPARE(panel().meal, countedTotals(*m_document).meal(m_view->currentMeal()));
    }

private slots:
    void initTestCase() { Prompts::setScripted(true); }

    void init() { startApp(kUserfood); }

    void cleanup() { stopApp(); }

    void startsWithBreakfastTheFirstGroupAndNoDialog()
    {
        makeView();
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QCOMPARE(m_view->currentMeal(), 0);
        QCOMPARE(mealBox()->count(), kMealCount);
        QCOMPARE(mealBox()->itemText(0), QStringLiteral("BREAKFAST"));
        QCOMPARE(groupBox()->count(), kFoodGroupCount);
        QCOMPARE(groupBox()->currentIndex(), 0);
        QCOMPARE(foodList()->count(), static_cast<int>(foodsOfGroup(0).size()));
        QCOMPARE(foodList()->selectedRow(), 0);
        QCOMPARE(mealList()->count(), 0);
        QVERIFY(!panel().food);
        QVERIFY(child<QPushButton>("eatButton")->hasFocus());
        QVERIFY(m_history->isClean());
        // The stored profile gives the goals: requirements with a calorie goal and a preference table.
        QVERIFY(panel().goals.requirements[kCalories] > 0.0f);
        QVERIFY(panel().goals.preferences.has_value());
    }

    void controlsHaveTheirCaptionsTipsAndStates()
    {
        makeView();
        QCOMPARE(child<QPushButton>("eatButton")->text(), QStringLiteral("I &Eat"));
        QCOMPARE(child<QPushButton>("deleteButton")->text(), QStringLiteral("&Delete"));
        QCOMPARE(child<QPushButton>("amountOkButton")->text(), QStringLiteral("Amt. O&K"));
        QCOMPARE(child<QPushButton>("eatButton")->toolTip(), QStringLiteral("Add selected food to meal"));
        QCOMPARE(amountEdit()->toolTip(), QStringLiteral("Manually adjust amount here if desired"));
        QCOMPARE(child<QToolButton>("sortAscendingButton")->toolTip(),
                 QStringLiteral("Sort by nutrient in ascending order"));
        QCOMPARE(child<QToolButton>("reverseOrderButton")->toolTip(),
                 QStringLiteral("Show food groups in reverse order"));
        for (const char* name :
             {"sortAscendingButton", "sortDescendingButton", "normalOrderButton", "reverseOrderButton"}) {
            QVERIFY2(child<QToolButton>(name)->isVisible(), name);
        }
        for (const char* name : {"sortAscendingButton", "sortDescendingButton"}) {
            QVERIFY2(child<QToolButton>(name)->isEnabled(), name);
            QVERIFY2(!child<QToolButton>(name)->isChecked(), name);
        }
        QVERIFY(!child<QToolButton>("globalSearchButton")->isVisible());
        QVERIFY(!child<QToolButton>("localSearchButton")->isVisible());
        QVERIFY(!child<QLineEdit>("searchEdit")->isVisible());

        // Tab goes meal box, group box, meal list, food list, delete, eat, amount edit, amount OK.
        QStringList order;
        QWidget* widget = mealBox();
        for (int i = 0; i < 8; ++i) {
            order.append(widget->objectName());
            widget = widget->nextInFocusChain();
            while (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus || !widget->isEnabled() ||
                   widget->objectName().isEmpty()) {
                widget = widget->nextInFocusChain();
            }
        }
        QCOMPARE(order,
                 QStringList({QStringLiteral("mealBox"), QStringLiteral("groupBox"), QStringLiteral("mealList"),
                              QStringLiteral("foodList"), QStringLiteral("deleteButton"), QStringLiteral("eatButton"),
                              QStringLiteral("amountEdit"), QStringLiteral("amountOkButton")}));
    }

    void choosingAGroupListsItsVisibleFoodsOnly()
    {
        const std::vector<FoodId> group = foodsOfGroup(5);
        QVERIFY(group.size() > 2);
        m_app->attributes().set(group[1], CFoodAttributeDatabase::kHidden);
        makeView();
        groupBox()->setCurrentIndex(5);
        QCOMPARE(foodList()->count(), static_cast<int>(group.size()) - 1);
        for (int row = 0; row < foodList()->count(); ++row) {
            QVERIFY(test::idAt(foodList(), row) != group[1]);
        }
        QCOMPARE(test::idAt(foodList(), 0), static_cast<unsigned long>(group[0]));
        QCOMPARE(foodList()->foodName(0), QString::fromStdString(m_app->foods().displayName(group[0])));
        QCOMPARE(foodList()->selectedRow(), 0);
    }

    void doubleClickAddsOneServingToTheMeal()
    {
        makeView();
        QSignalSpy modified(m_view.get(), &CFofView::documentModified);
        const FoodId food = addFirstFoodOfGroup(2);

        QCOMPARE(mealList()->count(), 1);
        QCOMPARE(test::idAt(mealList(), 0), static_cast<unsigned long>(food));
        QCOMPARE(mealList()->selectedRow(), 0);
        QCOMPARE(m_document->entryCount(kBreakfast), 1u);
        const CFood& entry = m_document->entry(kBreakfast, 0);
        QCOMPARE(entry.foodId(), food);
        const auto serving = static_cast<Grams>(m_app->foods().servingWeight(food));
        QCOMPARE(entry.amount(), serving);
        QVERIFY(!m_history->isClean());
        QCOMPARE(modified.count(), 1);

        QCOMPARE(amountEdit()->text(), QString::number(serving) + QStringLiteral("g"));
        QVERIFY(panel().food);
        QCOMPARE(panel().food->title, QStringLiteral("1 unit "));
        QCOMPARE(panel().food->totals, m_document->entryNutrients(entry));
        verifyTotalsMatchTheDocument();
    }

    void eatButtonAddsAndDoesNothingWithoutASelection()
    {
        makeView();
        foodList()->clearSelection();
        QTest::mouseClick(child<QPushButton>("eatButton"), Qt::LeftButton);
        QCOMPARE(mealList()->count(), 0);
        QVERIFY(m_history->isClean());

        foodList()->setCurrentRow(1);
        QTest::mouseClick(child<QPushButton>("eatButton"), Qt::LeftButton);
        QCOMPARE(m_document->entryCount(kBreakfast), 1u);
        QCOMPARE(m_document->entry(kBreakfast, 0).foodId(), static_cast<FoodId>(test::idAt(foodList(), 1)));
    }

    void showingAnEntryWritesItsServings()
    {
        makeView();
        const FoodId food = addFirstFoodOfGroup(0);
        addFirstFoodOfGroup(20);
        QSignalSpy status(m_view.get(), &CFofView::statusMessage);
        clickEntry(0);
        const CFood& entry = m_document->entry(kBreakfast, 0);
        QCOMPARE(entry.foodId(), food);
        QCOMPARE(amountEdit()->text(), QString::number(entry.amount()) + QStringLiteral("g"));
        const QString units =
            panel().layout == PanelLayout::kTwoColumns ? QStringLiteral(" u.") : QStringLiteral(" units");
        QCOMPARE(panel().food->title, QStringLiteral("1.0") + units);
        QCOMPARE(panel().food->totals, m_document->entryNutrients(entry));
        QCOMPARE(status.count(), 1);
        QVERIFY(status.first().first().toString().isEmpty());
    }

    void typedAmountsReadUnitsAndRefuseWhatIsNoAmount()
    {
        makeView();
        test::addToView(*m_view, *m_history, 0, 0); // milk, a cup of 244 g
        clickEntry(0);
        const struct
        {
            const char* typed;
            Grams stored; // 0: refused, the amount stays
        } cases[] = {{"2 cups", 488}, {"150g", 150}, {"1/2 serving", 122}, {"3 oz", 85}, {"0.5 lb", 227},
                     {"75", 75},      {"12345", 0},  {"abc", 0},           {"0", 0}};
        for (const auto& c : cases) {
            const Grams before = m_document->entry(kBreakfast, 0).amount();
            typeAmount(QString::fromLatin1(c.typed));
            const QStringList shown = Prompts::takeShownMessages();
            QCOMPARE(shown.size(), c.stored == 0 ? 1 : 0);
            const Grams now = c.stored == 0 ? before : c.stored;
            QCOMPARE(m_document->entry(kBreakfast, 0).amount(), now);
            QCOMPARE(panel().food->totals[kWeight], static_cast<float>(now));
            if (c.stored != 0) {
                QCOMPARE(amountEdit()->text(), QString::number(now) + QStringLiteral("g"));
            } else {
                QVERIFY2(shown.front().startsWith(QStringLiteral("\"%1\" ").arg(QLatin1String(c.typed))), c.typed);
            }
            verifyTotalsMatchTheDocument();
        }
    }

    void reamountingAndDeletingReturnTheTotalsExactly()
    {
        makeView();
        addFirstFoodOfGroup(4);
        test::addToView(*m_view, *m_history, kOddPie, 0);
        test::addToView(*m_view, *m_history, kBigStew, 0);
        QCOMPARE(m_document->entry(kBreakfast, 1).amount(), Grams{150});
        QCOMPARE(m_document->entry(kBreakfast, 2).amount(), Grams{2400});
        const DayTotals withThree = m_view->document().totals();

        clickEntry(1);
        typeAmount(QStringLiteral("333"));
        typeAmount(QStringLiteral("150"));
        QVERIFY(m_view->document().totals() == withThree);

        clickEntry(2);
        QTest::mouseClick(child<QPushButton>("deleteButton"), Qt::LeftButton);
        clickEntry(1);
        QTest::mouseClick(child<QPushButton>("deleteButton"), Qt::LeftButton);
        clickEntry(0);
        QTest::mouseClick(child<QPushButton>("deleteButton"), Qt::LeftButton);

        QCOMPARE(m_document->entryCount(kBreakfast), 0u);
        QCOMPARE(mealList()->count(), 0);
        QCOMPARE(m_view->document().totals().meal(kBreakfast), NutrientVector{});
        QCOMPARE(m_view->document().totals().day(), NutrientVector{});
        QCOMPARE(panel().day, NutrientVector{});
        QVERIFY(!panel().food);
        QVERIFY(amountEdit()->text().isEmpty());
        QVERIFY(child<QPushButton>("deleteButton")->hasFocus());
    }

    void operationsWithoutAnEntrySelectedChangeNothing()
    {
        makeView();
        addFirstFoodOfGroup(1);
        mealList()->clearSelection();
        m_history->setClean();
        typeAmount(QStringLiteral("250"));
        QTest::mouseClick(child<QPushButton>("deleteButton"), Qt::LeftButton);
        // The grey area opens no quick-amount popup.
        QVERIFY(!pressOnViewArea(Qt::LeftButton));
        QVERIFY(m_history->isClean());
        QCOMPARE(m_document->entryCount(kBreakfast), 1u);
    }

    void quickAmountsGoStraightToTheEntry()
    {
        QVERIFY(!storeMouseOptions(*m_settings, {MouseChoice::kServingPortion, MouseChoice::kOunce}));
        makeView();
        test::addToView(*m_view, *m_history, kBigStew, 0);
        mealList()->clearSelection();
        // Only over an entry, which the press selects.
        QVERIFY(!pressOnViewArea(Qt::RightButton));
        QuickAmountMenu* servings = pressOnEntry(Qt::LeftButton);
        QVERIFY(servings);
        QCOMPARE(servings->kind(), QuickAmountKind::kServings);
        QCOMPARE(amountActionsOf(*servings).size(), 12);
        actionWithValue(*servings, 0.5)->trigger();
        QCOMPARE(m_document->entry(kBreakfast, 0).amount(), Grams{1200});
        // Five servings of 2400 g are more than an entry takes, not 1200 g from a four-character read.
        actionWithValue(*servings, 5.0)->trigger();
        QCOMPARE(m_document->entry(kBreakfast, 0).amount(), Grams{10000});
        QCOMPARE(amountEdit()->text(), QStringLiteral("10000g"));
        servings->hide();

        QuickAmountMenu* ounces = pressOnEntry(Qt::RightButton);
        QVERIFY(ounces);
        QCOMPARE(mealList()->selectedRow(), 0);
        QCOMPARE(ounces->kind(), QuickAmountKind::kOunces);
        QCOMPARE(amountActionsOf(*ounces).size(), 8);
        QCOMPARE(amountActionsOf(*ounces).at(1)->text(), QStringLiteral("2 oz."));
        actionWithValue(*ounces, 2.0)->trigger();
        QCOMPARE(m_document->entry(kBreakfast, 0).amount(), Grams{56});
        QCOMPARE(panel().food->totals[kWeight], 56.0f);
        verifyTotalsMatchTheDocument();
        ounces->hide();

        QVERIFY(!storeMouseOptions(*m_settings, {MouseChoice::kGram, MouseChoice::kOff}));
        QuickAmountMenu* grams = pressOnEntry(Qt::LeftButton);
        QVERIFY(grams);
        QCOMPARE(amountActionsOf(*grams).last()->text(), QStringLiteral("500 g"));
        actionWithValue(*grams, 150.0)->trigger();
        QCOMPARE(m_document->entry(kBreakfast, 0).amount(), Grams{150});
        grams->hide();
        QCoreApplication::processEvents();
        QVERIFY(!pressOnEntry(Qt::RightButton));

        // A key the popup has no use for closes it and goes on: "o" finds the odd pie in the meal list.
        test::addToView(*m_view, *m_history, kOddPie, 0);
        QuickAmountMenu* keys = pressOnEntry(Qt::LeftButton);
        QVERIFY(keys);
        QTest::keyClick(keys, Qt::Key_O);
        QVERIFY(!keys->isVisible());
        QCOMPARE(mealList()->selectedRow(), 1);
    }

    void quickAmountArithmetic()
    {
        QCOMPARE(quickAmount(QuickAmountKind::kServings, 0.1, 5.0f), Grams{1});
        QCOMPARE(quickAmount(QuickAmountKind::kServings, 0.33, 100.0f), Grams{33});
        QCOMPARE(quickAmount(QuickAmountKind::kServings, 1.0, 0.0f), Grams{1});
        QCOMPARE(quickAmount(QuickAmountKind::kServings, 2.0, std::numeric_limits<float>::infinity()), Grams{10000});
        QCOMPARE(quickAmount(QuickAmountKind::kOunces, 8.0, 0.0f), Grams{226});
        QCOMPARE(quickAmount(QuickAmountKind::kGrams, 500.0, 0.0f), Grams{500});
    }

    void choosingAMealShowsItsEntriesAndClearsTheFoodColumn()
    {
        makeView();
        addFirstFoodOfGroup(0);
        mealBox()->setCurrentIndex(kLunch);
        QCOMPARE(m_view->currentMeal(), int{kLunch});
        QCOMPARE(mealList()->count(), 0);
        QVERIFY(!panel().food);
        QVERIFY(amountEdit()->text().isEmpty());
        const FoodId lunch = addFirstFoodOfGroup(9);
        QCOMPARE(m_document->entry(kLunch, 0).foodId(), lunch);
        QCOMPARE(panel().meal, m_view->document().totals().meal(kLunch));

        mealBox()->setCurrentIndex(kBreakfast);
        QCOMPARE(mealList()->count(), 1);
        QCOMPARE(panel().meal, m_view->document().totals().meal(kBreakfast));
        verifyTotalsMatchTheDocument();
    }

    void aDayWithEntriesStartsWithItsTotals()
    {
        m_document->appendEntry(kBreakfast, 0, 244);
        m_document->appendEntry(kDinner, kOddPie, 300);
        m_document->appendEntry(kDinner, 5000, 10);
        makeView();
        QCOMPARE(mealList()->count(), 1);
        QVERIFY(m_view->document().totals() == countedTotals(*m_document));
        QCOMPARE(panel().day, countedTotals(*m_document).day());
        mealBox()->setCurrentIndex(kDinner);
        QCOMPARE(mealList()->count(), 2);
        QCOMPARE(mealList()->foodName(1), QStringLiteral("Food has been deleted from personal database!"));
        QCOMPARE(mealList()->foodAt(1), std::nullopt);
        QVERIFY(m_history->isClean());
    }

    void personalFoodsAreListedAndAddedFromTheirList()
    {
        makeView();
        m_view->foodList().listPersonalFoods();
        QCOMPARE(foodList()->count(), 2);
        QCOMPARE(foodList()->foodAt(0), std::optional<FoodId>(643));
        QCOMPARE(foodList()->foodName(0), QStringLiteral("Big stew [1 pot]"));
        QCOMPARE(foodList()->displayedText(1), QStringLiteral("- Odd pie [1 slice]"));
        QCOMPARE(foodList()->selectedRow(), 0);
        QVERIFY(child<QPushButton>("eatButton")->hasFocus());
        doubleClickFood(1);
        QCOMPARE(m_document->entry(kBreakfast, 0).foodId(), kOddPie);
        QCOMPARE(amountEdit()->text(), QStringLiteral("150g"));

        m_view->foodList().showFoodGroups();
        QCOMPARE(foodList()->count(), static_cast<int>(foodsOfGroup(0).size()));
    }

    void hiddenPersonalFoodsAreLeftOutOfTheirList()
    {
        m_app->attributes().set(kBigStew, CFoodAttributeDatabase::kHidden);
        makeView();
        m_view->foodList().listPersonalFoods();
        QCOMPARE(foodList()->count(), 1);
        QCOMPARE(test::idAt(foodList(), 0), static_cast<unsigned long>(kOddPie));
    }

    void keysClicksAndTitlesOfEntries()
    {
        // An entry of 0 g, as files written elsewhere may hold, is titled 0 servings.
        m_document->appendEntry(kBreakfast, 0, 0);
        makeView();
        clickEntry(0);
        QVERIFY2(panel().food->title.startsWith(QStringLiteral("0.0 u")), qPrintable(panel().food->title));

        // A double click adds from a sorted list too; the nutrient popup comes after it, at the row.
        m_view->foodList().sortFoodList(kIron, SortDirection::kDescending);
        doubleClickFood(2);
        QCOMPARE(m_document->entryCount(kBreakfast), std::size_t{2});
        QCOMPARE(m_document->entry(kBreakfast, 1).foodId(), static_cast<FoodId>(test::idAt(foodList(), 2)));
        foodList()->setCurrentRow(3);
        QTRY_VERIFY(m_view->findChild<QMenu*>(QStringLiteral("nutrientInfoMenu")) != nullptr);
        const QRect row = foodList()->visualRowRect(3);
        const QPoint at =
            foodList()->viewport()->mapFromGlobal(m_view->findChild<QMenu*>(QStringLiteral("nutrientInfoMenu"))->pos());
        QVERIFY2(at.y() > row.top() && at.y() <= row.bottom() + 2, qPrintable(QString::number(at.y())));
        m_view->findChild<QMenu*>(QStringLiteral("nutrientInfoMenu"))->close();

        // The Delete key in the meal list deletes the selected entry.
        clickEntry(0);
        QTest::keyClick(mealList(), Qt::Key_Delete);
        QCOMPARE(m_document->entryCount(kBreakfast), std::size_t{1});
        QCOMPARE(m_document->entry(kBreakfast, 0).foodId(), static_cast<FoodId>(test::idAt(foodList(), 2)));
    }

    void aPersonalFoodAddedMeanwhileJoinsTheShownList()
    {
        makeView();
        m_view->foodList().listPersonalFoods();
        PersonalFoodValues values{};
        values[kWeight] = 90.0f;
        values[kCalories] = 120.0f;
        QCOMPARE(m_app->personalFoods().append("Rye crisp", "3 pieces", values).status, PersonalFoodStatus::kOk);
        m_app->personalFoodAdded();
        QCOMPARE(foodList()->count(), 3);
        QCOMPARE(foodList()->foodAt(2), std::optional<FoodId>(645));
        QCOMPARE(foodList()->foodName(2), QStringLiteral("Rye crisp [3 pieces]"));

        // A group's list stays as it is.
        m_view->foodList().showFoodGroups();
        const int groupCount = foodList()->count();
        QCOMPARE(m_app->personalFoods().append("Oat cake", "1 piece", values).status, PersonalFoodStatus::kOk);
        m_app->personalFoodAdded();
        QCOMPARE(foodList()->count(), groupCount);
    }

    void textsOfTheFoodColumnAndThePopups()
    {
        QCOMPARE(render::servingsText(0.5f), QStringLiteral("0.5"));
        QCOMPARE(render::servingsText(0.04f), QStringLiteral("0.0"));
        QCOMPARE(render::servingsText(0.96f), QStringLiteral("1.0"));
        QCOMPARE(render::servingsText(1.25f), QStringLiteral("1.3"));
        QCOMPARE(render::servingsText(9.96f), QStringLiteral("10"));
        QCOMPARE(render::servingsText(12.5f), QStringLiteral("12"));
        QCOMPARE(render::servingsText(12.96f), QStringLiteral("13"));
        QCOMPARE(render::servingsText(std::numeric_limits<float>::quiet_NaN()), QStringLiteral("0.0"));
        QCOMPARE(render::servingsText(std::numeric_limits<float>::infinity()), QString::number(214748364));
        QCOMPARE(foodColumnTitle(2.0f, PanelLayout::kOneColumn), QStringLiteral("2.0 units"));
        QCOMPARE(foodColumnTitle(2.0f, PanelLayout::kTwoColumns), QStringLiteral("2.0 u."));
        QCOMPARE(amountEditText(150), QStringLiteral("150g"));
        QCOMPARE(nutrientInfoTexts(kCalories, 52.5f),
                 QStringList({QStringLiteral("Calories:"), QStringLiteral("52.5 kcal")}));
        QCOMPARE(nutrientInfoTexts(kWeight, 0.01f), QStringList({QStringLiteral("Weight:"), QStringLiteral("0 g")}));
    }

    void colourCodePrefixesShowInBothLists()
    {
        QVERIFY(!m_settings->writeText(setting::kFoodColorCode.section, setting::kFoodColorCode.key, "1000001"));
        makeView();
        addFirstFoodOfGroup(0);
        const QString bullets = QString(2, QChar(0x2022)) + u' ';
        QVERIFY(foodList()->displayedText(0).startsWith(bullets));
        QVERIFY(mealList()->displayedText(0).startsWith(bullets));
    }

    void controlsStayInsideTheViewAndApart_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1280x1024") << QSize(1280, 960);
        QTest::newRow("800x600") << QSize(800, 540);
    }

    void controlsStayInsideTheViewAndApart()
    {
        QFETCH(QSize, size);
        makeView();
        m_view->resize(size);
        QCoreApplication::processEvents();
        const QRect panelRect = child<AnalysisPanel>("analysisPanel")->geometry();
        QCOMPARE(panelRect.bottom(), m_view->height() - 1);
        QCOMPARE(
            panelRect.height(),
            child<AnalysisPanel>("analysisPanel")->heightForRows(child<AnalysisPanel>("analysisPanel")->rowCount()));
        const char* names[] = {"mealBox",
                               "groupBox",
                               "mealList",
                               "foodList",
                               "foodListCaption",
                               "deleteButton",
                               "eatButton",
                               "amountEdit",
                               "amountOkButton",
                               "normalOrderButton",
                               "reverseOrderButton",
                               "sortAscendingButton",
                               "sortDescendingButton"};
        QList<QRect> rects;
        for (const char* name : names) {
            const QRect r = child<QWidget>(name)->geometry();
            QVERIFY2(m_view->rect().contains(r), name);
            QVERIFY2(!r.intersects(panelRect), name);
            QVERIFY2(r.width() > 0 && r.height() > 0, name);
            for (const QRect& other : rects) {
                QVERIFY2(!r.intersects(other), name);
            }
            rects.append(r);
        }
        QVERIFY(foodList()->height() > 4 * QFontMetrics(m_view->font()).lineSpacing());
    }
};

QTEST_MAIN(FofViewTest)
#include "fof_view_test.moc"
