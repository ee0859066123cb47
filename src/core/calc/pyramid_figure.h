#pragma once

#include "model/food_types.h"
#include "model/nutrient_vector.h"
#include "model/settings_keys.h"

#include <array>

namespace mw {

// The food pyramid figure drawn over the analysis panel's Food column, as plain geometry: the painter
// only fills the tiers and draws the outline segments.

// A rectangle in device pixels; right and bottom lie just outside it.
struct PyramidRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PyramidRect&, const PyramidRect&) = default;
};

struct PyramidPoint
{
    int x = 0;
    int y = 0;
    friend bool operator==(const PyramidPoint&, const PyramidPoint&) = default;
};

struct PyramidTier
{
    PyramidGroup group = kPyramidSweets;
    // The tier's extent: across from the centre by its servings, down its row's cell.
    PyramidRect rect;
    // The pixels its colour covers (empty when the tier has no width).
    PyramidRect fill;
    RgbColor color;
};

enum class PyramidPen
{
    kGrey,  // solid RGB(128, 128, 128), one pixel
    kWhite, // the white stock pen
};

// A line from one point towards the next; the end point itself is left for the following segment.
struct PyramidSegment
{
    PyramidPoint from;
    PyramidPoint to;
    PyramidPen pen = PyramidPen::kGrey;
    friend bool operator==(const PyramidSegment&, const PyramidSegment&) = default;
};

inline constexpr int kPyramidOutlineSegments = 16;

struct PyramidFigure
{
    // By PyramidGroup: sweets, milk, meat, vegetable, fruit, bread.
    std::array<PyramidTier, kPyramidGroupCount> tiers;
    // Around the stepped figure, from the bottom left corner up the left side and back along the bottom.
    std::array<PyramidSegment, kPyramidOutlineSegments> outline;
};

// The Food column's value cells of display positions 0..4: Weight, Calories, Protein, Carbohydrate, Total Fat.
using PyramidCells = std::array<PyramidRect, 5>;

// The figure of the day's servings; dayTotalFat (g) adds a fortieth of a sweets serving per gram. A serving
// is a sixteenth of the Weight cell's width wide; sweets and bread are centred, milk and vegetables grow to
// the left of the centre, meat and fruit to the right. Only the bread tier is kept inside its cell.
PyramidFigure pyramidFigure(const PyramidServings& day, float dayTotalFat, const PyramidCells& cells);

// The figure needs rows 0..4 in one column: not in two columns showing fewer than nine nutrients,
// where some of them move to the right half.
bool pyramidFitsPanel(PanelLayout layout, int displayedNutrients);

} // namespace mw
