#pragma once

// Shift+F1: the next click opens the help page of what it hits, a menu, a button or a part of a day window;
// Escape ends it.

#include <QObject>

namespace mw::gui {

class ActionRegistry;

class ContextHelp : public QObject
{
    Q_OBJECT

public:
    // The registry's menus tell which page a menu's command belongs to.
    ContextHelp(ActionRegistry& actions, QWidget* frame);
    ~ContextHelp() override;

    void start();
    bool isActive() const { return m_active; }

signals:
    // The status bar's lasting text while the mode holds; empty once it ends.
    void statusMessage(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void end();
    void showHelpAt(QObject* watched, QEvent* event);

    ActionRegistry& m_actions;
    QWidget* m_frame;
    bool m_active = false;
};

} // namespace mw::gui
