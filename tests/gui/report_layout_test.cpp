#include "report_layout.h"
#include "report_texts.h"

#include "calc/analysis.h"
#include "model/day_document.h"
#include "model/food_operations.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <set>

using namespace mw;
using namespace mw::render;

namespace {

// Every character 10 units wide (12 in the title font); lines 20 high (25 in the title font).
class FixedMeasure final : public ReportTextMeasure
{
public:
    int textWidth(ReportFont font, const QString& text) const override
    {
        measured += text.size();
        return static_cast<int>(text.size()) * (font == ReportFont::kTitle ? 12 : 10);
    }
    int lineHeight(ReportFont font) const override { return font == ReportFont::kTitle ? 25 : 20; }

    mutable qsizetype measured = 0; // characters measured so far
};

// A page 850 x 1100 at 100 dpi: margins at 50 and 800, bottom edge 1050; cw 10, lh 30, lg 5.
ReportPageMetrics pageMetrics(int pageHeight = 1100)
{
    return ReportPageMetrics{850, pageHeight, 100, 100, 10, 30};
}

constexpr int kBodyTop = 215;   // 2 lh + 1.5 lh + lh / 3 + lh + 4 lh / 3 + lh
constexpr int kFoodIndent = 70; // 50 + the marker and a blank, wider here than 1.8 cw
constexpr int kBottom = 1050;

std::vector<NutrientIndex> firstNutrients(int count)
{
    std::vector<NutrientIndex> nutrients;
    for (int j = 0; j < count; ++j) {
        nutrients.push_back(static_cast<NutrientIndex>(j));
    }
    return nutrients;
}

ReportEntry entryNamed(const QString& text, int fatShare = 10)
{
    ReportEntry entry;
    entry.text = text;
    entry.nutrients.fill(1.0f);
    entry.fatShare = fatShare;
    return entry;
}

// Meal m gets entriesPerMeal[m] one-line entries "m.k".
ReportContent contentWith(const std::vector<int>& entriesPerMeal, int printedCount = 5)
{
    ReportContent content;
    content.documentPath = QStringLiteral("/days/monday.ypd");
    content.printed = firstNutrients(printedCount);
    for (std::size_t m = 0; m < entriesPerMeal.size(); ++m) {
        ReportMeal& meal = content.meals[m];
        meal.title = QStringLiteral("MEAL %1").arg(m);
        for (int k = 0; k < entriesPerMeal[m]; ++k) {
            meal.entries.push_back(entryNamed(QStringLiteral("%1.%2").arg(m).arg(k)));
        }
        meal.totals.fill(static_cast<float>(entriesPerMeal[m]));
        meal.fatShare = 20;
    }
    content.dayTotals.fill(7.0f);
    content.dayFatShare = 25;
    return content;
}

std::vector<ReportItem> itemsWith(const ReportPage& page, ReportRole role)
{
    std::vector<ReportItem> found;
    std::copy_if(page.items.begin(), page.items.end(), std::back_inserter(found),
                 [role](const ReportItem& item) { return item.role == role; });
    return found;
}

// The one item of the role on the page; a failure and an empty item when there is none or more than one.
ReportItem onlyItem(const ReportPage& page, ReportRole role)
{
    const std::vector<ReportItem> found = itemsWith(page, role);
    if (found.size() != 1) {
        QTest::qFail(
            qPrintable(
                QStringLiteral("%1 items of role %2, expected one").arg(found.size()).arg(static_cast<int>(role))),
            __FILE__, __LINE__);
        return ReportItem{};
    }
    return found.front();
}

// The first text line of every entry on the page, as "meal.entry".
QStringList entriesOn(const ReportPage& page)
{
    QStringList entries;
    int lastMeal = -1;
    int lastEntry = -1;
    for (const ReportItem& item : itemsWith(page, ReportRole::kEntryText)) {
        if (item.meal != lastMeal || item.entry != lastEntry) {
            entries.append(QStringLiteral("%1.%2").arg(item.meal).arg(item.entry));
            lastMeal = item.meal;
            lastEntry = item.entry;
        }
    }
    return entries;
}

QStringList expectedEntries(int meal, int first, int last)
{
    QStringList entries;
    for (int k = first; k <= last; ++k) {
        entries.append(QStringLiteral("%1.%2").arg(meal).arg(k));
    }
    return entries;
}

bool hasRole(const ReportPage& page, ReportRole role)
{
    return !itemsWith(page, role).empty();
}

} // namespace

class ReportLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void nameColumnDivisorGrowsWithTheNumbers()
    {
        const std::vector<std::pair<int, int>> cases = {{0, 1},  {1, 2},  {9, 2},  {10, 3}, {12, 3},
                                                        {13, 4}, {15, 4}, {16, 5}, {28, 5}};
        for (const auto& [count, divisor] : cases) {
            QCOMPARE(nameColumnDivisor(count), divisor);
        }
    }

    void sixteenNutrientsLeaveAFifthForTheNames()
    {
        const ReportColumns columns = reportColumns(850, 100, 16);
        QCOMPARE(columns.left, 50);
        QCOMPARE(columns.right, 800);
        QCOMPARE(columns.nameRight, 160);
        QCOMPARE(columns.columnWidth, 40);
        QCOMPARE(columns.columnRight(0), 200);
        QCOMPARE(columns.columnRight(15), 800);

        const std::vector<ReportPage> pages = layoutReport(contentWith({1}, 16), pageMetrics(), FixedMeasure());
        const std::vector<ReportItem> heads = itemsWith(pages[0], ReportRole::kColumnName);
        QCOMPARE(heads.size(), std::size_t(16));
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(heads[static_cast<std::size_t>(k)].rect.left() + heads[static_cast<std::size_t>(k)].rect.width(),
                     columns.columnRight(k));
        }
        // "Calories" is 80 wide, more than the 40 of a column: the shortest name stands instead.
        QCOMPARE(heads[1].text, QStringLiteral("Calr"));
        QCOMPARE(itemsWith(pages[0], ReportRole::kEntryValue).size(), std::size_t(16));
    }

    void fullNamesStandWhereTheyFit()
    {
        const std::vector<ReportPage> pages = layoutReport(contentWith({1}, 1), pageMetrics(), FixedMeasure());
        QCOMPARE(onlyItem(pages[0], ReportRole::kColumnName).text, QStringLiteral("Weight"));
        QCOMPARE(onlyItem(pages[0], ReportRole::kColumnUnit).text, QStringLiteral("g"));
    }

    void headerPlacesTitlePathBarsAndHeads()
    {
        const ReportPage page = layoutReport(contentWith({}), pageMetrics(), FixedMeasure()).front();
        const ReportItem title = onlyItem(page, ReportRole::kTitle);
        QCOMPARE(title.text, QStringLiteral("Mealwright  NUTRITIONAL  ANALYSIS"));
        QCOMPARE(title.rect.topLeft(), QPoint(50, 60));
        QCOMPARE(title.font, ReportFont::kTitle);
        const ReportItem file = onlyItem(page, ReportRole::kFileName);
        QCOMPARE(file.text, QStringLiteral("File name: /days/monday.ypd"));
        QCOMPARE(file.rect.left() + file.rect.width(), 800);
        QCOMPARE(file.rect.top(), 60);
        QCOMPARE(onlyItem(page, ReportRole::kHeaderBar).rect, QRect(40, 105, 770, 7));
        QCOMPARE(itemsWith(page, ReportRole::kColumnName).front().rect.top(), 115);
        QCOMPARE(onlyItem(page, ReportRole::kFoodNameHead).rect.topLeft(), QPoint(80, 145));
        QCOMPARE(onlyItem(page, ReportRole::kHeaderLine).rect, QRect(40, 185, 770, 1));

        // A path too long for the line loses its middle and stays right of the title.
        ReportContent longPath = contentWith({});
        longPath.documentPath = QStringLiteral("/home/someone/") + QString(60, u'x') + QStringLiteral("/monday.ypd");
        const ReportPage elided = layoutReport(longPath, pageMetrics(), FixedMeasure()).front();
        const ReportItem path = onlyItem(elided, ReportRole::kFileName);
        QVERIFY(path.text.startsWith(QStringLiteral("File name: /home/")));
        QVERIFY(path.text.endsWith(QStringLiteral("monday.ypd")));
        QVERIFY(path.text.contains(QChar(0x2026)));
        QVERIFY(path.rect.left() >= title.rect.left() + title.rect.width() + 2 * 10);
        QCOMPARE(path.rect.left() + path.rect.width(), 800);
    }

    void anEmptyDayPrintsOnlyTheHeaderAndTheSummary()
    {
        const std::vector<ReportPage> pages = layoutReport(contentWith({}), pageMetrics(), FixedMeasure());
        QCOMPARE(pages.size(), std::size_t(1));
        const ReportPage& page = pages[0];
        QVERIFY(!hasRole(page, ReportRole::kMealTitle));
        QVERIFY(!hasRole(page, ReportRole::kEntryText));
        QVERIFY(!hasRole(page, ReportRole::kMealTotalLabel));
        const ReportItem label = onlyItem(page, ReportRole::kDayTotalLabel);
        QCOMPARE(label.text, QStringLiteral("TOTAL FOR DAY"));
        QCOMPARE(label.rect.top(), kBodyTop + 30);
        QCOMPARE(label.font, ReportFont::kHeavy);
        QCOMPARE(itemsWith(page, ReportRole::kDayTotalValue).size(), std::size_t(5));
        QCOMPARE(onlyItem(page, ReportRole::kDayFatShare).text,
                 QStringLiteral("Percentage of calories from fat:  25%"));
        QCOMPARE(onlyItem(page, ReportRole::kDayBar).rect, QRect(40, kBodyTop + 105, 770, 3));
        QCOMPARE(onlyItem(page, ReportRole::kImportantNote).rect.top(), kBodyTop + 150);
        QVERIFY(!hasRole(page, ReportRole::kFatFootnote));
    }

    void anEmptyDayOfRealFoodsHasZeroTotals()
    {
        FoodOperations foods;
        CFofDoc document(foods);
        NutrientSelection all;
        all.fill(true);
        const ReportContent content = reportContent(document, foods, all, 30, QString());
        const ReportPage page = layoutReport(content, pageMetrics(), FixedMeasure()).front();
        for (const ReportItem& value : itemsWith(page, ReportRole::kDayTotalValue)) {
            QCOMPARE(value.text, QStringLiteral("0"));
        }
        QCOMPARE(onlyItem(page, ReportRole::kDayFatShare).text, QStringLiteral("Percentage of calories from fat:  0%"));
    }

    void withoutNutrientsTheNamesTakeTheWholeWidthAndNoTotalsArePrinted()
    {
        ReportContent content = contentWith({1}, 0);
        content.meals[0].entries[0].text = QString(60, u'n') + QStringLiteral(" x 1.0");
        const ReportPage page = layoutReport(content, pageMetrics(), FixedMeasure()).front();
        QVERIFY(!hasRole(page, ReportRole::kColumnName));
        QVERIFY(!hasRole(page, ReportRole::kColumnUnit));
        QVERIFY(!hasRole(page, ReportRole::kEntryValue));
        QVERIFY(!hasRole(page, ReportRole::kMealTotalLabel));
        QVERIFY(!hasRole(page, ReportRole::kMealTotalValue));
        QVERIFY(!hasRole(page, ReportRole::kDayTotalLabel));
        QVERIFY(!hasRole(page, ReportRole::kDayTotalValue));
        QVERIFY(hasRole(page, ReportRole::kMealFatShare));
        QVERIFY(hasRole(page, ReportRole::kDayFatShare));
        // All 66 characters fit between the food indent and the right margin (d = 1): one line.
        QCOMPARE(itemsWith(page, ReportRole::kEntryText).size(), std::size_t(1));
        // The fat share is centred between the food indent and the name column's end.
        const ReportItem share = onlyItem(page, ReportRole::kMealFatShare);
        QCOMPARE(share.text, QStringLiteral("Fat calories: 20%"));
        QCOMPARE(share.rect.left(), kFoodIndent + (800 - kFoodIndent - 170) / 2);
    }

    void aThreeLineNameAdvancesThreeLinesAndKeepsItsNumbersOnTheFirst()
    {
        ReportContent content = contentWith({2}, 16);
        // 92 units between the food indent and the name column's end (160): nine characters a line.
        content.meals[0].entries[0].text = QStringLiteral("aaaa bbbb cccc dddd eeee");
        const ReportPage page = layoutReport(content, pageMetrics(), FixedMeasure()).front();
        const std::vector<ReportItem> lines = itemsWith(page, ReportRole::kEntryText);
        QCOMPARE(lines.size(), std::size_t(4));
        QCOMPARE(lines[0].text, QStringLiteral("aaaa bbbb"));
        QCOMPARE(lines[1].text, QStringLiteral("cccc dddd"));
        QCOMPARE(lines[2].text, QStringLiteral("eeee"));
        const int top = kBodyTop + 20 + 40; // after the meal title
        QCOMPARE(lines[0].rect.topLeft(), QPoint(kFoodIndent, top));
        QCOMPARE(lines[1].rect.top(), top + 20);
        QCOMPARE(lines[2].rect.top(), top + 40);
        QCOMPARE(lines[3].rect.top(), top + 3 * 20 + 5);
        for (const ReportItem& value : itemsWith(page, ReportRole::kEntryValue)) {
            if (value.entry == 0) {
                QCOMPARE(value.rect.top(), top);
            }
        }
        // The marker ends a blank (10) before the name.
        const ReportItem marker = itemsWith(page, ReportRole::kFatMarker).front();
        QCOMPARE(marker.rect.left() + marker.rect.width(), kFoodIndent - 10);
        QCOMPARE(marker.rect.top(), top);
    }

    void aFatShareAtTheWarningLevelIsNotMarked()
    {
        ReportContent content = contentWith({}, 5);
        content.fatWarningPercent = 30;
        content.meals[2].title = QStringLiteral("LUNCH");
        content.meals[2].entries = {entryNamed(QStringLiteral("at"), 30), entryNamed(QStringLiteral("below"), 29)};
        const ReportPage atLevel = layoutReport(content, pageMetrics(), FixedMeasure()).front();
        for (const ReportItem& marker : itemsWith(atLevel, ReportRole::kFatMarker)) {
            QCOMPARE(marker.text, QStringLiteral("-"));
        }
        QVERIFY(!hasRole(atLevel, ReportRole::kFatFootnote));

        content.meals[2].entries.push_back(entryNamed(QStringLiteral("above"), 31));
        const ReportPage above = layoutReport(content, pageMetrics(), FixedMeasure()).front();
        const std::vector<ReportItem> markers = itemsWith(above, ReportRole::kFatMarker);
        QCOMPARE(markers.size(), std::size_t(3));
        QCOMPARE(markers[2].text, QStringLiteral("*"));
        QCOMPARE(markers[2].entry, 2);
        const ReportItem footnote = onlyItem(above, ReportRole::kFatFootnote);
        QCOMPARE(footnote.text, QStringLiteral("* Food item with calories from fat higher than 30%"));
        QCOMPARE(footnote.font, ReportFont::kSmallItalic);
    }

    void aLongDayIsCheckedPageByPage()
    {
        // Meal 0: 40 one-line entries; meal 1 empty; meal 2: 3 entries.
        const ReportContent content = contentWith({40, 0, 3}, 5);
        const std::vector<ReportPage> pages = layoutReport(content, pageMetrics(), FixedMeasure());
        QCOMPARE(pages.size(), std::size_t(2));

        // Page 1: the title at 235, entries every 25 units from 275; entry 30 ends at 1045, entry 31 would
        // reach 1070, past the bottom edge at 1050.
        const ReportPage& first = pages[0];
        QCOMPARE(onlyItem(first, ReportRole::kMealTitle).rect.top(), 235);
        QCOMPARE(entriesOn(first), expectedEntries(0, 0, 30));
        const std::vector<ReportItem> firstLines = itemsWith(first, ReportRole::kEntryText);
        QCOMPARE(firstLines.back().rect.top(), 275 + 30 * 25);
        QVERIFY(!hasRole(first, ReportRole::kMealTotalLabel));
        QVERIFY(!hasRole(first, ReportRole::kDayTotalLabel));

        // Page 2 resumes mid-meal without the title, then the total, meal 2 and the summary.
        const ReportPage& second = pages[1];
        QVERIFY(hasRole(second, ReportRole::kTitle));
        const std::vector<ReportItem> titles = itemsWith(second, ReportRole::kMealTitle);
        QCOMPARE(titles.size(), std::size_t(1));
        QCOMPARE(titles[0].meal, 2);
        QCOMPARE(entriesOn(second), expectedEntries(0, 31, 39) + expectedEntries(2, 0, 2));
        QCOMPARE(itemsWith(second, ReportRole::kEntryText).front().rect.top(), kBodyTop);
        const std::vector<ReportItem> totals = itemsWith(second, ReportRole::kMealTotalLabel);
        QCOMPARE(totals.size(), std::size_t(2));
        QCOMPARE(totals[0].meal, 0);
        QCOMPARE(totals[0].rect.top(), kBodyTop + 9 * 25 + 15);
        QCOMPARE(itemsWith(second, ReportRole::kMealLine).front().rect.top(), kBodyTop + 9 * 25 + 15 + 30 + 37);
        // Meal 2 starts after half a line and the title's own two thirds of a line.
        QCOMPARE(titles[0].rect.top(), kBodyTop + 9 * 25 + 15 + 30 + 37 + 15 + 20);
        QVERIFY(hasRole(second, ReportRole::kDayTotalLabel));

        // Nothing on either page reaches past the bottom edge.
        for (const ReportPage& page : pages) {
            for (const ReportItem& item : page.items) {
                QVERIFY2(item.rect.bottom() < kBottom, qPrintable(item.text));
            }
        }
    }

    void anEntryEndingAtTheBottomEdgeGoesToTheNextPage()
    {
        // Bottom edge at 1045: entry 30 would end exactly there.
        const std::vector<ReportPage> pages = layoutReport(contentWith({40}), pageMetrics(1095), FixedMeasure());
        QCOMPARE(entriesOn(pages[0]), expectedEntries(0, 0, 29));
        // A bottom edge one unit lower lets it stay.
        const std::vector<ReportPage> lower = layoutReport(contentWith({40}), pageMetrics(1096), FixedMeasure());
        QCOMPARE(entriesOn(lower[0]), expectedEntries(0, 0, 30));
    }

    void aTitleNeedsTwoLinesAndATotalThreeUpToTheBottomEdge()
    {
        // 25 entries end at 900 and the total block at 997: a title fits when the bottom edge is at 1057.
        const std::vector<ReportPage> fits = layoutReport(contentWith({25, 1}), pageMetrics(1107), FixedMeasure());
        QCOMPARE(itemsWith(fits[0], ReportRole::kMealTitle).size(), std::size_t(2));
        const std::vector<ReportPage> full = layoutReport(contentWith({25, 1}), pageMetrics(1106), FixedMeasure());
        QCOMPARE(itemsWith(full[0], ReportRole::kMealTitle).size(), std::size_t(1));
        // The total of 25 entries needs 900 + 90: a bottom edge at 990 keeps it, 989 does not.
        QVERIFY(hasRole(layoutReport(contentWith({25}), pageMetrics(1040), FixedMeasure())[0],
                        ReportRole::kMealTotalLabel));
        QVERIFY(!hasRole(layoutReport(contentWith({25}), pageMetrics(1039), FixedMeasure())[0],
                         ReportRole::kMealTotalLabel));
    }

    void aTotalThatDoesNotFitGoesToTheNextPage()
    {
        // 31 entries fill page 1 down to 1050; the total needs three lines and moves on.
        const std::vector<ReportPage> pages = layoutReport(contentWith({31, 1}), pageMetrics(), FixedMeasure());
        QCOMPARE(pages.size(), std::size_t(2));
        QVERIFY(!hasRole(pages[0], ReportRole::kMealTotalLabel));
        const std::vector<ReportItem> totals = itemsWith(pages[1], ReportRole::kMealTotalLabel);
        QCOMPARE(totals.size(), std::size_t(2));
        QCOMPARE(totals[0].meal, 0);
        QCOMPARE(totals[0].rect.top(), kBodyTop + 15);
        QCOMPARE(entriesOn(pages[1]), expectedEntries(1, 0, 0));
    }

    void aMealTitleThatDoesNotFitGoesToTheNextPage()
    {
        // 25 entries end at 900, meal 0's total at 982 and the gap after it at 997: the next title needs two
        // lines and 1050 < 997 + 60.
        const std::vector<ReportPage> pages = layoutReport(contentWith({25, 1}), pageMetrics(), FixedMeasure());
        QCOMPARE(pages.size(), std::size_t(2));
        QCOMPARE(onlyItem(pages[0], ReportRole::kMealTotalLabel).meal, 0);
        QCOMPARE(onlyItem(pages[0], ReportRole::kMealTitle).meal, 0);
        const ReportItem title = onlyItem(pages[1], ReportRole::kMealTitle);
        QCOMPARE(title.meal, 1);
        QCOMPARE(title.rect.top(), kBodyTop + 20);
        QCOMPARE(entriesOn(pages[1]), expectedEntries(1, 0, 0));
    }

    void theSummaryMovesToAPageOfItsOwnWhenItDoesNotFit()
    {
        // 27 entries end at 950; the total and the gap after it take the page to 1047: no room for the
        // summary's six lines.
        const std::vector<ReportPage> pages = layoutReport(contentWith({27}), pageMetrics(), FixedMeasure());
        QCOMPARE(pages.size(), std::size_t(2));
        QVERIFY(hasRole(pages[0], ReportRole::kMealTotalLabel));
        QVERIFY(!hasRole(pages[0], ReportRole::kDayTotalLabel));
        QVERIFY(!hasRole(pages[1], ReportRole::kEntryText));
        QCOMPARE(onlyItem(pages[1], ReportRole::kDayTotalLabel).rect.top(), kBodyTop + 30);
    }

    void whatNeverFitsIsPrintedClippedAndTheReportEnds()
    {
        // The bottom edge (50) lies above the body: every title, entry, total and summary gets a page of its
        // own, placed at the top, and the report still ends.
        const std::vector<ReportPage> pages = layoutReport(contentWith({2}), pageMetrics(100), FixedMeasure());
        QCOMPARE(pages.size(), std::size_t(5));
        QVERIFY(hasRole(pages[0], ReportRole::kMealTitle));
        QCOMPARE(entriesOn(pages[1]), expectedEntries(0, 0, 0));
        QCOMPARE(entriesOn(pages[2]), expectedEntries(0, 1, 1));
        QVERIFY(hasRole(pages[3], ReportRole::kMealTotalLabel));
        QVERIFY(hasRole(pages[4], ReportRole::kDayTotalLabel));

        // A name of any length takes at most a few lines, so it stays with its neighbours.
        ReportContent tall = contentWith({3}, 16);
        tall.meals[0].entries[1].text = QString(2000, u'w');
        const std::vector<ReportPage> tallPages = layoutReport(tall, pageMetrics(), FixedMeasure());
        QCOMPARE(tallPages.size(), std::size_t(1));
        QCOMPARE(entriesOn(tallPages[0]), expectedEntries(0, 0, 2));
        QCOMPARE(itemsWith(tallPages[0], ReportRole::kEntryText).size(), std::size_t(kMaxReportEntryLines + 2));
    }

    void pagesResumeFromTheStateOneByOne()
    {
        const ReportContent content = contentWith({40, 0, 3});
        ReportPrintState state;
        layoutReportPage(content, pageMetrics(), FixedMeasure(), state);
        QCOMPARE(state.meal, 0);
        QCOMPARE(state.food, std::size_t(31));
        QVERIFY(state.titlePrinted);
        QVERIFY(!state.totalPrinted);
        QVERIFY(!state.dayTotalPrinted);
        layoutReportPage(content, pageMetrics(), FixedMeasure(), state);
        QCOMPARE(state.meal, kMealCount);
        QVERIFY(state.dayTotalPrinted);
    }

    void wrappingBreaksAtBlanksAndInsideWordsTooWide()
    {
        const FixedMeasure measure;
        QCOMPARE(wrapReportText(QStringLiteral("ab cd ef"), 50, measure, ReportFont::kNormal),
                 QStringList({QStringLiteral("ab cd"), QStringLiteral("ef")}));
        QCOMPARE(
            wrapReportText(QStringLiteral("abcdefgh ij"), 30, measure, ReportFont::kNormal),
            QStringList({QStringLiteral("abc"), QStringLiteral("def"), QStringLiteral("gh"), QStringLiteral("ij")}));
        QCOMPARE(wrapReportText(QStringLiteral("abc"), 0, measure, ReportFont::kNormal),
                 QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
        QCOMPARE(wrapReportText(QString(), 100, measure, ReportFont::kNormal), QStringList(QString()));
        QCOMPARE(wrapReportText(QStringLiteral("  spaced   out  "), 100, measure, ReportFont::kNormal),
                 QStringList(QStringLiteral("spaced out")));
    }

    void aLongNameIsCutAfterAFewLinesWithItsServingsKeptAtACostThatDoesNotGrowWithIt()
    {
        const QString servings = QStringLiteral(" x 1.0");
        const auto wrap = [&](const QString& text, int width, int lines, const FixedMeasure& measure = FixedMeasure()) {
            return wrapReportText(text, width, measure, ReportFont::kNormal, lines, servings);
        };
        QCOMPARE(
            wrap(QStringLiteral("aaaa bbbb cccc dddd eeee ffff"), 90, 3),
            QStringList({QStringLiteral("aaaa bbbb"), QStringLiteral("cccc dddd"), QStringLiteral("ee\u2026 x 1.0")}));
        QCOMPARE(wrap(QStringLiteral("aaaa"), 100, 3), QStringList(QStringLiteral("aaaa x 1.0")));
        QCOMPARE(wrap(QString(50, u'a'), 30, 1), QStringList(QStringLiteral("\u2026 x"))); // what of the ending fits
        for (const QString& word : {QStringLiteral("n"), QStringLiteral("Lentil soup ")}) {
            const FixedMeasure shorter;
            const FixedMeasure longer;
            QCOMPARE(wrap(word.repeated(10000 / word.size()), 500, 4, shorter).size(), qsizetype(4));
            QVERIFY(wrap(word.repeated(1000000 / word.size()), 500, 4, longer).back().endsWith(u"\u2026 x 1.0"));
            QCOMPARE(longer.measured, shorter.measured);
            QVERIFY2(longer.measured < 20000, qPrintable(QString::number(longer.measured)));
        }
    }

    void userTextIsNeverAFormatString()
    {
        ReportContent content = contentWith({1});
        content.documentPath = QStringLiteral("/days/%1 %s %n %d.ypd");
        content.meals[0].entries[0].text = QStringLiteral("Cake 100% %s %n %1 x 1.0");
        const ReportPage page = layoutReport(content, pageMetrics(), FixedMeasure()).front();
        QCOMPARE(onlyItem(page, ReportRole::kFileName).text, QStringLiteral("File name: /days/%1 %s %n %d.ypd"));
        QStringList text;
        for (const ReportItem& line : itemsWith(page, ReportRole::kEntryText)) {
            text.append(line.text);
        }
        QCOMPARE(text.join(u' '), QStringLiteral("Cake 100% %s %n %1 x 1.0"));
    }

    void theContentComesFromTheDay()
    {
        FoodOperations foods;
        CFofDoc document(foods);
        document.appendEntry(kLunch, 0, 244);
        document.appendEntry(kLunch, 0, 122);
        document.appendEntry(kDinner, 0, 0);
        NutrientSelection printed{};
        printed[kCalories] = true;
        printed[kTotalFat] = true;
        const ReportContent content = reportContent(document, foods, printed, 25, QStringLiteral("/d.ypd"));
        QCOMPARE(content.printed, std::vector<NutrientIndex>({kCalories, kTotalFat}));
        QCOMPARE(content.fatWarningPercent, 25);
        QCOMPARE(content.meals[kBreakfast].title, QStringLiteral("BREAKFAST"));
        QVERIFY(content.meals[kBreakfast].entries.empty());
        const ReportMeal& lunch = content.meals[kLunch];
        QCOMPARE(lunch.entries.size(), std::size_t(2));
        QCOMPARE(lunch.entries[0].text + lunch.entries[0].servings, QStringLiteral("Milk [1 cup] x 1.0"));
        QCOMPARE(lunch.entries[1].text + lunch.entries[1].servings, QStringLiteral("Milk [1 cup] x 0.5"));
        QCOMPARE(lunch.entries[1].text.constData(), lunch.entries[0].text.constData()); // one copy of the name
        QCOMPARE(lunch.entries[0].nutrients[kWeight], 244.0f);
        QCOMPARE(lunch.totals[kWeight], 366.0f);
        QCOMPARE(lunch.fatShare, fatShare(lunch.totals));
        QVERIFY(lunch.fatShare > 25);
        // An amount of 0 is one serving's nutrients but no servings written.
        QCOMPARE(content.meals[kDinner].entries[0].servings, QStringLiteral(" x 0.0"));
        QCOMPARE(content.dayTotals[kWeight], 610.0f);
        QCOMPARE(reportServingsText(2.04f), QStringLiteral(" x 2.0"));
        QCOMPARE(reportServingsText(12.6f), QStringLiteral(" x 12"));
    }

    void printedListFollowsTheSelection()
    {
        NutrientSelection selection{};
        QVERIFY(printedNutrientList(selection).empty());
        selection.fill(true);
        QCOMPARE(printedNutrientList(selection).size(), std::size_t(kNutrientCount));
        selection[0] = false;
        selection[27] = false;
        const std::vector<NutrientIndex> printed = printedNutrientList(selection);
        QCOMPARE(printed.front(), kCalories);
        QCOMPARE(printed.back(), kPotassium);
    }

    void theFontShrinksOnlyWhereNumbersWouldRunTogether()
    {
        // 10 columns of 53: a text may be 47 wide; the widest head ("Calr") and unit ("kcal") are 40.
        ReportContent content = contentWith({1}, 10);
        content.meals[0].entries[0].nutrients.fill(123.0f); // "123": 30
        content.meals[0].totals.fill(123.0f);
        content.dayTotals.fill(123.0f);
        QCOMPARE(reportFontFit(content, pageMetrics(), FixedMeasure()), 1.0);
        // A number takes half a digit (5) of blank beside it, so that columns never run together.
        content.dayTotals[kCholesterol] = 12345.0f; // 50 + 5
        QCOMPARE(reportFontFit(content, pageMetrics(), FixedMeasure()), 47.0 / 55);
        content.meals[0].entries[0].nutrients[kCalories] = 1e12f; // "2147483647": 100 + 5
        QCOMPARE(reportFontFit(content, pageMetrics(), FixedMeasure()), 47.0 / 105);
        QCOMPARE(reportFontFit(content, ReportPageMetrics{300, 1100, 100, 100, 10, 30}, FixedMeasure()),
                 kMinReportFontFit);
        // Only printed nutrients count.
        content = contentWith({1}, 10);
        content.dayTotals[kSodium] = 1e12f;
        QCOMPARE(reportFontFit(content, pageMetrics(), FixedMeasure()), 1.0);
        QCOMPARE(reportFontFit(contentWith({1}, 0), pageMetrics(), FixedMeasure()), 1.0);
    }
};

QTEST_MAIN(ReportLayoutTest)
#include "report_layout_test.moc"
