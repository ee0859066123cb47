#include "food_commands_test_support.h"

#include "format/food_attribute_database.h"
#include "model/food_item_text.h"
#include "query/food_search.h"

#include <QLabel>
#include <QSignalSpy>

using namespace mw;
using namespace mw::gui;

namespace {

// Milk only in the portion, a name with letters beyond ASCII, and one to hide.
const std::string kUserfood = "\"Cocoa drink [1 cup with milk]\", 250, 1500, 80, 200, 40, \r\n"
                              "\"Crème brûlée [1 ramekin]\", 150, 3000, 40, 300, 190, \r\n"
                              "\"Hidden milk pudding [1 cup]\", 200, 2000, 60, 300, 50, \r\n"
                              "\"Almond MILK shake [1 glass]\", 300, 1800, 50, 250, 60, \r\n";
constexpr FoodId kCocoaDrink = 643;
constexpr FoodId kCremeBrulee = 644;
constexpr FoodId kHiddenPudding = 645;
constexpr FoodId kAlmondShake = 646;

const QString kPrompt = QStringLiteral("Enter text to be searched, or !text to exclude");

QString nameWithoutPortion(const QString& item)
{
    const QString shown = item.mid(item.indexOf(u';') + 1);
    const qsizetype bracket = shown.indexOf(u'[');
    return bracket < 0 ? shown : shown.left(bracket);
}

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
        QVERIFY(f.view()->foodList().isSearching());
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
        QVERIFY(!f.view()->foodList().isSearching());
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
        QVERIFY(!f.view()->foodList().isSearching());
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
        QVERIFY(!f.view()->foodList().isSearching());
        f.action("actionSearchFood")->trigger();
        QCOMPARE(f.searchEdit()->geometry(), standard);
    }

    void globalSearchFindsNamesNotPortionsBestFirst()
    {
        search(QStringLiteral("milk"));
        const QList<unsigned long> ids = listedIds();
        QVERIFY(ids.size() >= 10);
        QCOMPARE(ids.first(), 0UL);
        // The list is the core's ranked search: names that start with the text first, not the table's order.
        const std::vector<FoodId> ranked =
            globalSearch(*parseSearchPattern("milk"), f.app().foods(), f.app().attributes());
        QCOMPARE(ids, QList<unsigned long>(ranked.begin(), ranked.end()));
        QVERIFY(!std::is_sorted(ids.begin(), ids.end()));
        for (const QString& item : f.foodItems()) {
            const unsigned long id = item.section(u';', 0, 0).toULong();
            if (id < kFirstPersonalFoodId) {
                QVERIFY2(nameWithoutPortion(item).contains(QStringLiteral("milk"), Qt::CaseInsensitive),
                         qPrintable(item));
            }
        }
        // A personal food is looked for in its stored name, portion included; a hidden one is skipped.
        QVERIFY(ids.contains(kCocoaDrink));
        QVERIFY(ids.contains(kAlmondShake));
        QVERIFY(!ids.contains(kHiddenPudding));
        QVERIFY(!ids.contains(kCremeBrulee));
        QCOMPARE(f.foodList()->selectedRow(), 0);
        QCOMPARE(f.searchEdit()->selectedText(), QStringLiteral("milk"));
        QVERIFY(f.app().foods().itemText(kAlmondShake).find("Almond MILK shake") != std::string::npos);
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void caseDoesNotMatterBeyondAsciiEither()
    {
        search(QStringLiteral("milk"));
        const QList<unsigned long> lower = listedIds();
        for (const QString& other : {QStringLiteral("MILK"), QStringLiteral("Milk")}) {
            search(other);
            QCOMPARE(listedIds(), lower);
        }
        search(QStringLiteral("CRÈME BRÛLÉE"));
        QCOMPARE(listedIds(), QList<unsigned long>({kCremeBrulee}));
    }

    void portionsAndFoodIdsNeverMatchStandardFoods()
    {
        search(QStringLiteral("cup"));
        for (const QString& item : f.foodItems()) {
            if (item.section(u';', 0, 0).toULong() < kFirstPersonalFoodId) {
                QVERIFY2(nameWithoutPortion(item).contains(QStringLiteral("cup"), Qt::CaseInsensitive),
                         qPrintable(item));
            }
        }
        Prompts::takeShownMessages();
        search(QStringLiteral("12"));
        for (const QString& item : f.foodItems()) {
            QVERIFY2(item.mid(item.indexOf(u';') + 1).contains(QStringLiteral("12")), qPrintable(item));
        }
    }

    void exclusionListsEveryVisibleFoodWithoutTheText()
    {
        search(QStringLiteral("milk"));
        const qsizetype matching = f.foodList()->count();
        search(QStringLiteral("!milk"));
        // 643 standard foods and three visible personal ones, less those with milk in their names.
        QCOMPARE(f.foodList()->count(), 643 + 3 - matching);
        for (const QString& item : f.foodItems()) {
            QVERIFY2(!nameWithoutPortion(item).contains(QStringLiteral("milk"), Qt::CaseInsensitive) ||
                         item.section(u';', 0, 0).toULong() >= kFirstPersonalFoodId,
                     qPrintable(item));
        }
        QVERIFY(listedIds().contains(kCremeBrulee));
        QVERIFY(!listedIds().contains(kCocoaDrink));
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
        QVERIFY(!f.view()->foodList().sortedNutrient());
        QVERIFY(!f.control<QToolButton>("sortDescendingButton")->isChecked());
    }
};

QTEST_MAIN(ViewSearchTest)
#include "view_search_test.moc"
