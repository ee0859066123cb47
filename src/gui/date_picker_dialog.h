#pragma once

#include "format/diary_folder.h"
#include "model/diary_date.h"

#include <QDialog>

#include <optional>

class QDateEdit;

namespace mw::gui {

class AppContext;
class DiaryCalendarView;

// A date of the diary picked from its calendar (the recorded days marked), with a button for today.
class DatePickerDialog : public QDialog
{
    Q_OBJECT

public:
    DatePickerDialog(AppContext& app, const QString& caption, const DiaryDate& initial, QWidget* parent);

    DiaryDate date() const;
    // The picked date; nullopt when cancelled.
    static std::optional<DiaryDate> pick(AppContext& app, const QString& caption, const DiaryDate& initial,
                                         QWidget* parent);

private:
    DiaryCalendarView* m_calendar;
};

// The first and last date of a summary of the diary.
class DateRangeDialog : public QDialog
{
    Q_OBJECT

public:
    DateRangeDialog(const DateRange& initial, QWidget* parent);

    // The dates in order, whichever way round they were typed.
    DateRange range() const;
    static std::optional<DateRange> pick(const DateRange& initial, QWidget* parent);

private:
    QDateEdit* m_from;
    QDateEdit* m_to;
};

} // namespace mw::gui
