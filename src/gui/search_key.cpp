#include "search_key.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>

namespace mw::gui {

GlobalSearchKey::GlobalSearchKey(QWidget* view, QLineEdit* searchEdit, QAbstractButton* globalButton)
    : QObject(view), m_button(globalButton)
{
    view->installEventFilter(this);
    searchEdit->installEventFilter(this);
}

bool GlobalSearchKey::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (!key || static_cast<QKeyEvent*>(event)->keyCombination() != QKeyCombination(Qt::AltModifier, Qt::Key_G) ||
        !m_button->isVisible() || !m_button->isEnabled()) {
        return QObject::eventFilter(watched, event);
    }
    // Claimed before the menu bar sees it as a shortcut, then taken before the search field types it.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        m_button->click();
    }
    return true;
}

} // namespace mw::gui
