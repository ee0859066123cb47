#include "date_picker_dialog.h"

#include "diary_calendar.h"
#include "diary_date_text.h"
#include "diary_texts.h"
#include "qt_bridge.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace mw::gui {

DatePickerDialog::DatePickerDialog(AppContext& app, const QString& caption, const DiaryDate& initial, QWidget* parent)
    : QDialog(parent), m_calendar(new DiaryCalendarView(app, this))
{
    setObjectName(QStringLiteral("datePickerDialog"));
    setWindowTitle(caption);
    m_calendar->setSelectedDate(toQDate(initial));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* today = buttons->addButton(toQString(texts::kTodayButton), QDialogButtonBox::ResetRole);
    today->setObjectName(QStringLiteral("todayButton"));
    connect(today, &QPushButton::clicked, this, [this] { m_calendar->setSelectedDate(toQDate(localToday())); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double click or Enter on a date takes it.
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

DiaryDate DatePickerDialog::date() const
{
    return fromQDate(m_calendar->selectedDate());
}

std::optional<DiaryDate> DatePickerDialog::pick(AppContext& app, const QString& caption, const DiaryDate& initial,
                                                QWidget* parent)
{
    DatePickerDialog dialog(app, caption, initial, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.date();
}

DateRangeDialog::DateRangeDialog(const DateRange& initial, QWidget* parent)
    : QDialog(parent), m_from(new QDateEdit(toQDate(initial.first), this)),
      m_to(new QDateEdit(toQDate(initial.last), this))
{
    setObjectName(QStringLiteral("dateRangeDialog"));
    setWindowTitle(toQString(texts::kSummaryRangeCaption));
    auto* form = new QFormLayout;
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
        edit->setDateRange(toQDate(kFirstDiaryDate), toQDate(kLastDiaryDate));
    }
    m_from->setObjectName(QStringLiteral("fromDate"));
    m_to->setObjectName(QStringLiteral("toDate"));
    form->addRow(toQString(texts::kRangeFrom), m_from);
    form->addRow(toQString(texts::kRangeTo), m_to);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

DateRange DateRangeDialog::range() const
{
    const DiaryDate from = fromQDate(m_from->date());
    const DiaryDate to = fromQDate(m_to->date());
    return DateRange{std::min(from, to), std::max(from, to)};
}

std::optional<DateRange> DateRangeDialog::pick(const DateRange& initial, QWidget* parent)
{
    DateRangeDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.range();
}

} // namespace mw::gui
