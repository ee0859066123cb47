#include "icon_frame_button.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace mw::gui {
namespace {

constexpr int kShadow = 4;
constexpr int kMargin = 8;

int largeIconSize(const QWidget* widget)
{
    return widget->style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, widget);
}

} // namespace

CIconFrameButton::CIconFrameButton(QWidget* parent) : QAbstractButton(parent), m_icon(QApplication::windowIcon())
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CIconFrameButton::sizeHint() const
{
    const int icon = largeIconSize(this);
    return {2 * icon + kMargin, 2 * icon + kMargin};
}

QRect CIconFrameButton::iconRect(const QSize& size)
{
    return {2, 2, size.width() - kMargin, size.height() - kMargin};
}

void CIconFrameButton::paintEvent(QPaintEvent* /*event*/)
{
    const int w = width();
    const int h = height();
    if (w <= kMargin || h <= kMargin) {
        return;
    }
    QPainter painter(this);
    // The frame spans (0, 0) to (w - 4, h - 4); its inside is white, as the icon leaves a one-pixel edge.
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, w - kShadow - 1, h - kShadow - 1);
    painter.fillRect(QRect(w - kShadow, kShadow, kShadow, h - kShadow), Qt::darkGray);
    painter.fillRect(QRect(kShadow, h - kShadow, w - kShadow, kShadow), Qt::darkGray);

    // Transparent parts of the icon show the window's own background, as in the original picture.
    const QRect target = iconRect(size());
    painter.fillRect(target, palette().window());
    if (!m_icon.isNull()) {
        m_icon.paint(&painter, target);
    }
}

} // namespace mw::gui
