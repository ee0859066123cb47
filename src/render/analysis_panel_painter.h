#pragma once

// Paints the analysis panel onto any QPainter, so the screen, a printer and a PDF share one path.

#include "analysis_panel_geometry.h"
#include "calc/analysis.h"
#include "model/nutrient_vector.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QFontMetrics;
class QPainter;

namespace mw::render {

// Which insulin-inducer list a food belongs to, as its picture in the Food column shows it.
enum class GlycemicClass
{
    kNone = 0,
    kLow = 1,
    kMedium = 2,
    kHigh = 3,
};

// From a food's attribute word: the high list wins over medium, medium over low.
GlycemicClass glycemicClassOf(std::uint16_t attributeWord);
// 0..3; none for any other number.
std::optional<GlycemicClass> glycemicClassFromInt(int value);
// The picture's resource path.
QString glycemicPicturePath(GlycemicClass glycemicClass);

// The entry selected in the meal list.
struct FoodColumnState
{
    NutrientVector totals;
    QString title;                              // the servings text, written in the Weight row
    std::optional<GlycemicClass> glycemicClass; // none: no picture
};

// Everything the panel shows; it holds nothing else.
struct AnalysisPanelState
{
    std::vector<NutrientIndex> displayed = normalizedDisplay({}); // rows in catalogue order, Weight first
    PanelLayout layout = PanelLayout::kOneColumn;
    AnalysisGoals goals;
    std::optional<FoodColumnState> food; // none: the Food column is empty
    NutrientVector meal;
    NutrientVector day;
};

namespace panel_colors {
inline const QColor kGray(128, 128, 128);
inline const QColor kLightGray(192, 192, 192);
inline const QColor kTitleText(216, 35, 112);
inline const QColor kOddRowText(0, 0, 255);
} // namespace panel_colors

// L: the font's height with its external leading.
int panelLineHeight(const QFontMetrics& metrics);
// The layout the painter uses for the state in rect with this font.
AnalysisPanelGeometry analysisPanelGeometry(const QRect& rect, const QFontMetrics& metrics,
                                            const AnalysisPanelState& state);

// A value as the panel writes it: its display integer, or "NA " for a negative one.
QString panelValueText(float value);
// p followed by "%"; nothing without a percent.
QString panelPercentText(std::optional<int> percent);
// The level-class colour of the percent bar; gray without a preference table.
QColor percentBarColor(std::optional<IntakeLevel> level);
// The longest of the nutrient's names that fits the width in this font.
QString panelNutrientName(int nutrient, int width, const QFontMetrics& metrics);

// The whole panel in the painter's current font, at the bottom of rect; nothing is drawn outside rect.
// The painter's state is left as it was.
void paintAnalysisPanel(QPainter* painter, const QRect& rect, const AnalysisPanelState& state);

} // namespace mw::render
