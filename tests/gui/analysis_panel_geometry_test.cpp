#include "analysis_panel_geometry.h"

#include <QTest>

#include <limits>

using mw::NutrientIndex;
using mw::PanelLayout;
using mw::render::AnalysisPanelGeometry;
using mw::render::bottomEdge;
using mw::render::rightEdge;
using mw::render::ValueColumn;

namespace {

constexpr int kLine = 16; // L; G = 8
constexpr int kWidth = 800;

std::vector<NutrientIndex> firstNutrients(int count)
{
    std::vector<NutrientIndex> nutrients;
    for (int j = 0; j < count; ++j) {
        nutrients.push_back(static_cast<NutrientIndex>(j));
    }
    return nutrients;
}

// A panel exactly as high as it needs, at the top-left of the area.
AnalysisPanelGeometry panel(int count, PanelLayout layout, int width = kWidth, int line = kLine)
{
    const int height = mw::render::panelFrameHeight(line, mw::render::panelRowCount(count, layout));
    return AnalysisPanelGeometry(QRect(0, 0, width, height), line, count, layout);
}

bool contains(const QRect& outer, const QRect& inner)
{
    return inner.isEmpty() || outer.contains(inner);
}

} // namespace

class AnalysisPanelGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsColumnsAndHeights()
    {
        using mw::render::panelColumnCount;
        using mw::render::panelRowCount;
        QCOMPARE(panelColumnCount(PanelLayout::kOneColumn), 6);
        QCOMPARE(panelColumnCount(PanelLayout::kTwoColumns), 10);
        QCOMPARE(panelRowCount(5, PanelLayout::kTwoColumns), 3);
        QCOMPARE(panelRowCount(28, PanelLayout::kTwoColumns), 14);
        QCOMPARE(panelRowCount(15, PanelLayout::kOneColumn), 15);
        QCOMPARE(panelRowCount(99, PanelLayout::kOneColumn), 28);
        QCOMPARE(panelRowCount(-3, PanelLayout::kTwoColumns), 0);
        // P = L x (R + 2); the frame adds G and G / 2 above it.
        QCOMPARE(mw::render::panelContentHeight(16, 5), 112);
        QCOMPARE(mw::render::panelFrameHeight(16, 5), 124);
        QCOMPARE(mw::render::panelFrameHeight(15, 3), 15 * 5 + 7 + 3);
        QCOMPARE(mw::render::panelContentHeight(0, 5), 7); // a line is at least one pixel
    }

    void oneColumnCells()
    {
        const AnalysisPanelGeometry g = panel(5, PanelLayout::kOneColumn);
        // w = (800 - 7 x 8 - 0) / 6 = 124; N = 124 - 112 - 8 = 4; the frame starts G / 2 above N.
        QCOMPARE(g.columnWidth(), 124);
        QCOMPARE(g.frame(), QRect(0, 0, 800, 124));
        QCOMPARE(g.titleCell(2), QRect(8 + 2 * 132, 4, 124, 16));
        QCOMPARE(g.columnBody(0), QRect(8, 4 + 4 + 16, 124, 124 - 8 - 24));
        // Row k starts at N + L + G + k x L.
        QCOMPARE(g.nameCell(0), QRect(16, 28, 130 - 16, 16));
        QCOMPARE(g.valueCell(3, ValueColumn::kFood), QRect(148, 28 + 48, 108, 16));
        QCOMPARE(g.valueCell(1, ValueColumn::kDay), QRect(8 + 3 * 132 + 8, 44, 108, 16));
        QCOMPARE(g.percentCell(4), QRect(8 + 4 * 132 + 8, 28 + 64, 108, 14));
        QCOMPARE(g.unitCell(2).value(), QRect(8 + 5 * 132 + 8, 60, 108, 16));
        QVERIFY(g.showsCalorieBars());
        QCOMPARE(g.calorieScaleArea(ValueColumn::kMeal), QRect(8 + 2 * 132 + 8, 60, 108, 48));
        QCOMPARE(g.titleCell(6), QRect());
        QCOMPARE(g.valueCell(5, ValueColumn::kMeal), QRect());
        QCOMPARE(g.valueCell(-1, ValueColumn::kMeal), QRect());
    }

    void twoColumnsFillTheLeftHalfFirst()
    {
        const AnalysisPanelGeometry g = panel(5, PanelLayout::kTwoColumns);
        // w = (800 - 11 x 8) / 10 = 71; R = 3.
        QCOMPARE(g.columnWidth(), 71);
        QCOMPARE(g.rowCount(), 3);
        QCOMPARE(g.halfOf(2), 0);
        QCOMPARE(g.halfOf(3), 1);
        QCOMPARE(g.rowOf(3), 0);
        QCOMPARE(g.rowOf(4), 1);
        QCOMPARE(g.nameCell(3).top(), g.nameCell(0).top());
        QCOMPARE(g.nameCell(3).left(), 8 + 5 * 79 + 8);
        QCOMPARE(rightEdge(g.nameCell(3)), 8 + 5 * 79 + 71 - 2);
        QCOMPARE(g.percentCell(4).left(), 8 + 9 * 79 + 8);
        QVERIFY(!g.unitCell(0).has_value());
        // With n <= 8 Total Fat would sit in the right half: no calorie-source bars.
        QVERIFY(!g.showsCalorieBars());
        QVERIFY(!mw::render::showsCalorieBars(8, PanelLayout::kTwoColumns));
        QVERIFY(mw::render::showsCalorieBars(9, PanelLayout::kTwoColumns));
        QVERIFY(mw::render::showsCalorieBars(5, PanelLayout::kOneColumn));
        QVERIFY(!mw::render::showsCalorieBars(4, PanelLayout::kOneColumn));
    }

    void everyCellStaysInsideItsColumnAndTheFrame()
    {
        for (const PanelLayout layout : {PanelLayout::kOneColumn, PanelLayout::kTwoColumns}) {
            for (int n = 5; n <= 28; ++n) {
                const AnalysisPanelGeometry g = panel(n, layout, 1000, 15);
                for (int p = 0; p < n; ++p) {
                    const int base = g.halfOf(p) * mw::render::kColumnsPerHalf;
                    QVERIFY(contains(g.columnBody(base), g.nameCell(p)));
                    for (int c = 0; c < 3; ++c) {
                        QVERIFY(contains(g.columnBody(base + 1 + c), g.valueCell(p, static_cast<ValueColumn>(c))));
                    }
                    QVERIFY(contains(g.columnBody(base + 4), g.percentCell(p)));
                    if (g.unitCell(p)) {
                        QVERIFY(contains(g.columnBody(5), *g.unitCell(p)));
                    }
                    if (p > 0 && g.halfOf(p) == g.halfOf(p - 1)) {
                        QCOMPARE(g.nameCell(p).top(), bottomEdge(g.nameCell(p - 1)));
                    }
                }
                for (int c = 0; c < g.columnCount(); ++c) {
                    QVERIFY(g.frame().contains(g.columnBody(c).adjusted(0, 0, 1, 1)));
                    QVERIFY(g.frame().contains(g.titleCell(c)));
                    QVERIFY(bottomEdge(g.titleCell(c)) <= g.columnBody(c).top());
                }
            }
        }
    }

    void theFrameSitsAtTheBottomOfATallerArea()
    {
        const AnalysisPanelGeometry g(QRect(10, 100, 800, 500), kLine, 5, PanelLayout::kOneColumn);
        QCOMPARE(g.frame(), QRect(10, 600 - 124, 800, 124));
    }

    void narrowAreasGiveEmptyCellsNeverInvertedOnes()
    {
        for (const int width : {0, 1, 20, 60}) {
            const AnalysisPanelGeometry g = panel(28, PanelLayout::kTwoColumns, width);
            QVERIFY(g.columnWidth() >= 0);
            for (int p = 0; p < 28; ++p) {
                QVERIFY(g.valueCell(p, ValueColumn::kDay).width() >= 0);
                QVERIFY(g.percentCell(p).width() >= 0);
                QVERIFY(g.nameCell(p).width() >= 0);
                QCOMPARE(mw::render::percentBarRect(g.percentCell(p), 200).width() >= 0, true);
            }
        }
        const AnalysisPanelGeometry inverted(QRect(50, 50, -40, -40), kLine, 5, PanelLayout::kOneColumn);
        QCOMPARE(inverted.columnWidth(), 0);
        QVERIFY(inverted.frame().width() == 0);
    }

    void extremeAreasAndLinesDoNotOverflow()
    {
        const int big = std::numeric_limits<int>::max();
        const AnalysisPanelGeometry g(QRect(big - 6000, big - 6000, 5000, 5000), big, 28, PanelLayout::kOneColumn);
        for (int p = 0; p < 28; ++p) {
            const QRect cell = g.valueCell(p, ValueColumn::kMeal);
            QVERIFY(cell.width() >= 0 && cell.height() >= 0);
            QVERIFY(static_cast<long long>(cell.x()) + cell.width() <= big);
        }
        const AnalysisPanelGeometry low(QRect(-big, -big, big, big), 40, 9, PanelLayout::kTwoColumns);
        QVERIFY(low.frame().width() >= 0);
    }

    void percentBarIsTwoThirdsAtItsLimit()
    {
        const QRect cell(100, 50, 108, 14);
        QCOMPARE(mw::render::percentBarRect(cell, 250), QRect(100, 50, 72, 14)); // 200 x 108 / 300
        QCOMPARE(mw::render::percentBarRect(cell, 1000000), QRect(100, 50, 72, 14));
        QCOMPARE(mw::render::percentBarRect(cell, std::numeric_limits<int>::max()).width(), 72);
        QCOMPARE(mw::render::percentBarRect(cell, 100).width(), 36);
        QCOMPARE(mw::render::percentBarRect(cell, 2).width(), 0); // 2 x 108 / 300 truncates
        QCOMPARE(mw::render::percentBarRect(cell, std::nullopt).width(), 0);
        QCOMPARE(mw::render::percentBarRect(cell, -40).width(), 0);
        QCOMPARE(mw::render::percentBarRect(cell, std::numeric_limits<int>::min()).x(), 100);
    }

    void barHighlightStaysInsideTheBar()
    {
        const auto highlight = mw::render::percentBarHighlight(QRect(100, 50, 36, 14));
        QVERIFY(highlight.has_value());
        QCOMPARE(highlight->bottom, QLine(101, 62, 134, 62));
        QCOMPARE(highlight->right, QLine(134, 62, 134, 51));
        // A bar too thin for an inside has no highlight, rather than one left of the bar.
        QVERIFY(!mw::render::percentBarHighlight(QRect(100, 50, 1, 14)).has_value());
        QVERIFY(!mw::render::percentBarHighlight(QRect(100, 50, 2, 14)).has_value());
        QVERIFY(mw::render::percentBarHighlight(QRect(100, 50, 3, 14)).has_value());
        QCOMPARE(mw::render::percentTextRect(QRect(100, 50, 108, 14)), QRect(100, 49, 106, 14));
    }

    void calorieShareBarsAndScale()
    {
        const QRect cell(200, 60, 108, 16);
        // 100 % is 108 x 0.66 = 71.28 -> 71 pixels, where the scale's 100 % mark is.
        QCOMPARE(mw::render::calorieShareBarRect(cell, 100), QRect(200, 62, 71, 12));
        QCOMPARE(mw::render::calorieShareBarRect(cell, 46), QRect(200, 62, 32, 12));
        QCOMPARE(mw::render::calorieShareBarRect(cell, 250).width(), 71);
        QCOMPARE(mw::render::calorieShareBarRect(cell, -5).width(), 0);
        QCOMPARE(mw::render::calorieShareBarRect(QRect(200, 60, 108, 3), 50).height(), 0);

        // s10 = (108 x 0.66 = 71.28 -> 71) / 10 = 7: ticks one pixel before every 7, solid from 70 to 71.
        const mw::render::CalorieScale scale = mw::render::calorieScale(QRect(200, 60, 108, 48));
        QCOMPARE(scale.tickXs, (std::vector<int>{206, 213, 220, 227, 234, 241, 248, 255, 262, 269}));
        QCOMPARE(scale.hundredMark, QRect(270, 60, 1, 48));
        QCOMPARE(scale.top, 60);
        QCOMPARE(scale.bottom, 108);

        const mw::render::CalorieScale even = mw::render::calorieScale(QRect(0, 0, 200, 30)); // 132: s10 = 13
        QCOMPARE(even.hundredMark, QRect(130, 0, 2, 30));
        // A cell too narrow for a tenth keeps its ticks out of the cell to its left.
        const mw::render::CalorieScale tiny = mw::render::calorieScale(QRect(300, 0, 10, 30));
        QVERIFY(tiny.tickXs.empty());
        QVERIFY(tiny.hundredMark.left() >= 300);
    }

    void glycemicPictureIsCutToItsCell()
    {
        QCOMPARE(mw::render::glycemicPictureRect(QRect(10, 20, 100, 16), 16), QRect(10, 20, 16, 16));
        QCOMPARE(mw::render::glycemicPictureRect(QRect(10, 20, 8, 16), 16), QRect(10, 20, 8, 16));
        QVERIFY(mw::render::glycemicPictureRect(QRect(10, 20, 8, 16), -4).isEmpty());
    }

    void displayKeepsTheFixedNutrientsFirstInCatalogueOrder()
    {
        using mw::render::normalizedDisplay;
        QCOMPARE(normalizedDisplay({}), firstNutrients(5));
        const std::vector<NutrientIndex> scrambled = {
            static_cast<NutrientIndex>(27), mw::kFiber, static_cast<NutrientIndex>(40), mw::kProtein, mw::kFiber,
            static_cast<NutrientIndex>(-1)};
        std::vector<NutrientIndex> expected = firstNutrients(5);
        expected.push_back(mw::kFiber);
        expected.push_back(mw::kAlcohol);
        QCOMPARE(normalizedDisplay(scrambled), expected);
        QCOMPARE(normalizedDisplay(firstNutrients(28)), firstNutrients(28));
    }
};

QTEST_MAIN(AnalysisPanelGeometryTest)
#include "analysis_panel_geometry_test.moc"
