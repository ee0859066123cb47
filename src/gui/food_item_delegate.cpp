#include "food_item_delegate.h"

#include "qt_bridge.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <array>
#include <cmath>

namespace mw::gui {
namespace {

// Sizes of more rows than a list shows are dropped all at once rather than kept forever.
constexpr qsizetype kMaxCachedSizes = 10000;
constexpr QChar kEllipsis = QChar(0x2026);

constexpr std::array<QRgb, kNamedFoodListCount> kListColors = {
    qRgb(191, 0, 0), qRgb(0, 191, 0),   qRgb(0, 0, 255),   qRgb(191, 191, 0),
    qRgb(0, 0, 0),   qRgb(0, 255, 255), qRgb(255, 0, 255),
};

// The attribute word of the item's food; items of missing foods have none.
std::uint16_t attributeWordOf(const CFoodAttributeDatabase& attributes, const QModelIndex& index)
{
    const QVariant food = index.data(kFoodIdRole);
    if (!food.isValid()) {
        return 0;
    }
    return attributes.test(static_cast<FoodId>(food.toUInt()), 0xFFFF);
}

// No character is narrower than a pixel, so more than this many cannot show in the row's lines.
qsizetype charactersThatFit(int width)
{
    return static_cast<qsizetype>(FoodItemDelegate::kMaxTextLines) * (width + 1);
}

QTextOption wrappingOption()
{
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Lays out at most maxLines lines of the layout's text and returns the height they take.
int layOutLines(QTextLayout& layout, int width, int maxLines)
{
    qreal height = 0;
    layout.beginLayout();
    for (int n = 0; n < maxLines; ++n) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return static_cast<int>(std::ceil(height));
}

} // namespace

QColor foodListColor(int position)
{
    if (position < 0 || position >= kNamedFoodListCount) {
        return kNotOnListColor;
    }
    return QColor(kListColors[static_cast<std::size_t>(position)]);
}

FoodItemMarkers::FoodItemMarkers(const FoodListFlags& codes, bool bullets)
    : m_codes(codes), m_symbol(bullets ? kBullet : kAltSymbol)
{
}

FoodItemMarkers FoodItemMarkers::fromSettings(const Settings& settings)
{
    return FoodItemMarkers(foodColorCode(settings), useBulletListMarkers(settings));
}

int FoodItemMarkers::count() const
{
    int n = 0;
    for (const bool on : m_codes) {
        n += on ? 1 : 0;
    }
    return n;
}

QString FoodItemMarkers::prefix() const
{
    const int n = count();
    return n == 0 ? QStringLiteral("-") : QString(n, m_symbol);
}

QString FoodItemMarkers::displayedText(const QString& name) const
{
    return prefix() + u' ' + name;
}

int FoodItemMarkers::positionOfSymbol(int symbol) const
{
    int seen = 0;
    for (int position = 0; position < kNamedFoodListCount; ++position) {
        if (m_codes[static_cast<std::size_t>(position)]) {
            if (seen == symbol) {
                return position;
            }
            ++seen;
        }
    }
    return -1;
}

std::uint16_t FoodItemMarkers::symbolMask(int symbol) const
{
    const int position = positionOfSymbol(symbol);
    return position < 0 ? 0 : CFoodAttributeDatabase::listMask(position + 1);
}

QColor FoodItemMarkers::symbolColor(int symbol, std::uint16_t attributeWord) const
{
    const std::uint16_t mask = symbolMask(symbol);
    if (mask == 0 || (attributeWord & mask) == 0) {
        return kNotOnListColor;
    }
    return foodListColor(positionOfSymbol(symbol));
}

FoodItemDelegate::FoodItemDelegate(const CFoodAttributeDatabase& attributes, const FoodItemMarkers& markers,
                                   QObject* parent)
    : QStyledItemDelegate(parent), m_attributes(attributes), m_markers(markers)
{
}

int FoodItemDelegate::textWidth(const QStyleOptionViewItem& option)
{
    // Items are measured before they have a rectangle: they are as wide as the list's inside.
    int width = option.rect.width();
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget)) {
        width = view->viewport()->width();
    }
    return std::max(1, width - kTextIndent);
}

QString FoodItemDelegate::fittedText(const QString& text, const QFont& font, int width)
{
    const QString bounded = text.left(charactersThatFit(width));
    QTextLayout probe(bounded, font);
    probe.setTextOption(wrappingOption());
    layOutLines(probe, width, kMaxTextLines);
    const QTextLine last = probe.lineAt(probe.lineCount() - 1);
    if (!last.isValid() || last.textStart() + last.textLength() >= text.size()) {
        return text;
    }
    const QString lastLine = bounded.mid(last.textStart()) + kEllipsis;
    return bounded.left(last.textStart()) + QFontMetrics(font).elidedText(lastLine, Qt::ElideRight, width);
}

QString FoodItemDelegate::shownText(const QModelIndex& index, int width) const
{
    return m_markers.displayedText(index.data(Qt::DisplayRole).toString().left(charactersThatFit(width)));
}

int FoodItemDelegate::layOut(QTextLayout& layout, const QModelIndex& index, const QFont& font, bool selected,
                             int width) const
{
    const QString text = fittedText(shownText(index, width), font, width);
    layout.setText(text);
    layout.setFont(font);
    layout.setTextOption(wrappingOption());

    QTextCharFormat textFormat;
    textFormat.setForeground(selected ? kSelectedFoodColor : kFoodColor);
    QList<QTextLayout::FormatRange> formats{{0, static_cast<int>(text.size()), textFormat}};
    const std::uint16_t word = attributeWordOf(m_attributes, index);
    for (int symbol = 0; symbol < m_markers.count(); ++symbol) {
        QTextCharFormat symbolFormat;
        symbolFormat.setForeground(m_markers.symbolColor(symbol, word));
        formats.append({symbol, 1, symbolFormat});
    }
    layout.setFormats(formats);
    return layOutLines(layout, width, kMaxTextLines);
}

void FoodItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid()) {
        return;
    }
    const QRect textRect = option.rect.adjusted(kTextIndent, 0, 0, 0);
    QTextLayout layout;
    layOut(layout, index, option.font, (option.state & QStyle::State_Selected) != 0, std::max(1, textRect.width()));
    painter->save();
    painter->setClipRect(option.rect);
    layout.draw(painter, textRect.topLeft());
    painter->restore();

    if ((option.state & QStyle::State_HasFocus) != 0) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = option.rect;
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

QSize FoodItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int width = textWidth(option);
    const QString key = QString::number(width) + u'/' + option.font.key() + u'/' + shownText(index, width);
    if (const auto cached = m_sizes.constFind(key); cached != m_sizes.constEnd()) {
        return *cached;
    }
    QTextLayout layout;
    const int height = layOut(layout, index, option.font, false, width);
    const QSize size(width + kTextIndent, std::max(height, QFontMetrics(option.font).height()));
    if (m_sizes.size() >= kMaxCachedSizes) {
        m_sizes.clear();
    }
    m_sizes.insert(key, size);
    return size;
}

} // namespace mw::gui
