#pragma once

#include "model/day_edits.h"

#include <QUndoCommand>

#include <memory>

namespace mw::gui {

// One step of a day window's history: an edit of the day, named for the Edit menu's Undo and Redo.
class DayEditCommand final : public QUndoCommand
{
public:
    enum class Applied
    {
        kNo,  // the history's push makes the change
        kYes, // the change is made already (a generated menu); the push only records it
    };

    // The document must outlive the command.
    DayEditCommand(CFofDoc& day, std::unique_ptr<DayEdit> edit, const QString& name, Applied applied = Applied::kNo);

    void redo() override;
    void undo() override;

private:
    CFofDoc& m_day;
    std::unique_ptr<DayEdit> m_edit;
    bool m_skipRedo;
};

// Pushes the edit as a step named name; nothing when there is no edit. True when a step was pushed.
bool pushDayEdit(QUndoStack& history, CFofDoc& day, std::unique_ptr<DayEdit> edit, const QString& name,
                 DayEditCommand::Applied applied = DayEditCommand::Applied::kNo);

} // namespace mw::gui
