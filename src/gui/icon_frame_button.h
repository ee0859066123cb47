#pragma once

#include <QAbstractButton>
#include <QIcon>

namespace mw::gui {

// The program icon at twice the large icon size, in a black frame with a dark-grey shadow along its right
// and bottom edges; the About and splash windows show it. It sizes itself: twice the icon plus 8 pixels
// each way.
class CIconFrameButton : public QAbstractButton
{
    Q_OBJECT

public:
    // Frames the application's window icon; without one it draws the frame only.
    explicit CIconFrameButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Where the icon goes inside a control of the given size.
    static QRect iconRect(const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_icon;
};

} // namespace mw::gui
