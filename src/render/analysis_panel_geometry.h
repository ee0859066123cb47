#pragma once

// Where everything of the analysis panel goes, as plain arithmetic on rectangles, so that the screen, the
// printer and the tests share one layout. Right and bottom edges are exclusive: a rectangle spans x from
// left() to left() + width(), and likewise for y.

#include "model/food_types.h"
#include "model/settings_keys.h"

#include <QLine>
#include <QRect>

#include <optional>
#include <span>
#include <vector>

namespace mw::render {

// The three columns that show a nutrient vector.
enum class ValueColumn
{
    kFood = 0,
    kMeal = 1,
    kDay = 2,
};

// Nutrient, Food, Meal, Day, % Goal: the panel columns of one half.
inline constexpr int kColumnsPerHalf = 5;
// The calorie-source bars need more rows than this in two columns, where Protein to Total Fat stay in the left half.
inline constexpr int kMaxNutrientsWithoutCalorieBars = 8;
// The calorie-source scale marks every tenth of 100 %.
inline constexpr int kCalorieScaleTicks = 10;

// 6 columns in one column (with Unit), 10 in two.
int panelColumnCount(PanelLayout layout);
// n rows in one column, (n + 1) / 2 in two.
int panelRowCount(int displayedCount, PanelLayout layout);
// G: half a line.
int panelGap(int lineHeight);
// P = L x (R + 2): what the view sets aside for the panel when it lays out its controls.
int panelContentHeight(int lineHeight, int rows);
// The panel's whole height from its frame's top to its bottom: P + G + G / 2.
int panelFrameHeight(int lineHeight, int rows);
// Protein, carbohydrate and fat shares are drawn in one column, or in two when the three rows share the left half.
bool showsCalorieBars(int displayedCount, PanelLayout layout);

// The nutrients to show as rows: Weight to Total Fat always, then the others once each in catalogue order;
// indexes outside the catalogue are dropped.
std::vector<NutrientIndex> normalizedDisplay(std::span<const NutrientIndex> displayed);

class AnalysisPanelGeometry
{
public:
    // The frame takes the area's width and its bottom; an area taller than the panel leaves room above it.
    // A line height below 1 counts as 1, a displayed count outside 0..28 is brought into it.
    AnalysisPanelGeometry(const QRect& area, int lineHeight, int displayedCount, PanelLayout layout);

    int lineHeight() const { return m_lineHeight; }
    int gap() const { return m_gap; }
    int columnCount() const { return m_columnCount; }
    int rowCount() const { return m_rowCount; }
    int displayedCount() const { return m_displayedCount; }
    PanelLayout layout() const { return m_layout; }
    int columnWidth() const { return m_columnWidth; }
    bool showsCalorieBars() const;

    QRect frame() const;
    QRect titleCell(int column) const;
    QRect columnBody(int column) const;

    // Display positions 0..R-1 fill the left half from the top, R..n-1 the right half.
    int halfOf(int position) const;
    int rowOf(int position) const;
    bool hasPosition(int position) const { return position >= 0 && position < m_displayedCount; }

    // The cells of a display position; empty for a position the panel does not have.
    QRect nameCell(int position) const;
    QRect valueCell(int position, ValueColumn column) const;
    QRect percentCell(int position) const;
    // None in two columns, which have no Unit column.
    std::optional<QRect> unitCell(int position) const;

    // The Protein, Carbohydrate and Total Fat cells of a value column together: the calorie-source scale.
    QRect calorieScaleArea(ValueColumn column) const;

private:
    int columnLeft(int column) const;
    int rowTop(int row) const;
    QRect cellOf(int position, int columnInHalf, int rightInset, int heightTrim) const;

    PanelLayout m_layout;
    int m_displayedCount;
    int m_lineHeight;
    int m_gap;
    int m_columnCount;
    int m_rowCount;
    int m_left;
    int m_right;
    int m_bottom;
    int m_titleTop; // N
    int m_columnWidth;
};

// The percent bar of a cell: from its left, min(percent, 200) x width / 300 long, the cell's full height;
// empty without a percent or for a negative one.
QRect percentBarRect(const QRect& cell, std::optional<int> percent);

// The white lines inside a percent bar, along its bottom and up its right side; none when the bar has no inside.
struct BarHighlight
{
    QLine bottom;
    QLine right;
};
std::optional<BarHighlight> percentBarHighlight(const QRect& bar);

// Where the percent text and the "Personal"/"RDA" label go: the cell moved up a pixel, its right edge 2 in.
QRect percentTextRect(const QRect& cell);

// A calorie-source bar: share x (width x 0.066 truncated) / 10 long from the cell's left, 2 pixels in from its
// top and bottom; at 100 % it reaches 66 % of the cell.
QRect calorieShareBarRect(const QRect& cell, int share);

// Tick lines every tenth of the 100 % length and the solid 100 % mark, over the three calorie-source cells.
struct CalorieScale
{
    std::vector<int> tickXs; // ticks that would fall left of the cells are left out
    QRect hundredMark;       // empty when the tenths add up to the whole length
    int top = 0;
    int bottom = 0; // exclusive
};
CalorieScale calorieScale(const QRect& area);

// The glycemic picture: side x side at the cell's top-left, cut to the cell.
QRect glycemicPictureRect(const QRect& cell, int side);

// A rectangle from its four edges (right and bottom exclusive); saturated to int and never inverted.
QRect rectFromEdges(long long left, long long top, long long right, long long bottom);
inline int rightEdge(const QRect& rect)
{
    return rect.x() + rect.width();
}
inline int bottomEdge(const QRect& rect)
{
    return rect.y() + rect.height();
}

} // namespace mw::render
