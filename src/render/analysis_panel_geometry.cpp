#include "analysis_panel_geometry.h"

#include "calc/analysis.h"

#include <algorithm>
#include <array>

namespace mw::render {

namespace {

// Coordinates stay well inside int so that a right or bottom edge (x + width) can never overflow.
constexpr long long kCoordinateLimit = 1LL << 29;
constexpr int kMaxLineHeight = 1 << 20;
constexpr int kOneColumnCount = 6;
constexpr int kTwoColumnCount = 10;
constexpr int kUnitColumn = 5;
constexpr int kProteinPosition = 2;
constexpr int kTotalFatPosition = 4;
// A percent cell is this much shorter than its row.
constexpr int kPercentCellTrim = 2;
// Calorie-source bars keep this distance from their cell's top and bottom.
constexpr int kCalorieBarInset = 2;

int toCoordinate(long long value)
{
    return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

int usableLineHeight(int lineHeight)
{
    return std::clamp(lineHeight, 1, kMaxLineHeight);
}

int usableDisplayedCount(int displayedCount)
{
    return std::clamp(displayedCount, 0, kNutrientCount);
}

} // namespace

QRect rectFromEdges(long long left, long long top, long long right, long long bottom)
{
    const int l = toCoordinate(left);
    const int t = toCoordinate(top);
    const int r = std::max(l, toCoordinate(right));
    const int b = std::max(t, toCoordinate(bottom));
    return QRect(l, t, r - l, b - t);
}

int panelColumnCount(PanelLayout layout)
{
    return layout == PanelLayout::kOneColumn ? kOneColumnCount : kTwoColumnCount;
}

int panelRowCount(int displayedCount, PanelLayout layout)
{
    const int n = usableDisplayedCount(displayedCount);
    return layout == PanelLayout::kOneColumn ? n : (n + 1) / 2;
}

int panelGap(int lineHeight)
{
    return usableLineHeight(lineHeight) / 2;
}

int panelContentHeight(int lineHeight, int rows)
{
    return usableLineHeight(lineHeight) * (std::clamp(rows, 0, kNutrientCount) + 2);
}

int panelFrameHeight(int lineHeight, int rows)
{
    const int gap = panelGap(lineHeight);
    return panelContentHeight(lineHeight, rows) + gap + gap / 2;
}

bool showsCalorieBars(int displayedCount, PanelLayout layout)
{
    return displayedCount > kTotalFatPosition &&
           (layout == PanelLayout::kOneColumn || displayedCount > kMaxNutrientsWithoutCalorieBars);
}

std::vector<NutrientIndex> normalizedDisplay(std::span<const NutrientIndex> displayed)
{
    std::array<bool, kNutrientCount> shown{};
    std::fill_n(shown.begin(), kAlwaysDisplayedNutrients, true);
    for (const NutrientIndex nutrient : displayed) {
        if (nutrient >= 0 && nutrient < kNutrientCount) {
            shown[static_cast<std::size_t>(nutrient)] = true;
        }
    }
    std::vector<NutrientIndex> rows;
    for (int j = 0; j < kNutrientCount; ++j) {
        if (shown[static_cast<std::size_t>(j)]) {
            rows.push_back(static_cast<NutrientIndex>(j));
        }
    }
    return rows;
}

AnalysisPanelGeometry::AnalysisPanelGeometry(const QRect& area, int lineHeight, int displayedCount, PanelLayout layout)
    : m_layout(layout), m_displayedCount(usableDisplayedCount(displayedCount)),
      m_lineHeight(usableLineHeight(lineHeight)), m_gap(m_lineHeight / 2), m_columnCount(panelColumnCount(layout)),
      m_rowCount(panelRowCount(m_displayedCount, layout)), m_left(toCoordinate(area.x())),
      m_right(std::max(m_left, toCoordinate(static_cast<long long>(area.x()) + area.width()))),
      m_bottom(toCoordinate(static_cast<long long>(area.y()) + area.height())),
      m_titleTop(toCoordinate(static_cast<long long>(m_bottom) - panelContentHeight(m_lineHeight, m_rowCount) - m_gap))
{
    const long long spare = static_cast<long long>(m_right) - (m_columnCount + 1LL) * m_gap - m_left;
    m_columnWidth = toCoordinate(std::max(0LL, spare / m_columnCount));
}

bool AnalysisPanelGeometry::showsCalorieBars() const
{
    return render::showsCalorieBars(m_displayedCount, m_layout);
}

int AnalysisPanelGeometry::columnLeft(int column) const
{
    return toCoordinate(static_cast<long long>(m_left) + m_gap +
                        static_cast<long long>(column) * (static_cast<long long>(m_columnWidth) + m_gap));
}

int AnalysisPanelGeometry::rowTop(int row) const
{
    return toCoordinate(static_cast<long long>(m_titleTop) + m_lineHeight + m_gap +
                        static_cast<long long>(row) * m_lineHeight);
}

QRect AnalysisPanelGeometry::frame() const
{
    return rectFromEdges(m_left, static_cast<long long>(m_titleTop) - m_gap / 2, m_right, m_bottom);
}

QRect AnalysisPanelGeometry::titleCell(int column) const
{
    if (column < 0 || column >= m_columnCount) {
        return {};
    }
    const long long left = columnLeft(column);
    return rectFromEdges(left, m_titleTop, left + m_columnWidth, static_cast<long long>(m_titleTop) + m_lineHeight);
}

QRect AnalysisPanelGeometry::columnBody(int column) const
{
    if (column < 0 || column >= m_columnCount) {
        return {};
    }
    const long long left = columnLeft(column);
    return rectFromEdges(left, static_cast<long long>(m_titleTop) + m_gap / 2 + m_lineHeight, left + m_columnWidth,
                         static_cast<long long>(m_bottom) - m_gap);
}

int AnalysisPanelGeometry::halfOf(int position) const
{
    return m_layout == PanelLayout::kTwoColumns && position >= m_rowCount ? 1 : 0;
}

int AnalysisPanelGeometry::rowOf(int position) const
{
    return position - halfOf(position) * m_rowCount;
}

QRect AnalysisPanelGeometry::cellOf(int position, int columnInHalf, int rightInset, int heightTrim) const
{
    if (!hasPosition(position)) {
        return {};
    }
    const long long left = columnLeft(halfOf(position) * kColumnsPerHalf + columnInHalf);
    const long long top = rowTop(rowOf(position));
    return rectFromEdges(left + m_gap, top, left + m_columnWidth - rightInset, top + m_lineHeight - heightTrim);
}

QRect AnalysisPanelGeometry::nameCell(int position) const
{
    return cellOf(position, 0, m_gap / 4, 0);
}

QRect AnalysisPanelGeometry::valueCell(int position, ValueColumn column) const
{
    return cellOf(position, 1 + static_cast<int>(column), m_gap, 0);
}

QRect AnalysisPanelGeometry::percentCell(int position) const
{
    return cellOf(position, 4, m_gap, kPercentCellTrim);
}

std::optional<QRect> AnalysisPanelGeometry::unitCell(int position) const
{
    if (m_layout != PanelLayout::kOneColumn) {
        return std::nullopt;
    }
    return cellOf(position, kUnitColumn, m_gap, 0);
}

QRect AnalysisPanelGeometry::calorieScaleArea(ValueColumn column) const
{
    if (!hasPosition(kTotalFatPosition)) {
        return {};
    }
    const QRect protein = valueCell(kProteinPosition, column);
    const QRect fat = valueCell(kTotalFatPosition, column);
    return rectFromEdges(protein.x(), protein.y(), rightEdge(protein), bottomEdge(fat));
}

QRect percentBarRect(const QRect& cell, std::optional<int> percent)
{
    return QRect(cell.x(), cell.y(), percentBarWidth(percent, cell.width()), cell.height());
}

std::optional<BarHighlight> percentBarHighlight(const QRect& bar)
{
    // The outline takes the outermost pixels; the highlight goes just inside it.
    if (bar.width() < 3 || bar.height() < 3) {
        return std::nullopt;
    }
    const int x = rightEdge(bar) - 2;
    const int y = bottomEdge(bar) - 2;
    return BarHighlight{QLine(bar.x() + 1, y, x, y), QLine(x, y, x, bar.y() + 1)};
}

QRect percentTextRect(const QRect& cell)
{
    return rectFromEdges(cell.x(), cell.y() - 1LL, rightEdge(cell) - 2LL, bottomEdge(cell) - 1LL);
}

QRect calorieShareBarRect(const QRect& cell, int share)
{
    const long long length = calorieShareBarWidth(share, cell.width());
    return rectFromEdges(cell.x(), static_cast<long long>(cell.y()) + kCalorieBarInset, cell.x() + length,
                         static_cast<long long>(bottomEdge(cell)) - kCalorieBarInset);
}

CalorieScale calorieScale(const QRect& area)
{
    CalorieScale scale;
    scale.top = area.y();
    scale.bottom = bottomEdge(area);
    const int length = calorieScaleLength(area.width());
    const int tenth = length / kCalorieScaleTicks;
    for (int k = 1; k <= kCalorieScaleTicks; ++k) {
        // A tick sits one pixel before each tenth; with a tenth of 0 it would fall left of the cells.
        const int offset = k * tenth - 1;
        if (offset >= 0) {
            scale.tickXs.push_back(area.x() + offset);
        }
    }
    scale.hundredMark = rectFromEdges(static_cast<long long>(area.x()) + kCalorieScaleTicks * tenth, scale.top,
                                      static_cast<long long>(area.x()) + length, scale.bottom);
    return scale;
}

QRect glycemicPictureRect(const QRect& cell, int side)
{
    const int size = std::max(0, side);
    return QRect(cell.x(), cell.y(), size, size).intersected(cell);
}

} // namespace mw::render
