#include "screen_fit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace mw::gui {
namespace {

QScreen* screenOf(const QWidget* window)
{
    if (const QWidget* parent = window->parentWidget()) {
        return parent->window()->screen();
    }
    return window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
}

bool isFittedWindow(const QWidget* widget)
{
    if (!widget->isWindow() || widget->isMaximized() || widget->isFullScreen()) {
        return false;
    }
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet;
}

class ScreenFitFilter final : public QObject
{
public:
    explicit ScreenFitFilter(QObject* owner) : QObject(owner) { qApp->installEventFilter(this); }
    ~ScreenFitFilter() override { qApp->removeEventFilter(this); }
    ScreenFitFilter(const ScreenFitFilter&) = delete;
    ScreenFitFilter& operator=(const ScreenFitFilter&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (isFittedWindow(widget)) {
                fitToScreen(widget);
            }
        }
        return false;
    }
};

} // namespace

void fitToScreen(QWidget* window)
{
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    // The title bar and borders, once the window system has told them.
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize room = (available.size() - frame).expandedTo(QSize(1, 1));
    if (window->width() > room.width() || window->height() > room.height()) {
        window->resize(window->size().boundedTo(room));
    }
    // A dialog not placed yet is centred over its owner when shown, inside the screen; moving it here would
    // stop that.
    QRect placed = window->frameGeometry();
    if (available.contains(placed) ||
        (qobject_cast<QDialog*>(window) != nullptr && !window->testAttribute(Qt::WA_Moved))) {
        return;
    }
    placed.moveLeft(std::clamp(placed.left(), available.left(),
                               std::max(available.left(), available.right() + 1 - placed.width())));
    placed.moveTop(
        std::clamp(placed.top(), available.top(), std::max(available.top(), available.bottom() + 1 - placed.height())));
    window->move(placed.topLeft());
}

void fitWindowsToScreen(QObject* owner)
{
    new ScreenFitFilter(owner);
}

} // namespace mw::gui
