#pragma once

#include "ui_text.h"

// Texts of the diary's dated days: moving between dates, the calendar, the date pickers and the diary's
// summaries.

namespace mw::gui::texts {

inline constexpr UiText kDiaryCaption{QT_TRANSLATE_NOOP("Mealwright", "Diary")};
inline constexpr UiText kCalendarCaption{QT_TRANSLATE_NOOP("Mealwright", "Calendar")};
inline constexpr UiText kGoToDateCaption{QT_TRANSLATE_NOOP("Mealwright", "Go to Date")};
inline constexpr UiText kCopyDayToCaption{QT_TRANSLATE_NOOP("Mealwright", "Copy Day To")};
inline constexpr UiText kDateButtonTip{QT_TRANSLATE_NOOP("Mealwright", "Pick the date this window shows")};
inline constexpr UiText kTodayButton{QT_TRANSLATE_NOOP("Mealwright", "&Today")};
inline constexpr UiText kChooseDiaryFolder{QT_TRANSLATE_NOOP("Mealwright", "Diary Folder")};
inline constexpr UiText kDiaryFolderNotStored{
    QT_TRANSLATE_NOOP("Mealwright", "The diary folder could not be stored: %1")};
inline constexpr UiText kSettingNotStored{QT_TRANSLATE_NOOP("Mealwright", "The setting could not be stored: %1")};

inline constexpr UiText kCopyYesterdaysMealStep{QT_TRANSLATE_NOOP("Mealwright", "Copy Yesterday's %1")};
inline constexpr UiText kNoYesterdaysMeal{QT_TRANSLATE_NOOP("Mealwright", "%1 of %2 has no entries to copy")};
inline constexpr UiText kYesterdayUnreadable{
    QT_TRANSLATE_NOOP("Mealwright", "The day before cannot be read, so nothing was copied.\n\n%1")};
inline constexpr UiText kReplaceDayQuestion{
    QT_TRANSLATE_NOOP("Mealwright", "%1 has entries already. Replace them with this day's?")};
inline constexpr UiText kCopyDayStep{QT_TRANSLATE_NOOP("Mealwright", "Copy Day")};
inline constexpr UiText kDayCopiedTo{QT_TRANSLATE_NOOP("Mealwright", "The day was copied to %1")};
inline constexpr UiText kTargetUnreadable{
    QT_TRANSLATE_NOOP("Mealwright", "The day is not copied: its file cannot be read and stays as it is.\n\n%1")};

inline constexpr UiText kUnreadableDate{QT_TRANSLATE_NOOP("Mealwright", "Cannot be read: %1")};

inline constexpr UiText kSummaryRangeCaption{QT_TRANSLATE_NOOP("Mealwright", "Summarize Diary")};
inline constexpr UiText kRangeFrom{QT_TRANSLATE_NOOP("Mealwright", "&From:")};
inline constexpr UiText kRangeTo{QT_TRANSLATE_NOOP("Mealwright", "&To:")};
inline constexpr UiText kDaysRecorded{QT_TRANSLATE_NOOP("Mealwright", "%1 of %2 days recorded")};
inline constexpr UiText kDayRecordedOfOne{QT_TRANSLATE_NOOP("Mealwright", "%1 of 1 day recorded")};
inline constexpr UiText kNoDayRecorded{
    QT_TRANSLATE_NOOP("Mealwright", "No day is recorded from %1 to %2 in the diary folder\n%3")};

} // namespace mw::gui::texts
