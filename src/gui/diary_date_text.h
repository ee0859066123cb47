#pragma once

// Dates of the diary as the desktop program shows and takes them.

#include "model/diary_date.h"

#include <QDate>
#include <QString>

namespace mw::gui {

QDate toQDate(const DiaryDate& date);
DiaryDate fromQDate(const QDate& date);
// "Monday, 7 December 2026" in the user's language: a dated day's window title.
QString longDateText(const DiaryDate& date);
// "07/12/2026" in the user's language: the toolbar's date button.
QString shortDateText(const DiaryDate& date);

} // namespace mw::gui
