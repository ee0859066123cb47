#include "calc/pyramid_figure.h"

#include "support/pyramid_servings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace mw {
namespace {

using test::servings;

// Value cells of Weight .. Total Fat, 160 pixels wide: a serving is 10 pixels, the centre at 180.
constexpr PyramidCells kCells = {{
    {100, 10, 260, 26},
    {100, 27, 260, 43},
    {100, 44, 260, 60},
    {100, 61, 260, 77},
    {100, 78, 260, 94},
}};

PyramidRect tier(const PyramidFigure& figure, PyramidGroup group)
{
    return figure.tiers[group].rect;
}

TEST(PyramidFigure, TiersSpreadFromTheCentreByTheirServingsAndAreFilledInTheirColours)
{
    // 40 g of fat add one sweets serving; widths are truncated to whole pixels.
    const PyramidFigure figure = pyramidFigure(servings(1, 2.5f, 3.29f, 1.99f, 0, 6), 40, kCells);
    EXPECT_EQ(tier(figure, kPyramidSweets), (PyramidRect{170, 27, 190, 43}));
    EXPECT_EQ(tier(figure, kPyramidMilk), (PyramidRect{155, 44, 180, 60}));
    EXPECT_EQ(tier(figure, kPyramidMeat), (PyramidRect{180, 44, 212, 60}));
    EXPECT_EQ(tier(figure, kPyramidVegetable), (PyramidRect{161, 61, 180, 77}));
    EXPECT_EQ(tier(figure, kPyramidFruit), (PyramidRect{180, 61, 180, 77}));
    EXPECT_EQ(tier(figure, kPyramidBread), (PyramidRect{150, 78, 210, 94}));
    // Fills leave out what an outline-free rectangle leaves out.
    EXPECT_EQ(figure.tiers[kPyramidSweets].fill, (PyramidRect{170, 27, 189, 43}));
    EXPECT_EQ(figure.tiers[kPyramidMilk].fill, (PyramidRect{155, 44, 179, 59}));
    EXPECT_EQ(figure.tiers[kPyramidMeat].fill, (PyramidRect{180, 44, 211, 60}));
    EXPECT_EQ(figure.tiers[kPyramidVegetable].fill, (PyramidRect{161, 60, 179, 77}));
    EXPECT_EQ(figure.tiers[kPyramidFruit].fill.right - figure.tiers[kPyramidFruit].fill.left, 0);
    EXPECT_EQ(figure.tiers[kPyramidBread].fill, (PyramidRect{150, 78, 209, 93}));
    EXPECT_EQ(figure.tiers[kPyramidMeat].color, (RgbColor{255, 0, 0}));
    EXPECT_EQ(figure.tiers[kPyramidVegetable].color, (RgbColor{0, 128, 0}));
    EXPECT_EQ(figure.tiers[kPyramidBread].color, (RgbColor{0, 0, 255}));
}

TEST(PyramidFigure, OutlineClimbsInGreyAndDescendsInWhite)
{
    const PyramidFigure figure = pyramidFigure(servings(1, 2.5f, 3.29f, 1.99f, 0, 6), 40, kCells);
    const auto g = PyramidPen::kGrey;
    const auto w = PyramidPen::kWhite;
    const PyramidSegment expected[] = {
        {{150, 92}, {150, 77}, g}, {{150, 77}, {161, 77}, g}, // vegetables start right of the bread
        {{161, 77}, {161, 60}, g}, {{161, 60}, {155, 60}, w}, // milk juts out left of the vegetables
        {{155, 60}, {155, 43}, g}, {{155, 43}, {170, 43}, g}, {{170, 43}, {170, 26}, g}, {{170, 26}, {189, 26}, g},
        {{189, 26}, {189, 43}, w}, {{189, 43}, {211, 43}, g}, // meat juts out right of the sweets
        {{211, 43}, {211, 60}, w}, {{211, 60}, {179, 60}, w}, // fruit lies inside the meat
        {{179, 60}, {179, 77}, w}, {{179, 77}, {209, 77}, g}, // bread juts out right of the fruit
        {{209, 77}, {209, 92}, w}, {{209, 92}, {150, 92}, w},
    };
    ASSERT_EQ(figure.outline.size(), std::size(expected));
    for (std::size_t i = 0; i < figure.outline.size(); ++i) {
        EXPECT_EQ(figure.outline[i], expected[i]) << "segment " << i;
    }
}

TEST(PyramidFigure, BreadTierIsKeptInsideItsCell)
{
    // 16 servings reach the right edge exactly: the tier becomes the whole cell but its last pixel.
    EXPECT_EQ(tier(pyramidFigure(servings(0, 0, 0, 0, 0, 16), 0, kCells), kPyramidBread),
              (PyramidRect{100, 78, 259, 94}));
    EXPECT_EQ(tier(pyramidFigure(servings(0, 0, 0, 0, 0, 15.9f), 0, kCells), kPyramidBread),
              (PyramidRect{101, 78, 259, 94}));
    EXPECT_EQ(tier(pyramidFigure(servings(0, 0, 0, 0, 0, 40), 0, kCells), kPyramidBread),
              (PyramidRect{100, 78, 259, 94}));
}

TEST(PyramidFigure, ServingUnitAndCentreAreWholePixels)
{
    PyramidCells cells = kCells;
    cells[0] = {100, 10, 275, 26}; // 175 wide: 10 pixels a serving, centre at 187
    const PyramidFigure figure = pyramidFigure(servings(0, 1, 1, 0, 0, 0), 0, cells);
    EXPECT_EQ(tier(figure, kPyramidMilk).left, 177);
    EXPECT_EQ(tier(figure, kPyramidMeat).right, 197);
}

TEST(PyramidFigure, DayWithoutServingsOrFatHasOnlyAnOutline)
{
    const PyramidFigure figure = pyramidFigure(PyramidServings(), 0, kCells);
    for (const PyramidTier& t : figure.tiers) {
        EXPECT_EQ(t.rect.left, 180);
        EXPECT_EQ(t.rect.right, 180);
        EXPECT_EQ(t.fill.right - t.fill.left, 0);
        EXPECT_EQ(t.fill.bottom - t.fill.top, 0);
    }
    EXPECT_EQ(figure.outline.front().from, (PyramidPoint{180, 92}));
    EXPECT_EQ(figure.outline.back().to, (PyramidPoint{180, 92}));
}

TEST(PyramidFigure, HugeServingsCannotOverflowCoordinates)
{
    const float infinity = std::numeric_limits<float>::infinity();
    const PyramidFigure figure = pyramidFigure(servings(1e30f, infinity, 1e30f, 1e30f, 1e30f, 1e30f), 1e30f, kCells);
    EXPECT_LT(tier(figure, kPyramidSweets).left, 0);
    EXPECT_GT(tier(figure, kPyramidSweets).right, 1000000);
    EXPECT_LT(tier(figure, kPyramidMilk).left, 0);
    EXPECT_EQ(tier(figure, kPyramidBread), (PyramidRect{100, 78, 259, 94}));
}

TEST(PyramidFigure, NeedsOneColumnOrNineNutrients)
{
    EXPECT_TRUE(pyramidFitsPanel(PanelLayout::kOneColumn, 5));
    EXPECT_FALSE(pyramidFitsPanel(PanelLayout::kTwoColumns, 8));
    EXPECT_TRUE(pyramidFitsPanel(PanelLayout::kTwoColumns, 9));
}

} // namespace
} // namespace mw
