#include "calc/pyramid_figure.h"

#include "calc/saturate.h"

#include <algorithm>

namespace mw {
namespace {

enum PyramidRow : std::size_t
{
    kWeightRow = 0,
    kCaloriesRow,
    kProteinRow,
    kCarbohydrateRow,
    kTotalFatRow,
};

// However many servings a day holds, a tier stays within this many pixels of the centre, so no
// coordinate can overflow.
constexpr int kMaxReach = 1 << 24;

constexpr std::array<RgbColor, kPyramidGroupCount> kTierColors = {{
    {0, 0, 0},       // sweets: black
    {255, 255, 255}, // milk: white
    {255, 0, 0},     // meat: red
    {0, 128, 0},     // vegetables: green
    {255, 255, 0},   // fruit: yellow
    {0, 0, 255},     // bread: blue
}};

int reach(double pixels)
{
    return std::clamp(saturatingTruncate<int>(pixels), 0, kMaxReach);
}

// Half the tier on either side of the centre.
int halfWidth(int unit, float servings)
{
    return reach(static_cast<float>(unit) * servings * 0.5);
}

int fullWidth(int unit, float servings)
{
    return reach(static_cast<float>(unit) * servings);
}

PyramidRect span(const PyramidRect& row, int left, int right)
{
    return {left, row.top, right, row.bottom};
}

// A rectangle filled without an outline leaves out its last column and row; the tiers that reach
// their cell's last row are filled one row further down for it.
PyramidRect fillOf(const PyramidRect& tier, PyramidGroup group)
{
    PyramidRect fill{tier.left, tier.top, std::max(tier.left, tier.right - 1), tier.bottom - 1};
    if (group == kPyramidSweets || group == kPyramidMeat || group == kPyramidVegetable || group == kPyramidFruit) {
        ++fill.bottom;
    }
    if (group == kPyramidVegetable) {
        --fill.top;
    }
    if (fill.left == fill.right) {
        fill.bottom = fill.top;
    }
    return fill;
}

std::array<PyramidRect, kPyramidGroupCount> tierRects(const PyramidServings& day, float dayTotalFat,
                                                      const PyramidCells& cells)
{
    const PyramidRect& weight = cells[kWeightRow];
    const int unit = (weight.right - weight.left) / 16;
    const int x = weight.left + (weight.right - weight.left) / 2;
    const auto sweets = static_cast<float>(day[kPyramidSweets] + 0.025 * dayTotalFat);

    std::array<PyramidRect, kPyramidGroupCount> rects;
    const int sweetsHalf = halfWidth(unit, sweets);
    rects[kPyramidSweets] = span(cells[kCaloriesRow], x - sweetsHalf, x + sweetsHalf);
    rects[kPyramidMilk] = span(cells[kProteinRow], x - fullWidth(unit, day[kPyramidMilk]), x);
    rects[kPyramidMeat] = span(cells[kProteinRow], x, x + fullWidth(unit, day[kPyramidMeat]));
    rects[kPyramidVegetable] = span(cells[kCarbohydrateRow], x - fullWidth(unit, day[kPyramidVegetable]), x);
    rects[kPyramidFruit] = span(cells[kCarbohydrateRow], x, x + fullWidth(unit, day[kPyramidFruit]));

    const PyramidRect& fatRow = cells[kTotalFatRow];
    const int breadHalf = halfWidth(unit, day[kPyramidBread]);
    rects[kPyramidBread] = x + breadHalf >= fatRow.right ? span(fatRow, fatRow.left, fatRow.right - 1)
                                                         : span(fatRow, x - breadHalf, x + breadHalf);
    return rects;
}

PyramidPen greyWhen(bool grey)
{
    return grey ? PyramidPen::kGrey : PyramidPen::kWhite;
}

std::array<PyramidSegment, kPyramidOutlineSegments> outlineOf(const std::array<PyramidRect, kPyramidGroupCount>& r)
{
    const PyramidRect& sweets = r[kPyramidSweets];
    const PyramidRect& milk = r[kPyramidMilk];
    const PyramidRect& meat = r[kPyramidMeat];
    const PyramidRect& vegetable = r[kPyramidVegetable];
    const PyramidRect& fruit = r[kPyramidFruit];
    const PyramidRect& bread = r[kPyramidBread];

    // The left side and the top catch the light (grey); the right side and the bottom lie in shade (white),
    // except where a step juts out beyond the one above it.
    const PyramidPoint points[] = {
        {bread.left, bread.bottom - 2},      {bread.left, bread.top - 1},      {vegetable.left, bread.top - 1},
        {vegetable.left, vegetable.top - 1}, {milk.left, vegetable.top - 1},   {milk.left, milk.top - 1},
        {sweets.left, milk.top - 1},         {sweets.left, sweets.top - 1},    {sweets.right - 1, sweets.top - 1},
        {sweets.right - 1, meat.top - 1},    {meat.right - 1, meat.top - 1},   {meat.right - 1, fruit.top - 1},
        {fruit.right - 1, fruit.top - 1},    {fruit.right - 1, bread.top - 1}, {bread.right - 1, bread.top - 1},
        {bread.right - 1, bread.bottom - 2},
    };
    const PyramidPen pens[] = {
        PyramidPen::kGrey,                      // up the bread tier
        greyWhen(vegetable.left >= bread.left), // across to the vegetables
        PyramidPen::kGrey,                      // up the vegetables
        greyWhen(milk.left >= vegetable.left),  // across to the milk
        PyramidPen::kGrey,                      // up the milk
        PyramidPen::kGrey,                      // across to the sweets
        PyramidPen::kGrey,                      // up the sweets
        PyramidPen::kGrey,                      // the top
        PyramidPen::kWhite,                     // down the sweets
        greyWhen(sweets.right < meat.right),    // across to the meat
        PyramidPen::kWhite,                     // down the meat
        greyWhen(meat.right < fruit.right),     // across to the fruit
        PyramidPen::kWhite,                     // down the fruit
        greyWhen(fruit.right < bread.right),    // across to the bread
        PyramidPen::kWhite,                     // down the bread
        PyramidPen::kWhite,                     // the bottom
    };
    std::array<PyramidSegment, kPyramidOutlineSegments> outline;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        outline[i] = {points[i], points[(i + 1) % std::size(points)], pens[i]};
    }
    return outline;
}

} // namespace

PyramidFigure pyramidFigure(const PyramidServings& day, float dayTotalFat, const PyramidCells& cells)
{
    const std::array<PyramidRect, kPyramidGroupCount> rects = tierRects(day, dayTotalFat, cells);
    PyramidFigure figure;
    for (std::size_t g = 0; g < rects.size(); ++g) {
        const auto group = static_cast<PyramidGroup>(g);
        figure.tiers[g] = {group, rects[g], fillOf(rects[g], group), kTierColors[g]};
    }
    figure.outline = outlineOf(rects);
    return figure;
}

bool pyramidFitsPanel(PanelLayout layout, int displayedNutrients)
{
    return layout == PanelLayout::kOneColumn || displayedNutrients >= 9;
}

} // namespace mw
