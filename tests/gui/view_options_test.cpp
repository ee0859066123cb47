#include "fof_view.h"
#include "view_test_support.h"

#include "app_context.h"
#include "food_list_box.h"
#include "prompts.h"
#include "qt_bridge.h"

#include "model/catalogue.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "query/food_listing.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <memory>

using namespace mw;
using namespace mw::gui;

namespace {

// The right edge of a rectangle, one past its last pixel.
int rightOf(const QRect& rect)
{
    return rect.x() + rect.width();
}

} // namespace

class ViewOptionsTest : public QObject, protected test::ViewFixture
{
    Q_OBJECT

private:
    QComboBox* groupBox(CFofView* view = nullptr)
    {
        return view != nullptr ? view->findChild<QComboBox*>(QStringLiteral("groupBox")) : child<QComboBox>("groupBox");
    }
    CFoodListBox* foodList() { return child<CFoodListBox>("foodList"); }

    // The food list holds exactly the visible foods of the group.
    void verifyFoodListShowsGroup(int group)
    {
        const std::vector<FoodId> foods = visibleFoodsOfGroup(group, m_app->attributes());
        QCOMPARE(static_cast<std::size_t>(foodList()->count()), foods.size());
        for (int row = 0; row < foodList()->count(); ++row) {
            QCOMPARE(test::idAt(foodList(), row), static_cast<unsigned long>(foods[static_cast<std::size_t>(row)]));
        }
    }

private slots:
    void initTestCase() { Prompts::setScripted(true); }

    void init()
    {
        startApp();
        makeView();
    }

    void cleanup()
    {
        stopApp();
        Prompts::takeShownMessages();
    }

    // ---- Group order ---------------------------------------------------------------------------------------

    void theGroupBoxStartsInNormalOrder()
    {
        QCOMPARE(groupBox()->count(), kFoodGroupCount);
        QCOMPARE(groupBox()->itemText(0), toQString(foodGroupTitle(0)));
        QCOMPARE(m_view->foodList().selectedFoodGroup(), 0);
        QVERIFY(child<QToolButton>("normalOrderButton")->isChecked());
        QVERIFY(!child<QToolButton>("reverseOrderButton")->isChecked());
        QVERIFY(child<QToolButton>("reverseOrderButton")->isEnabled());
    }

    void reversingShowsTheLastGroupFirstAndTwiceRestoresTheOrder()
    {
        groupBox()->setCurrentIndex(5);
        m_app->setReversedGroupOrder(true);
        QCOMPARE(groupBox()->itemText(0), toQString(foodGroupTitle(kFoodGroupCount - 1)));
        QCOMPARE(groupBox()->itemText(kFoodGroupCount - 1), toQString(foodGroupTitle(0)));
        QCOMPARE(groupBox()->currentIndex(), 0);
        QCOMPARE(m_view->foodList().selectedFoodGroup(), kFoodGroupCount - 1);
        verifyFoodListShowsGroup(kFoodGroupCount - 1);
        // Box position i stands for group 29 - i.
        groupBox()->setCurrentIndex(3);
        QCOMPARE(m_view->foodList().selectedFoodGroup(), kFoodGroupCount - 1 - 3);
        verifyFoodListShowsGroup(kFoodGroupCount - 1 - 3);
        QVERIFY(child<QToolButton>("reverseOrderButton")->isChecked());
        QVERIFY(!child<QToolButton>("normalOrderButton")->isChecked());

        m_app->setReversedGroupOrder(false);
        QCOMPARE(groupBox()->itemText(0), toQString(foodGroupTitle(0)));
        QCOMPARE(m_view->foodList().selectedFoodGroup(), 0);
        verifyFoodListShowsGroup(0);
    }

    void theOrderButtonsSetTheirOrderAndDoNothingWhenItIsInForce()
    {
        auto* reverse = child<QToolButton>("reverseOrderButton");
        auto* normal = child<QToolButton>("normalOrderButton");
        QTest::mouseClick(reverse, Qt::LeftButton);
        QVERIFY(m_app->reversedGroupOrder());
        QVERIFY(reverse->isChecked());
        groupBox()->setCurrentIndex(4);
        // A second click keeps the order, the selection and the pressed look.
        QTest::mouseClick(reverse, Qt::LeftButton);
        QVERIFY(m_app->reversedGroupOrder());
        QVERIFY(reverse->isChecked());
        QCOMPARE(groupBox()->currentIndex(), 4);
        QTest::mouseClick(normal, Qt::LeftButton);
        QVERIFY(!m_app->reversedGroupOrder());
        QVERIFY(normal->isChecked());
        QVERIFY(!reverse->isChecked());
        QCOMPARE(groupBox()->itemText(0), toQString(foodGroupTitle(0)));
    }

    void theOrderHoldsForEveryViewAndForViewsOpenedLater()
    {
        CFofDoc second(m_app->foods());
        QUndoStack secondHistory;
        auto other = std::make_unique<CFofView>(*m_app, second, secondHistory);
        m_app->setReversedGroupOrder(true);
        QCOMPARE(groupBox(other.get())->itemText(0), toQString(foodGroupTitle(kFoodGroupCount - 1)));
        CFofDoc third(m_app->foods());
        QUndoStack thirdHistory;
        const auto later = std::make_unique<CFofView>(*m_app, third, thirdHistory);
        QCOMPARE(groupBox(later.get())->itemText(0), toQString(foodGroupTitle(kFoodGroupCount - 1)));
        QCOMPARE(later->foodList().selectedFoodGroup(), kFoodGroupCount - 1);
        QVERIFY(later->findChild<QToolButton*>(QStringLiteral("reverseOrderButton"))->isChecked());
    }

    // ---- Food list width -----------------------------------------------------------------------------------

    void widestHidesTheButtonColumnsAndTakesTheirPlace()
    {
        const QRect list = foodList()->geometry();
        const QRect group = groupBox()->geometry();
        const QRect deleteButton = child<QPushButton>("deleteButton")->geometry();
        const QRect eatButton = child<QPushButton>("eatButton")->geometry();

        m_view->setFoodListWidth(FoodListWidth::kWidest);
        for (const char* name : {"eatButton", "deleteButton", "amountOkButton"}) {
            QVERIFY2(child<QPushButton>(name)->isHidden(), name);
        }
        QVERIFY(child<QLineEdit>("amountEdit")->isHidden());
        QVERIFY(child<QToolButton>("sortAscendingButton")->isHidden());
        QVERIFY(child<QToolButton>("sortDescendingButton")->isHidden());
        QVERIFY(!child<QToolButton>("normalOrderButton")->isHidden());
        QVERIFY(child<QToolButton>("globalSearchButton")->isHidden());
        // From the middle button column to the right edge of the right one.
        QCOMPARE(foodList()->geometry().left(), deleteButton.left());
        QCOMPARE(rightOf(foodList()->geometry()), rightOf(eatButton));
        QCOMPARE(foodList()->geometry().top(), list.top());
        QCOMPARE(foodList()->geometry().bottom(), list.bottom());
        QCOMPARE(groupBox()->geometry().left(), deleteButton.left());
        QCOMPARE(rightOf(groupBox()->geometry()), rightOf(group));
        QCOMPARE(child<QLineEdit>("searchEdit")->geometry().left(), deleteButton.left());
        QCOMPARE(m_view->focusWidget(), child<QComboBox>("mealBox"));

        // A resize keeps the width in force.
        m_view->resize(1100, 700);
        QCOMPARE(rightOf(foodList()->geometry()), rightOf(child<QPushButton>("eatButton")->geometry()));
        QVERIFY(foodList()->geometry().left() < groupBox()->geometry().left() + 1);
    }

    void choosingTheWidthInForceDoesNothing()
    {
        m_view->setFoodListWidth(FoodListWidth::kWidest);
        foodList()->setCurrentRow(3);
        m_view->setFoodListWidth(FoodListWidth::kWidest);
        QCOMPARE(foodList()->currentIndex().row(), 3);
        m_view->setFoodListWidth(FoodListWidth::kNormal);
        foodList()->setCurrentRow(2);
        m_view->setFoodListWidth(FoodListWidth::kNormal);
        QCOMPARE(foodList()->currentIndex().row(), 2);
    }

    void widerKeepsTheMiddleButtonsAndTakesTheRightColumn()
    {
        const QRect list = foodList()->geometry();
        const QRect eatButton = child<QPushButton>("eatButton")->geometry();
        const QRect group = groupBox()->geometry();
        m_view->setFoodListWidth(FoodListWidth::kWider);
        QVERIFY(child<QPushButton>("eatButton")->isHidden());
        QVERIFY(child<QToolButton>("sortAscendingButton")->isHidden());
        QVERIFY(!child<QPushButton>("deleteButton")->isHidden());
        QVERIFY(!child<QLineEdit>("amountEdit")->isHidden());
        QVERIFY(!child<QPushButton>("amountOkButton")->isHidden());
        QCOMPARE(foodList()->geometry().left(), list.left());
        QCOMPARE(rightOf(foodList()->geometry()), rightOf(eatButton));
        QCOMPARE(groupBox()->geometry(), group);
        QCOMPARE(m_view->focusWidget(), child<QPushButton>("deleteButton"));
    }

    void normalFromWidestShowsEveryControlAgainInItsPlace()
    {
        const QRect list = foodList()->geometry();
        const QRect group = groupBox()->geometry();
        m_view->setFoodListWidth(FoodListWidth::kWidest);
        m_view->setFoodListWidth(FoodListWidth::kNormal);
        for (const char* name : {"eatButton", "deleteButton", "amountOkButton"}) {
            QVERIFY2(!child<QPushButton>(name)->isHidden(), name);
        }
        QVERIFY(!child<QLineEdit>("amountEdit")->isHidden());
        QVERIFY(!child<QToolButton>("sortAscendingButton")->isHidden());
        QVERIFY(!child<QToolButton>("sortDescendingButton")->isHidden());
        QCOMPARE(foodList()->geometry(), list);
        QCOMPARE(groupBox()->geometry(), group);
        QCOMPARE(m_view->focusWidget(), child<QPushButton>("deleteButton"));
    }

    void aWidthEndsASearchAndRefillsFromTheGroup()
    {
        groupBox()->setCurrentIndex(7);
        m_view->foodList().beginSearch();
        QVERIFY(groupBox()->isHidden());
        m_view->setFoodListWidth(FoodListWidth::kWider);
        QVERIFY(!groupBox()->isHidden());
        QVERIFY(child<QLineEdit>("searchEdit")->isHidden());
        verifyFoodListShowsGroup(7);
    }
};

QTEST_MAIN(ViewOptionsTest)
#include "view_options_test.moc"
