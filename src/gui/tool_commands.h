#pragma once

// The commands of the Tools, Options, Database and Help menus that open a dialog or change an option: the
// caloric need, intake preference and healthy weight, personal and USDA foods, the food lists, the menu
// generator, the food pyramid, Balance the Day, the screen colour and the help.

#include <QObject>

#include <system_error>

class QWidget;

namespace mw::gui {

class ActionRegistry;
class AppContext;
class DayWindowManager;

class ToolCommands : public QObject
{
    Q_OBJECT

public:
    // The frame, its registry and its days must outlive the commands.
    ToolCommands(AppContext& app, ActionRegistry& actions, DayWindowManager& days, QWidget* frame);

    // The states and captions that follow the active day and the profile.
    void update(bool dayOpen);

signals:
    void statusMessage(const QString& text);
    // The enabled states or the captions may differ now.
    void commandsChanged();
    // The list names changed: the menus that show them are made anew.
    void menusChanged();
    void foodFlagsNotSaved(std::error_code error);
    // The menu generator starts composing a menu for the target (0: random), and has ended.
    void generatingMenu(int requested);
    void menuGenerated();

private:
    void caloricNeed();
    void intakePreference();
    void addPersonalFood();
    void editPersonalFood();
    void addUsdaFood();
    void generateMenu();
    void foodPyramid();
    void manageFoodLists();
    void toggleUsePersonalPreference();
    void chooseScreenColor();
    void balanceDay();
    void showHelpOfCommand(int commandId);

    AppContext& m_app;
    ActionRegistry& m_actions;
    DayWindowManager& m_days;
    QWidget* m_frame;
};

} // namespace mw::gui
