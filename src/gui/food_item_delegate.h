#pragma once

#include "format/food_attribute_database.h"
#include "model/settings_keys.h"

#include <QColor>
#include <QHash>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>

#include <cstdint>

class QTextLayout;

namespace mw::gui {

// The item's food as a FoodId; none for a food that no longer exists. The display role holds its name.
inline constexpr int kFoodIdRole = Qt::UserRole;

// The colour-code symbols the food lists put before every name: one symbol per food list whose
// "Food Color Code" position is "1", each coloured by whether the food is on that list.
class FoodItemMarkers
{
public:
    static constexpr QChar kBullet = QChar(0x2022);
    static constexpr QChar kAltSymbol = QChar(u'@');

    FoodItemMarkers() = default;
    FoodItemMarkers(const FoodListFlags& codes, bool bullets);
    static FoodItemMarkers fromSettings(const Settings& settings);

    // How many code positions are on.
    int count() const;
    // That many symbols, or "-" when none is on.
    QString prefix() const;
    // The prefix, a blank and the name.
    QString displayedText(const QString& name) const;
    // Symbol i (0 = first) stands for the i-th position that is on: its list's attribute bit and colour.
    std::uint16_t symbolMask(int symbol) const;
    QColor symbolColor(int symbol, std::uint16_t attributeWord) const;

    friend bool operator==(const FoodItemMarkers&, const FoodItemMarkers&) = default;

private:
    int positionOfSymbol(int symbol) const;

    FoodListFlags m_codes{};
    QChar m_symbol = kBullet;
};

// The colour of code position 0..6 for a food on its list.
QColor foodListColor(int position);
// The symbol colour of a food that is not on the list.
inline const QColor kNotOnListColor(192, 192, 192);
// Item text colours.
inline const QColor kSelectedFoodColor(255, 0, 0);
inline const QColor kFoodColor(0, 0, 255);

// Draws and sizes the items of the meal and food lists: the marked name word-wrapped in the list's
// width, red when selected and blue otherwise, on the list's own background. A name longer than
// kMaxTextLines lines is cut there with an ellipsis, so a row never costs more than a few lines' work.
class FoodItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The text starts this far right of the item's left edge.
    static constexpr int kTextIndent = 2;
    static constexpr int kMaxTextLines = 4;

    // Both must outlive the delegate; the markers are the list's own, re-read before it lays out and paints.
    FoodItemDelegate(const CFoodAttributeDatabase& attributes, const FoodItemMarkers& markers,
                     QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The text as drawn in width: at most kMaxTextLines lines, the last one elided when the text goes on.
    static QString fittedText(const QString& text, const QFont& font, int width);

private:
    // Lays the item's text out in the width and returns the height it takes.
    int layOut(QTextLayout& layout, const QModelIndex& index, const QFont& font, bool selected, int width) const;
    static int textWidth(const QStyleOptionViewItem& option);
    // The marked text of the item, cut where no more of it could show in width.
    QString shownText(const QModelIndex& index, int width) const;

    const CFoodAttributeDatabase& m_attributes;
    const FoodItemMarkers& m_markers;
    // Row sizes by font, width and text: a list lays its rows out again on every resize and scroll.
    mutable QHash<QString, QSize> m_sizes;
};

} // namespace mw::gui
