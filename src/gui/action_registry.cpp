#include "action_registry.h"

#include "command_ids.h"
#include "frame_texts.h"
#include "qt_bridge.h"

#include "model/string_table.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace mw::gui {
namespace {

QString translated(const char* text)
{
    return *text == '\0' ? QString() : QCoreApplication::translate("Commands", text);
}

} // namespace

QString withoutMnemonic(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    if (caption.endsWith(QStringLiteral("..."))) {
        caption.chop(3);
    }
    return caption.trimmed();
}

ActionRegistry::ActionRegistry(QWidget* window) : QObject(window), m_window(window)
{
    for (const CommandRow& row : commandTable()) {
        m_actions[row.id] = makeAction(row);
    }
    m_noRecent = new QAction(toQString(texts::kNoRecentFile), window);
    m_noRecent->setObjectName(QStringLiteral("actionFileNoRecent"));
    m_noRecent->setEnabled(false);
}

QAction* ActionRegistry::makeAction(const CommandRow& row)
{
    auto* action = new QAction(translated(row.caption), m_window);
    action->setObjectName(QString::fromLatin1(row.objectName));
    action->setData(row.id);
    // Connected first, so that a message the command itself shows stays.
    connect(action, &QAction::triggered, this, &ActionRegistry::commandStarting);
    if (*row.icon != '\0') {
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(row.icon))));
    }
    action->setShortcuts(QKeySequence::listFromString(QLatin1String(row.keys), QKeySequence::PortableText));
    action->setCheckable(row.checkable);
    // The prompt of a command: its status-bar text, after "\n" its tooltip.
    const QString prompt = *row.statusTip != '\0' ? translated(row.statusTip) : toQString(LoadString(row.id));
    const qsizetype lineBreak = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(lineBreak < 0 ? prompt : prompt.left(lineBreak));
    action->setToolTip(lineBreak < 0 ? withoutMnemonic(action->text()) : prompt.mid(lineBreak + 1));
    // The rules enable these once they know the state.
    action->setEnabled(row.needs != CommandNeeds::kRule);
    // Held by the window as well as by the menus, so that the keys work whichever menu set is shown.
    m_window->addAction(action);
    return action;
}

QAction* ActionRegistry::action(int id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QList<QAction*> ActionRegistry::recentFileActions() const
{
    QList<QAction*> actions;
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        actions.append(action(cmd::kFileRecentFirst + i));
    }
    return actions;
}

QMenu* ActionRegistry::makeMenu(const MenuRow& row)
{
    auto* menu = new QMenu(translated(row.title), m_window);
    menu->setObjectName(QString::fromLatin1(row.objectName));
    for (const MenuItemRow& item : row.items) {
        switch (item.kind) {
        case MenuItemRow::Kind::kCommand:
            menu->addAction(action(item.id));
            break;
        case MenuItemRow::Kind::kSeparator:
            menu->addSeparator();
            break;
        case MenuItemRow::Kind::kListSubmenu: {
            QMenu* submenu = menu->addMenu(translated(item.title));
            for (int list = item.first; list <= item.last; ++list) {
                submenu->addAction(action(item.id + list));
            }
            break;
        }
        case MenuItemRow::Kind::kRecentFiles:
            menu->addAction(m_noRecent);
            menu->addActions(recentFileActions());
            break;
        }
    }
    return menu;
}

QList<QMenu*> ActionRegistry::menus(std::span<const MenuRow> rows)
{
    QList<QMenu*> made;
    for (const MenuRow& row : rows) {
        QMenu*& menu = m_menus[QString::fromLatin1(row.objectName)];
        if (menu == nullptr) {
            menu = makeMenu(row);
            m_made.append(menu);
        }
        made.append(menu);
    }
    return made;
}

void ActionRegistry::enableByNeeds(bool activeDay, int dayCount)
{
    for (const CommandRow& row : commandTable()) {
        bool enabled = true;
        switch (row.needs) {
        case CommandNeeds::kNothing:
            break;
        case CommandNeeds::kActiveDay:
            enabled = activeDay;
            break;
        case CommandNeeds::kAnyDay:
            enabled = dayCount > 0;
            break;
        case CommandNeeds::kTwoDays:
            enabled = dayCount > 1;
            break;
        case CommandNeeds::kRule:
            continue;
        }
        action(row.id)->setEnabled(enabled);
    }
}

} // namespace mw::gui
