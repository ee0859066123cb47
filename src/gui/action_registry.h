#pragma once

// The actions of the command table, held by one window so that their keys work whichever menus show, and the
// menus of the menu tables made from them.

#include "command_table.h"

#include <QList>
#include <QObject>

#include <map>
#include <span>

class QAction;
class QMenu;
class QWidget;

namespace mw::gui {

class ActionRegistry : public QObject
{
    Q_OBJECT

public:
    // Makes every command's action, held by the window.
    explicit ActionRegistry(QWidget* window);

    // The action of a command id; nullptr for an id the table does not have.
    QAction* action(int id) const;
    // Stands in the File menu while the recent-file list is empty.
    QAction* noRecentFileAction() const { return m_noRecent; }
    // The recent-file entries, in their order.
    QList<QAction*> recentFileActions() const;
    // The menus of the rows; a row's menu is made once and shared by every set that has it.
    QList<QMenu*> menus(std::span<const MenuRow> rows);
    // Every menu made so far, in the order they were made.
    QList<QMenu*> allMenus() const { return m_made; }

    // Enables each command whose needs the state meets; commands of a rule are left to it.
    void enableByNeeds(bool activeDay, int dayCount);

signals:
    // Before every command is carried out.
    void commandStarting();

private:
    QAction* makeAction(const CommandRow& row);
    QMenu* makeMenu(const MenuRow& row);

    QWidget* m_window;
    std::map<int, QAction*> m_actions;
    std::map<QString, QMenu*> m_menus;
    QList<QMenu*> m_made;
    QAction* m_noRecent = nullptr;
};

// A caption without its mnemonic and trailing "...", as a tooltip shows it.
QString withoutMnemonic(QString caption);

} // namespace mw::gui
