#pragma once

// The commands the active day's view carries out on its lists: search, sort and find, hidden foods, food
// lists and the meal clipboard, with the rules for their captions and enabled states.

#include <QObject>

namespace mw::gui {

class ActionRegistry;
class AppContext;
class DayWindowManager;

class FoodCommands : public QObject
{
    Q_OBJECT

public:
    // The registry and the days must outlive the commands.
    FoodCommands(AppContext& app, ActionRegistry& actions, DayWindowManager& days, QObject* parent);

    // The enabled states, and the captions that name the selected food and count the hidden ones.
    void update();
    // The food-list items, which only the menus offer: captions from the list names with counts, and enabled
    // states (as a menu opens, since the names are read from the profile).
    void refreshListItems();

signals:
    // After a command ran: the clipboard, the flags or the lists may have changed.
    void commandDone();

private:
    AppContext& m_app;
    ActionRegistry& m_actions;
    DayWindowManager& m_days;
};

} // namespace mw::gui
