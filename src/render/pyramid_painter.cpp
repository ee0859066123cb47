#include "pyramid_painter.h"

#include <QColor>
#include <QPainter>

namespace mw::render {
namespace {

const QColor kOutlineGrey(128, 128, 128);

int sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

PyramidCells pyramidCellsOf(const AnalysisPanelGeometry& geometry)
{
    PyramidCells cells;
    for (std::size_t position = 0; position < cells.size(); ++position) {
        const QRect cell = geometry.valueCell(static_cast<int>(position), ValueColumn::kFood);
        cells[position] = {cell.left(), cell.top(), rightEdge(cell), bottomEdge(cell)};
    }
    return cells;
}

void paintPyramidFigure(QPainter* painter, const PyramidFigure& figure)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    for (const PyramidTier& tier : figure.tiers) {
        const PyramidRect& fill = tier.fill;
        if (fill.right > fill.left && fill.bottom > fill.top) {
            painter->fillRect(QRect(fill.left, fill.top, fill.right - fill.left, fill.bottom - fill.top),
                              QColor(tier.color.red, tier.color.green, tier.color.blue));
        }
    }
    for (const PyramidSegment& segment : figure.outline) {
        const int dx = sign(segment.to.x - segment.from.x);
        const int dy = sign(segment.to.y - segment.from.y);
        if (dx == 0 && dy == 0) {
            continue;
        }
        painter->setPen(QPen(segment.pen == PyramidPen::kGrey ? kOutlineGrey : QColor(Qt::white), 0));
        painter->drawLine(QPoint(segment.from.x, segment.from.y), QPoint(segment.to.x - dx, segment.to.y - dy));
    }
    painter->restore();
}

} // namespace mw::render
