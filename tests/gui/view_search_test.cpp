#include "food_commands_test_support.h"

#include "format/food_attribute_database.h"
#include "model/food_item_text.h"
#include "query/food_search.h"

#include <QLabel>
#include <QSignalSpy>

using namespace mw;
using namespace mw::gui;

namespace {

// Personal foods 643 to 646: milk only in the portion, letters beyond ASCII, one to hide, MILK in capitals.
const std::string kUserfood = "\"Cocoa drink [1 cup with milk]\", 250, 1500, 80, 200, 40, \r\n"
                              "\"Crème brûlée [1 ramekin]\", 150, 3000, 40, 300, 190, \r\n"
                              "\"Hidden milk pudding [1 cup]\", 200, 2000, 60, 300, 50, \r\n"
                              "\"Almond MILK shake [1 glass]\", 300, 1800, 50, 250, 60, \r\n";
constexpr FoodId kHiddenPudding = 645;
constexpr FoodId kAlmondShake = 646;

const QString kPrompt = QStringLiteral("Enter text to be searched, or !text to exclude");

} // namespace

class ViewSearchTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;

    void search(const QString& text, const char* button = "globalSearchButton")
    {
        f.searchEdit()->setText(text);
        QTest::mouseClick(f.control<QToolButton>(button), Qt::LeftButton);
    }

    QList<unsigned long> listedIds() const
    {
        QList<unsigned long> ids;
        for (int row = 0; row < f.foodList()->count(); ++row) {
            ids.append(test::idAt(f.foodList(), row));
        }
        return ids;
    }

private slots:
    void initTestCase() { initResources(); }

    void init()
    {
        f.start(kUserfood);
        f.app().attributes().set(kHiddenPudding, CFoodAttributeDatabase::kHidden);
        f.frame().newDay();
        f.action("actionSearchFood")->trigger();
    }

    void cleanup() { f.stop(); }

    void beginSearchPutsTheSearchFieldInTheGroupBoxPlace()
    {
        QVERIFY(!f.searchEdit()->isHidden());
        QVERIFY(f.searchEdit()->isVisible());
        QVERIFY(!f.groupBox()->isVisible());
        QVERIFY(f.control<QToolButton>("globalSearchButton")->isVisible());
        QVERIFY(f.control<QToolButton>("localSearchButton")->isVisible());
        QVERIFY(!f.control<QToolButton>("normalOrderButton")->isVisible());
        QVERIFY(!f.control<QToolButton>("reverseOrderButton")->isVisible());
        QCOMPARE(f.searchEdit()->geometry(), f.groupBox()->geometry());
        QCOMPARE(f.searchEdit()->text(), kPrompt);
        QCOMPARE(f.searchEdit()->selectedText(), kPrompt);
    }

    void endSearchBringsBackTheGroupsAndTheirFoods()
    {
        search(QStringLiteral("milk"));
        f.action("actionShowFoodGroups")->trigger();
        QVERIFY(f.searchEdit()->isHidden());
        QVERIFY(!f.searchEdit()->isVisible());
        QVERIFY(f.groupBox()->isVisible());
        QVERIFY(f.control<QToolButton>("normalOrderButton")->isVisible());
        QVERIFY(!f.control<QToolButton>("globalSearchButton")->isVisible());
        // Group 0 again, whose first food is milk.
        QCOMPARE(test::idAt(f.foodList(), 0), 0UL);
        QVERIFY(f.foodList()->count() > 10);
    }

    void theCaptionNamesTheListingAndNothingStaysStale()
    {
        const auto caption = [this] { return f.control<QLabel>("foodListCaption")->text(); };
        search(QStringLiteral("milk"));
        QCOMPARE(caption(), QStringLiteral("Search: milk — %1 foods").arg(f.foodList()->count()));
        search(QStringLiteral("almond"), "localSearchButton");
        QCOMPARE(caption(), QStringLiteral("Search: milk, search: almond — 1 food"));

        // Another listing puts the prompt back in the search field and takes the group out of the box.
        f.action("actionShowPersonalFoods")->trigger();
        QCOMPARE(caption(), QStringLiteral("Personal foods"));
        QCOMPARE(f.searchEdit()->text(), kPrompt);
        f.action("actionShowFoodGroups")->trigger();
        QCOMPARE(f.groupBox()->currentIndex(), 0);
        QCOMPARE(caption(), f.groupBox()->currentText());
        f.action("actionShowPersonalFoods")->trigger();
        QCOMPARE(f.groupBox()->currentIndex(), -1);
        f.groupBox()->setCurrentIndex(0);
        QCOMPARE(test::idAt(f.foodList(), 0), 0UL);
        QCOMPARE(caption(), f.groupBox()->currentText());
    }

    void theWidthCommandsEndTheSearchAndTheWidestWidensTheField()
    {
        const QRect standard = f.searchEdit()->geometry();
        f.action("actionListWidthWidest")->trigger();
        QVERIFY(f.searchEdit()->isHidden());
        QVERIFY(!f.searchEdit()->isVisible());
        QVERIFY(f.groupBox()->isVisible());
        QVERIFY(f.control<QToolButton>("normalOrderButton")->isVisible());

        f.action("actionSearchFood")->trigger();
        QVERIFY(f.searchEdit()->isVisible());
        const QRect widest = f.searchEdit()->geometry();
        QCOMPARE(widest, f.groupBox()->geometry());
        QCOMPARE(widest.right(), standard.right());
        QVERIFY(widest.left() < standard.left());
        QVERIFY(widest.left() < f.foodList()->geometry().left() + 1);

        f.action("actionListWidthNormal")->trigger();
        QVERIFY(f.searchEdit()->isHidden());
        f.action("actionSearchFood")->trigger();
        QCOMPARE(f.searchEdit()->geometry(), standard);
    }

    // What the search matches and in which order is the core's ranked search (its tests say which names match);
    // the list shows its result over the profile's hidden foods, the best match selected.
    void globalSearchListsTheCoresRankedResult()
    {
        search(QStringLiteral("milk"));
        const std::vector<FoodId> ranked =
            globalSearch(*parseSearchPattern("milk"), f.app().foods(), f.app().attributes());
        QVERIFY(ranked.size() >= 10);
        QCOMPARE(listedIds(), QList<unsigned long>(ranked.begin(), ranked.end()));
        QVERIFY(listedIds().contains(kAlmondShake));
        QVERIFY(!listedIds().contains(kHiddenPudding));
        QCOMPARE(f.foodList()->selectedRow(), 0);
        QCOMPARE(f.searchEdit()->selectedText(), QStringLiteral("milk"));
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void nothingFoundIsReported()
    {
        search(QStringLiteral("zzqx"));
        QCOMPARE(f.foodList()->count(), 0);
        QCOMPARE(Prompts::takeShownMessages(), QStringList({QStringLiteral("No entry found!")}));

        // Global pressed over the untouched prompt looks for the prompt itself.
        f.action("actionSearchFood")->trigger();
        QTest::mouseClick(f.control<QToolButton>("globalSearchButton"), Qt::LeftButton);
        QCOMPARE(Prompts::takeShownMessages(), QStringList({QStringLiteral("No entry found!")}));
    }

    void anEmptyPatternDoesNothing()
    {
        search(QStringLiteral("milk"));
        const QStringList before = f.foodItems();
        for (const QString& typed : {QString(), QStringLiteral("!")}) {
            search(typed);
            search(typed, "localSearchButton");
            QCOMPARE(f.foodItems(), before);
        }
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void returnInTheSearchFieldSearchesEverything()
    {
        f.searchEdit()->setText(QStringLiteral("buttermilk"));
        QTest::keyClick(f.searchEdit(), Qt::Key_Return);
        QCOMPARE(listedIds(), QList<unsigned long>({4}));
    }

    void localSearchKeepsTheMatchingLinesPortionsIncluded()
    {
        search(QStringLiteral("milk"));
        const QStringList found = f.foodItems();
        search(QStringLiteral("CUP"), "localSearchButton");
        QStringList expected;
        for (const QString& item : found) {
            if (item.mid(item.indexOf(u';') + 1).contains(QStringLiteral("cup"), Qt::CaseInsensitive)) {
                expected.append(item);
            }
        }
        QVERIFY(!expected.isEmpty());
        QVERIFY(expected.size() < found.size());
        QCOMPARE(f.foodItems(), expected);
        QCOMPARE(f.foodList()->selectedRow(), 0);

        search(QStringLiteral("!chocolate"), "localSearchButton");
        for (const QString& item : f.foodItems()) {
            QVERIFY(!item.contains(QStringLiteral("chocolate"), Qt::CaseInsensitive));
        }
        // Nothing left is no cause for a message.
        search(QStringLiteral("zzqx"), "localSearchButton");
        QCOMPARE(f.foodList()->count(), 0);
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void aGlobalSearchLeavesTheSortedState()
    {
        f.action("actionShowFoodGroups")->trigger();
        f.view()->foodList().sortFoodList(kIron, SortDirection::kDescending);
        QVERIFY(f.control<QToolButton>("sortDescendingButton")->isChecked());
        f.action("actionSearchFood")->trigger();
        search(QStringLiteral("milk"));
        QVERIFY(!f.control<QToolButton>("sortAscendingButton")->isChecked());
        QVERIFY(!f.control<QToolButton>("sortDescendingButton")->isChecked());
        QVERIFY(!f.control<QToolButton>("sortDescendingButton")->isChecked());
    }
};

QTEST_MAIN(ViewSearchTest)
#include "view_search_test.moc"
