#include "diary_date_text.h"

#include <QLocale>

namespace mw::gui {

QDate toQDate(const DiaryDate& date)
{
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

DiaryDate fromQDate(const QDate& date)
{
    return DiaryDate{std::chrono::year{date.year()}, std::chrono::month{static_cast<unsigned>(date.month())},
                     std::chrono::day{static_cast<unsigned>(date.day())}};
}

QString longDateText(const DiaryDate& date)
{
    return QLocale().toString(toQDate(date), QLocale::LongFormat);
}

QString shortDateText(const DiaryDate& date)
{
    return QLocale().toString(toQDate(date), QLocale::ShortFormat);
}

} // namespace mw::gui
