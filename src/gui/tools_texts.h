#pragma once

// Texts of the menu generator, the food pyramid, printing and exporting, the view options and the help
// commands that the string table does not hold yet. A command's prompt carries the command id, which is
// also its string id; the status bar shows the first line, the second is the tooltip.

#include <string_view>

namespace mw::gui::texts {

// ---- Menu generator and food pyramid -----------------------------------------------------------------------

inline constexpr std::string_view kMenuGeneratorTargetCaption = "&Generate a %1-calorie menu!"; // 32950 with N
inline constexpr std::string_view kMenuGeneratorRandomCaption = "Generate a random menu!";      // 32950, N = 0
inline constexpr std::string_view kMenuGeneratorPrompt = "Let the Mealwright suggest a menu to you\nMenu generator";
inline constexpr std::string_view kFoodPyramidCaption = "Food &Pyramid Analysis";
inline constexpr std::string_view kFoodPyramidPrompt = "Perform USDA Food Pyramid analysis\nFood pyramid analysis";
inline constexpr std::string_view kGeneratorOptionsCaption = "Menu Generator &Options ...";
inline constexpr std::string_view kGeneratorOptionsPrompt = "Set options for Mealwright"; // 32952
// The status bar while a menu is generated (32951).
inline constexpr std::string_view kGeneratingTargetMenu = "Generating a %1-calorie menu...";
inline constexpr std::string_view kGeneratingRandomMenu = "Generating a random well-balanced menu...";
inline constexpr std::string_view kPyramidNeedsRoom =
    "The food pyramid is drawn when the analysis panel shows one column, or at least nine nutrients in two.";

// ---- Printing and exporting --------------------------------------------------------------------------------

inline constexpr std::string_view kPrintPreviewCaption = "Print Pre&view";
inline constexpr std::string_view kPrintPreviewPrompt =
    "Show the printed analysis of the active day as it will come out of the printer\nPrint Preview";
inline constexpr std::string_view kExportPdfCaption = "&Export to PDF...";
inline constexpr std::string_view kExportPdfPrompt =
    "Save the nutritional analysis of the active day as a PDF file\nExport to PDF";
inline constexpr std::string_view kExportCsvCaption = "Export to CS&V...";
inline constexpr std::string_view kExportCsvPrompt =
    "Save the foods and nutrients of the active day as a table for a spreadsheet\nExport to CSV";
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
inline constexpr std::string_view kHelpIntroductionPrompt = "Read how Mealwright helps you plan a day\nIntroduction";
inline constexpr std::string_view kHelpTopTipsCaption = "&Top Tips";
inline constexpr std::string_view kHelpTopTipsPrompt = "Tips that save time when you plan your meals\nTop tips";
inline constexpr std::string_view kHelpCatalogueCaption = "The Food &Catalogue";
inline constexpr std::string_view kHelpCataloguePrompt =
    "How the standard foods are grouped and measured\nThe food catalogue";
inline constexpr std::string_view kContextHelpMessage =
    "Click a menu, a button or a part of the day window to read about it; Esc ends.";

} // namespace mw::gui::texts
