#include "context_help.h"

#include "action_registry.h"
#include "help_window.h"
#include "qt_bridge.h"
#include "tools_texts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>

namespace mw::gui {

ContextHelp::ContextHelp(ActionRegistry& actions, QWidget* frame) : QObject(frame), m_actions(actions), m_frame(frame)
{
}

ContextHelp::~ContextHelp()
{
    if (m_active) {
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }
}

void ContextHelp::start()
{
    if (m_active) {
        return;
    }
    m_active = true;
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    emit statusMessage(toQString(texts::kContextHelpMessage));
}

void ContextHelp::end()
{
    m_active = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    emit statusMessage(QString());
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    const bool escape = event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    // The window hands the event on to the widget, which is where it counts.
    if (!m_active || (event->type() != QEvent::MouseButtonPress && !escape) || !watched->isWidgetType()) {
        return false;
    }
    end();
    if (!escape) {
        showHelpAt(watched, event);
    }
    return true;
}

void ContextHelp::showHelpAt(QObject* watched, QEvent* event)
{
    // The command under a menu-bar title or a toolbar button names its menu; any other widget names itself
    // or one of its parents.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QAction* action = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(watched)) {
        action = bar->actionAt(mouse->position().toPoint());
    } else if (auto* button = qobject_cast<QToolButton*>(watched)) {
        action = button->defaultAction();
    }
    std::optional<HelpTopic> topic;
    if (action != nullptr) {
        if (action->menu() != nullptr) {
            topic = helpTopicOfObjectName(action->menu()->objectName());
        }
        for (const QMenu* menu : m_actions.allMenus()) {
            if (!topic && menu->actions().contains(action)) {
                topic = helpTopicOfObjectName(menu->objectName());
            }
        }
    }
    for (const QObject* object = watched; object != nullptr && !topic; object = object->parent()) {
        topic = helpTopicOfObjectName(object->objectName());
    }
    HelpWindow::showHelpTopic(topic.value_or(HelpTopic::kContents), m_frame);
}

} // namespace mw::gui
