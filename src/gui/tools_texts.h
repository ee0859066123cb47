#pragma once

// Texts of the menu generator, the food pyramid, printing and exporting, the view options and the help
// commands other than their prompts, which the string table holds under the command ids.

#include <string_view>

namespace mw::gui::texts {

// ---- Menu generator and food pyramid -----------------------------------------------------------------------

inline constexpr std::string_view kMenuGeneratorTargetCaption = "&Generate a %1-calorie menu!"; // 32950 with N
inline constexpr std::string_view kMenuGeneratorRandomCaption = "Generate a random menu!";      // 32950, N = 0
inline constexpr std::string_view kFoodPyramidCaption = "Food &Pyramid Analysis";
inline constexpr std::string_view kGeneratorOptionsCaption = "Menu Generator &Options ...";
// The status bar while a menu is generated (32951).
inline constexpr std::string_view kGeneratingTargetMenu = "Generating a %1-calorie menu...";
inline constexpr std::string_view kGeneratingRandomMenu = "Generating a random well-balanced menu...";
inline constexpr std::string_view kPyramidNeedsRoom =
    "The food pyramid is drawn when the analysis panel shows one column, or at least nine nutrients in two.";

// ---- Printing and exporting --------------------------------------------------------------------------------

inline constexpr std::string_view kPrintPreviewCaption = "Print Pre&view";
inline constexpr std::string_view kExportPdfCaption = "&Export to PDF...";
inline constexpr std::string_view kExportCsvCaption = "Export to CS&V...";
inline constexpr std::string_view kExportPdfTitle = "Export to PDF";
inline constexpr std::string_view kExportPdfFilter = "PDF files (*.pdf)";
inline constexpr std::string_view kPdfExtension = ".pdf";
inline constexpr std::string_view kExportCsvTitle = "Export to CSV";
inline constexpr std::string_view kExportCsvFilter = "CSV files (*.csv)";
inline constexpr std::string_view kCsvExtension = ".csv";
inline constexpr std::string_view kExportedTo = "Saved %1";
inline constexpr std::string_view kCsvNotWritten = "%1: cannot be written: %2";
inline constexpr std::string_view kPrintNotStarted = "The printer could not be started; nothing was printed.";
inline constexpr std::string_view kPrinterFontTitle = "Choose Printer Font";
// After "Cannot get printer device defaults." (17): the font dialog opens all the same.
inline constexpr std::string_view kPrinterFontWithoutPrinter =
    "%1 The font you choose serves the print preview and the PDF export.";

// ---- View options ------------------------------------------------------------------------------------------

inline constexpr std::string_view kScreenColorTitle = "Choose Screen Color";
inline constexpr std::string_view kSettingNotSaved = "The setting could not be saved in the profile: %1.";

// ---- Help --------------------------------------------------------------------------------------------------

inline constexpr std::string_view kHelpMenu = "&Help";
inline constexpr std::string_view kHelpTopicsCaption = "&Help Topics";   // 57670, F1
inline constexpr std::string_view kContextHelpCaption = "&What's This?"; // 57669, Shift+F1
inline constexpr std::string_view kHelpIntroductionCaption = "&Introduction";
inline constexpr std::string_view kHelpTopTipsCaption = "&Top Tips";
inline constexpr std::string_view kHelpCatalogueCaption = "The Food &Catalogue";
inline constexpr std::string_view kContextHelpMessage =
    "Click a menu, a button or a part of the day window to read about it; Esc ends.";

} // namespace mw::gui::texts
