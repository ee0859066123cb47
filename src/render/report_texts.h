#pragma once

#include "ui_text.h"

// String ids of the printed analysis's texts, and the marks and messages of the report that are not
// string-table texts.

#include "model/string_table.h"

#include <string_view>

namespace mw::render {

inline constexpr int kReportTitleText = 20093;       // the page header's title
inline constexpr int kReportFileNameText = 20180;    // before the day file's path
inline constexpr int kReportFoodNameText = 20192;    // the name column's head
inline constexpr int kReportMealTotalText = 20193;   // a meal's totals row
inline constexpr int kReportMealFatText = 20110;     // before a meal's fat share
inline constexpr int kReportDayTotalText = 20194;    // the day's totals row
inline constexpr int kReportDayFatText = 20418;      // the day's fat share, "%d" standing for the number
inline constexpr int kReportImportantText = 20182;   // the closing note
inline constexpr int kReportFatFootnoteText = 20410; // explains the "*" marker; the warning level follows
inline constexpr int kNoPrinterContextText = 16;     // the printer's device context cannot be made
inline constexpr int kNoPrinterDefaultsText = 17;    // there is no default printer

// Texts the report writes that are not the program's string-table texts.
inline constexpr std::string_view kReportServingsJoin = " x "; // between a food's name and its servings
inline constexpr std::string_view kReportFatMarker = "*";      // a food above the fat warning level
inline constexpr std::string_view kReportNoFatMarker = "-";    // any other food
inline constexpr std::string_view kReportPercentSign = "%";

// Why a PDF of the report was not written; %1 is the file, %2 the cause.
inline constexpr UiText kPdfNotDrawn{QT_TRANSLATE_NOOP("Mealwright", "%1: the report could not be drawn as a PDF")};
inline constexpr UiText kPdfNotWritten{QT_TRANSLATE_NOOP("Mealwright", "%1: cannot be written: %2")};
// The report prints smaller than the chosen font; %1 is the chosen size, %2 the printed one, both in points.
inline constexpr UiText kReportFontShrunk{QT_TRANSLATE_NOOP(
    "Mealwright", "The report prints in %2 pt instead of the chosen %1 pt, so that its numbers fit their columns.")};

} // namespace mw::render
