#pragma once

// Fitting the report's texts to a width: wrapped at blanks, cut after some lines, or shortened in the middle.
#include "report_layout.h"

#include <QString>

namespace mw::render {

// The text with characters taken from its middle and an ellipsis put there until it is at most width wide.
QString elidedInMiddle(const QString& text, int width, const ReportTextMeasure& measure, ReportFont font);

} // namespace mw::render
