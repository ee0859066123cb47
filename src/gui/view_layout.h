#pragma once

// Where the day view puts its controls: plain arithmetic on the view's client rectangle and on font,
// icon and screen measures, so that tests check it without a window. Edges are GDI-like: a control
// spans x from left to right (exclusive), and likewise for y.

#include "model/settings_keys.h"

#include <QRect>

class QWidget;

namespace mw::gui {

// The measures the layout is computed from.
struct ViewMetrics
{
    int lineHeight = 16;      // L: the font's height and its external leading
    int averageCharWidth = 7; // A
    int iconWidth = 32;       // the style's large icon size
    int iconHeight = 32;
    int screenHeight = 768; // the primary screen's height
};

// The measures of the view's font, the style's large icons and the primary screen. The first view of
// the run takes them and every later view reuses them, even if the font changed meanwhile.
const ViewMetrics& firstViewMetrics(const QWidget& firstView);
// What the widget's font, style and screen measure now.
ViewMetrics measureViewMetrics(const QWidget& widget);

// The primary screen's height and the application font's pixel height: the screen mode of the
// displayed-nutrient selection and the panel capacity.
ScreenMetrics currentScreenMetrics();

// Below this screen height the amount edit and the sort buttons move a little lower.
inline constexpr int kShortScreenHeight = 480;
// From this many displayed nutrients the amount edit moves lower on a short screen.
inline constexpr int kManyDisplayedNutrients = 9;
// The buttons are as wide as "Amt. OK" and two more characters.
inline constexpr int kButtonWidthInCharacters = 9;

struct ViewLayout
{
    int lineHeight = 0;    // L
    int gap = 0;           // G = L / 2
    int editHeight = 0;    // H = 3L / 2
    int buttonWidth = 0;   // B = 9A
    int columnWidth = 0;   // W, the width of either list
    int leftColumn = 0;    // x1: the meal box and meal list
    int rightColumn = 0;   // x2: the group box and food list
    int middleButtons = 0; // xb1: between the two lists
    int rightButtons = 0;  // xb2: right of the food list
    int listTop = 0;       // Y0
    int listBottom = 0;    // Yb
    int panelHeight = 0;   // P = L x (rows + 2)
    // The picture buttons are squares of the large icon size, smaller where two would not fit the
    // button column or the room above the eat button.
    int pictureButtonSide = 0;

    QRect mealBox;
    QRect groupBox;
    QRect searchEdit;
    QRect mealList;
    // The food list starts a line lower than the meal list: the line above it names what it lists.
    QRect foodListCaption;
    QRect foodList;
    QRect deleteButton;
    QRect amountOkButton;
    QRect amountEdit;
    QRect eatButton;
    // The order buttons share their places with the search buttons: one pair is visible at a time.
    QRect normalOrderButton;
    QRect reverseOrderButton;
    QRect globalSearchButton;
    QRect localSearchButton;
    QRect sortAscendingButton;
    QRect sortDescendingButton;
    // The analysis panel's frame, across the whole width at the bottom.
    QRect panel;

    // How many items the drop-down lists show: what fits down to 9 lines (meals) and 32 lines (groups).
    int mealBoxVisibleItems = 0;
    int groupBoxVisibleItems = 0;
};

// The layout of a view with the client rectangle and a panel of panelRows rows showing displayedCount
// nutrients. Rectangles that would be inverted on a very small client are empty instead.
ViewLayout computeViewLayout(const ViewMetrics& metrics, const QRect& client, int panelRows, int displayedCount);

// The smallest client the layout still shows every control in: lists two items wide and four lines high, the
// food list's caption above it.
QSize minimumViewSize(const ViewMetrics& metrics, int panelRows);

} // namespace mw::gui
