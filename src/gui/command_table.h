#pragma once

// The program's commands and menus as data: every command's id, object name, caption, icon, keys and what it
// needs to be enabled; every menu's items. The action registry makes the actions and menus from them.

#include <span>

namespace mw::gui {

// What a command needs to be enabled; commands whose state depends on more are set by the frame's rules.
enum class CommandNeeds
{
    kNothing,
    kActiveDay,
    kAnyDay,
    kTwoDays,
    kRule,
};

struct CommandRow
{
    int id;
    const char* objectName;
    // Marked for translation in the "Commands" context; empty where the frame sets the caption.
    const char* caption;
    // The picture in resources/icons, without ".svg"; empty for none.
    const char* icon;
    // Portable key texts separated by "; " ("Ctrl+Z; Alt+Backspace").
    const char* keys;
    CommandNeeds needs;
    bool checkable = false;
    // Status-bar text for the commands whose prompt the string table does not hold (translated like captions).
    const char* statusTip = "";
};

std::span<const CommandRow> commandTable();

// One line of a menu.
struct MenuItemRow
{
    enum class Kind
    {
        kCommand,
        kSeparator,
        // A submenu of the commands base + first .. base + last (the food-list commands of an operation).
        kListSubmenu,
        // The recent files, or a disabled line while there are none.
        kRecentFiles,
    };
    Kind kind = Kind::kCommand;
    int id = 0;
    const char* title = "";
    int first = 0;
    int last = 0;
};

struct MenuRow
{
    const char* objectName;
    const char* title; // translated in the "Commands" context
    std::span<const MenuItemRow> items;
};

// The menu bar while no day is open, and while one is.
std::span<const MenuRow> noDayMenus();
std::span<const MenuRow> dayMenus();

} // namespace mw::gui
