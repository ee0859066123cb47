#pragma once

#include "ui_text.h"

// Texts of the menu generator, the food pyramid, printing and exporting, the view options and the help
// commands other than their prompts, which the string table holds under the command ids.

#include <string_view>

namespace mw::gui::texts {

// ---- Menu generator and food pyramid -----------------------------------------------------------------------

inline constexpr UiText kMenuGeneratorTargetCaption{
    QT_TRANSLATE_NOOP("Mealwright", "&Generate a %1-calorie menu!")}; // 32950 with N
inline constexpr UiText kMenuGeneratorRandomCaption{
    QT_TRANSLATE_NOOP("Mealwright", "Generate a random menu!")}; // 32950, N = 0
inline constexpr UiText kFoodPyramidCaption{QT_TRANSLATE_NOOP("Mealwright", "Food &Pyramid Analysis")};
inline constexpr UiText kGeneratorOptionsCaption{QT_TRANSLATE_NOOP("Mealwright", "Menu Generator &Options ...")};
// The status bar while a menu is generated (32951).
inline constexpr UiText kGeneratingTargetMenu{QT_TRANSLATE_NOOP("Mealwright", "Generating a %1-calorie menu...")};
inline constexpr UiText kGeneratingRandomMenu{
    QT_TRANSLATE_NOOP("Mealwright", "Generating a random well-balanced menu...")};
inline constexpr UiText kPyramidNeedsRoom{QT_TRANSLATE_NOOP(
    "Mealwright",
    "The food pyramid is drawn when the analysis panel shows one column, or at least nine nutrients in two.")};

// ---- Printing and exporting --------------------------------------------------------------------------------

inline constexpr UiText kPrintPreviewCaption{QT_TRANSLATE_NOOP("Mealwright", "Print Pre&view")};
inline constexpr UiText kExportPdfCaption{QT_TRANSLATE_NOOP("Mealwright", "&Export to PDF...")};
inline constexpr UiText kExportCsvCaption{QT_TRANSLATE_NOOP("Mealwright", "Export to CS&V...")};
inline constexpr UiText kExportPdfTitle{QT_TRANSLATE_NOOP("Mealwright", "Export to PDF")};
inline constexpr UiText kExportPdfFilter{QT_TRANSLATE_NOOP("Mealwright", "PDF files (*.pdf)")};
inline constexpr std::string_view kPdfExtension = ".pdf";
inline constexpr UiText kExportCsvTitle{QT_TRANSLATE_NOOP("Mealwright", "Export to CSV")};
inline constexpr UiText kExportCsvFilter{QT_TRANSLATE_NOOP("Mealwright", "CSV files (*.csv)")};
inline constexpr std::string_view kCsvExtension = ".csv";
inline constexpr UiText kExportedTo{QT_TRANSLATE_NOOP("Mealwright", "Saved %1")};
inline constexpr UiText kCsvNotWritten{QT_TRANSLATE_NOOP("Mealwright", "%1: cannot be written: %2")};
inline constexpr UiText kPrintNotStarted{
    QT_TRANSLATE_NOOP("Mealwright", "The printer could not be started; nothing was printed.")};
inline constexpr UiText kPrinterFontTitle{QT_TRANSLATE_NOOP("Mealwright", "Choose Printer Font")};
// After "Cannot get printer device defaults." (17): the font dialog opens all the same.
inline constexpr UiText kPrinterFontWithoutPrinter{
    QT_TRANSLATE_NOOP("Mealwright", "%1 The font you choose serves the print preview and the PDF export.")};

// ---- View options ------------------------------------------------------------------------------------------

inline constexpr UiText kScreenColorTitle{QT_TRANSLATE_NOOP("Mealwright", "Choose Screen Color")};
inline constexpr UiText kSettingNotSaved{
    QT_TRANSLATE_NOOP("Mealwright", "The setting could not be saved in the profile: %1.")};

// ---- Help --------------------------------------------------------------------------------------------------

inline constexpr UiText kHelpMenu{QT_TRANSLATE_NOOP("Mealwright", "&Help")};
inline constexpr UiText kHelpTopicsCaption{QT_TRANSLATE_NOOP("Mealwright", "&Help Topics")};   // 57670, F1
inline constexpr UiText kContextHelpCaption{QT_TRANSLATE_NOOP("Mealwright", "&What's This?")}; // 57669, Shift+F1
inline constexpr UiText kHelpIntroductionCaption{QT_TRANSLATE_NOOP("Mealwright", "&Introduction")};
inline constexpr UiText kHelpTopTipsCaption{QT_TRANSLATE_NOOP("Mealwright", "&Top Tips")};
inline constexpr UiText kHelpCatalogueCaption{QT_TRANSLATE_NOOP("Mealwright", "The Food &Catalogue")};
inline constexpr UiText kContextHelpMessage{
    QT_TRANSLATE_NOOP("Mealwright", "Click a menu, a button or a part of the day window to read about it; Esc ends.")};

} // namespace mw::gui::texts
