#pragma once

// Paints the food pyramid figure over the analysis panel onto any QPainter.

#include "analysis_panel_geometry.h"

#include "calc/pyramid_figure.h"

class QPainter;

namespace mw::render {

// The Food column's value cells of display positions 0..4 (Weight to Total Fat), where the tiers go.
PyramidCells pyramidCellsOf(const AnalysisPanelGeometry& geometry);

// The tiers filled without an outline, then the outline in its grey and white pens, one pixel wide. Each
// outline segment leaves out its end point, which the next one draws. The painter's state is left as it was.
void paintPyramidFigure(QPainter* painter, const PyramidFigure& figure);

} // namespace mw::render
