#include "view_layout.h"

#include "analysis_panel_painter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace mw::gui {
namespace {

// A rectangle from its edges; never inverted.
QRect fromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

// L with its lowest bit cleared, as the list top and bottom use it.
int evenLineHeight(int lineHeight)
{
    return lineHeight & ~1;
}

// The drop-down shows the items that fit between the box's bottom and its drop-down extent.
int visibleDropDownItems(int boxBottom, int extentBottom, int lineHeight)
{
    return std::max(1, (extentBottom - boxBottom) / lineHeight);
}

} // namespace

ViewMetrics measureViewMetrics(const QWidget& widget)
{
    const QFontMetrics font(widget.font());
    const int icon = widget.style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, &widget);
    ViewMetrics metrics;
    // The panel below the lists counts its lines the same way.
    metrics.lineHeight = std::max(1, render::panelLineHeight(font));
    metrics.averageCharWidth = std::max(1, font.averageCharWidth());
    metrics.iconWidth = std::max(1, icon);
    metrics.iconHeight = std::max(1, icon);
    metrics.screenHeight = currentScreenMetrics().height;
    return metrics;
}

const ViewMetrics& firstViewMetrics(const QWidget& firstView)
{
    static std::optional<ViewMetrics> metrics;
    if (!metrics) {
        metrics = measureViewMetrics(firstView);
    }
    return *metrics;
}

ScreenMetrics currentScreenMetrics()
{
    ScreenMetrics screen;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen.height = primary->geometry().height();
    }
    screen.fontHeight = QFontMetrics(QApplication::font()).height();
    return screen;
}

ViewLayout computeViewLayout(const ViewMetrics& metrics, const QRect& client, int panelRows, int displayedCount)
{
    ViewLayout v;
    const int L = std::max(1, metrics.lineHeight);
    const int evenL = evenLineHeight(L);
    const int cl = client.left();
    const int ct = client.top();
    const int cr = client.left() + client.width();
    const int cb = client.top() + client.height();
    const bool shortScreen = metrics.screenHeight < kShortScreenHeight;

    v.lineHeight = L;
    v.gap = L / 2;
    v.editHeight = (3 * L) / 2;
    v.buttonWidth = std::max(1, metrics.averageCharWidth) * kButtonWidthInCharacters;
    const int G = v.gap;
    const int H = v.editHeight;
    const int B = v.buttonWidth;

    const int half = cr / 2;
    v.columnWidth = std::max(0, half - 3 * G - B);
    const int W = v.columnWidth;
    v.leftColumn = cl + G;
    v.rightColumn = half + G;
    v.middleButtons = v.leftColumn + W + G;
    v.rightButtons = v.rightColumn + W + G;

    v.listTop = H + evenL;
    v.panelHeight = L * (std::max(0, panelRows) + 2);
    v.listBottom = std::max(v.listTop, cb - ct + evenL - 4 * G - G / 2 - v.panelHeight);
    const int y0 = v.listTop;
    const int yb = v.listBottom;

    v.mealBox = fromEdges(v.leftColumn, G, v.leftColumn + W, G + H);
    v.groupBox = fromEdges(v.rightColumn, G, v.rightColumn + W, G + H);
    v.searchEdit = v.groupBox;
    v.mealBoxVisibleItems = visibleDropDownItems(G + H, ct + 9 * L, L);
    v.groupBoxVisibleItems = visibleDropDownItems(G + H, ct + 32 * L, L);
    v.mealList = fromEdges(v.leftColumn, y0, v.leftColumn + W, yb);
    v.foodListCaption = fromEdges(v.rightColumn, y0, v.rightColumn + W, std::min(y0 + L, yb));
    v.foodList = fromEdges(v.rightColumn, std::min(y0 + L, yb), v.rightColumn + W, yb);

    v.deleteButton = fromEdges(v.middleButtons, y0, v.middleButtons + B, y0 + 2 * L);
    v.amountOkButton = fromEdges(v.middleButtons, yb - 2 * L, v.middleButtons + B, yb);
    const bool lowerEdit = shortScreen && displayedCount >= kManyDisplayedNutrients;
    const int editBottom = yb - 2 * L - (lowerEdit ? G / 2 : G);
    v.amountEdit = fromEdges(v.middleButtons, editBottom - H, v.middleButtons + B, editBottom);
    v.eatButton = fromEdges(v.rightButtons, y0, v.rightButtons + B, y0 + 2 * L);

    // Two picture buttons fit in the button column and above the eat button.
    const int side = std::max(1, std::min({metrics.iconWidth, metrics.iconHeight, B / 2, y0 - G}));
    v.pictureButtonSide = side;
    v.normalOrderButton = QRect(v.rightButtons, G, side, side);
    v.reverseOrderButton = QRect(v.rightButtons + side, G, side, side);
    v.globalSearchButton = v.normalOrderButton;
    v.localSearchButton = v.reverseOrderButton;
    const int sortBottom = shortScreen ? yb + G / 3 : yb;
    v.sortAscendingButton = QRect(v.rightButtons, sortBottom - side, side, side);
    v.sortDescendingButton = QRect(v.rightButtons + side, sortBottom - side, side, side);

    const int titleTop = cb - v.panelHeight - G;
    v.panel = fromEdges(cl, titleTop - G / 2, cr, cb);
    return v;
}

QSize minimumViewSize(const ViewMetrics& metrics, int panelRows)
{
    const int L = std::max(1, metrics.lineHeight);
    const int G = L / 2;
    const int H = (3 * L) / 2;
    const int B = std::max(1, metrics.averageCharWidth) * kButtonWidthInCharacters;
    const int listWidth = 2 * B;
    const int width = 2 * (listWidth + 3 * G + B);
    // The middle column stacks delete, the amount edit and amount OK; the right one eat and the sort buttons.
    const int middleColumn = 4 * L + H + 2 * G;
    const int rightColumn = 2 * L + std::min(metrics.iconHeight, B / 2) + G;
    const int listHeight = std::max({5 * L, middleColumn, rightColumn});
    const int panelHeight = L * (std::max(0, panelRows) + 2);
    const int height = H + listHeight + 4 * G + G / 2 + panelHeight;
    return QSize(width, height);
}

} // namespace mw::gui
