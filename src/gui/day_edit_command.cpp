#include "day_edit_command.h"

#include <QUndoStack>

#include <utility>

namespace mw::gui {
namespace {

// The menu shows the name after "Undo " or "Redo ": an ampersand in a food's name is no mnemonic.
QString withActionText(const QString& name)
{
    QString actionText = name;
    actionText.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return name + QLatin1Char('\n') + actionText;
}

} // namespace

DayEditCommand::DayEditCommand(CFofDoc& day, std::unique_ptr<DayEdit> edit, const QString& name, Applied applied)
    : QUndoCommand(withActionText(name)), m_day(day), m_edit(std::move(edit)), m_skipRedo(applied == Applied::kYes)
{
}

void DayEditCommand::redo()
{
    if (std::exchange(m_skipRedo, false)) {
        return;
    }
    m_edit->apply(m_day);
}

void DayEditCommand::undo()
{
    m_edit->revert(m_day);
}

bool pushDayEdit(QUndoStack& history, CFofDoc& day, std::unique_ptr<DayEdit> edit, const QString& name,
                 DayEditCommand::Applied applied)
{
    if (edit == nullptr) {
        return false;
    }
    history.push(new DayEditCommand(day, std::move(edit), name, applied));
    return true;
}

} // namespace mw::gui
