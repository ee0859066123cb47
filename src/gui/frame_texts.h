#pragma once

// Texts of the application, the main frame, the splash and About windows that are not string-table texts
// (the commands' prompts are: keyed by command id). A text whose id the table does not use carries it in a
// comment; texts without an id stand where the desktop framework would show its own standard text.

#include <string_view>

namespace mw::gui::texts {

// ---- Program and document type -----------------------------------------------------------------------------

inline constexpr std::string_view kMainFrameTitle = "Mealwright Youthplate Diet"; // 2
inline constexpr std::string_view kProductTitle = "Mealwright Youthplate Diet";   // 400
inline constexpr std::string_view kAboutCaption = "Mealwright Youthplate Diet";   // 401
// Document type (string 4, fields separated by line feeds).
inline constexpr std::string_view kDayDocumentName = "MenuDay";                // 4, field 2
inline constexpr std::string_view kDayDocumentTypeName = "MenuDay Document";   // 4, field 3
inline constexpr std::string_view kDayFileFilter = "Mealwright (*.ypd)";       // 4, field 4
inline constexpr std::string_view kDayFileExtension = ".ypd";                  // 4, field 5
inline constexpr std::string_view kDayFileTypeId = "MWYPD";                    // 4, field 6
inline constexpr std::string_view kDayFileTypeDisplayName = "Youthplate Diet"; // 4, field 7

inline constexpr std::string_view kVersionLine = "Version %1";
// 402
inline constexpr std::string_view kLegalNotice =
    "Nutrient values come from the USDA National Nutrient Database for Standard Reference, Release 24, "
    "which is in the public domain.\n\n"
    "The analysis gives general information for healthy people. It does not replace the advice of your "
    "physician or dietitian.";
// The warning of the splash window (a static text of its dialog).
inline constexpr std::string_view kSplashWarning =
    "Consult your physician before you start a diet or change your eating habits, above all when you are "
    "pregnant or nursing, are under 18 or have a medical condition.";

// ---- Status bar --------------------------------------------------------------------------------------------

inline constexpr std::string_view kReadyMessage = "Ready";
inline constexpr std::string_view kCapsLockIndicator = "CAP";
inline constexpr std::string_view kNumLockIndicator = "NUM";
inline constexpr std::string_view kScrollLockIndicator = "SCRL";

// ---- Menus -------------------------------------------------------------------------------------------------

// The Edit menu's history commands; the step's name follows while there is one.
inline constexpr std::string_view kUndoCaption = "&Undo";
inline constexpr std::string_view kRedoCaption = "&Redo";
// Stands in the File menu while the recent-file list is empty.
inline constexpr std::string_view kNoRecentFile = "Recent File";
// The Window menu's entries for the open days: "&1 MenuDay1".
inline constexpr std::string_view kWindowListEntry = "&%1 %2";
inline constexpr std::string_view kWindowListPrompt = "Activate this window";

inline constexpr std::string_view kListAddSelectedPrompt = "Add the highlighted food to this list";
inline constexpr std::string_view kListAddAllPrompt = "Add every food of the food listbox to this list";
inline constexpr std::string_view kListAddMealPrompt = "Add the foods of the current meal to this list";
inline constexpr std::string_view kListShowPrompt = "Show the foods of this list in the food listbox";
inline constexpr std::string_view kListRemovePrompt = "Take the highlighted food out of this list";

// ---- Day documents -----------------------------------------------------------------------------------------

inline constexpr std::string_view kOpenDayCaption = "Open";
inline constexpr std::string_view kSaveDayCaption = "Save As";
inline constexpr std::string_view kSaveChangesQuestion = "Save changes to %1?";
inline constexpr std::string_view kCannotOpenDay = "Cannot open the day file\n%1\n\n%2.";
inline constexpr std::string_view kDayChangedOnDisk = "%1 was changed by another program. Save over it?";
inline constexpr std::string_view kCannotSaveDay = "Cannot save the day file\n%1\n\n%2.\n\nThe day has not been saved.";
inline constexpr std::string_view kDropIsNotAFile = "Only files can be opened: %1";

// ---- Start-up and exit -------------------------------------------------------------------------------------

inline constexpr std::string_view kNoProfileFolder =
    "No folder for the settings profile could be found (HOME is not set). Settings last only until the "
    "program ends.";
inline constexpr std::string_view kProfileUnreadable =
    "The settings profile\n%1\ncannot be read: %2.\n\nThe default settings are used, and changes cannot be "
    "saved until the file can be read again.";
inline constexpr std::string_view kPersonalFoodsReadOnly =
    "The personal food database\n%1\ncannot be written. Its foods can be used, but new ones cannot be added.";
inline constexpr std::string_view kPersonalFoodsCannotCreate =
    "The personal food database\n%1\ncould not be created. New foods cannot be added.";
inline constexpr std::string_view kPersonalFoodsNotAFile =
    "The personal food database cannot be used:\n%1\nis not a file.";
inline constexpr std::string_view kPersonalFoodsUnreadable =
    "The personal food database\n%1\ncannot be read (at byte %2). Its foods are not shown, and the file is left "
    "as it is.";
inline constexpr std::string_view kPersonalFoodsTooLarge =
    "The personal food database\n%1\nis too large. The foods before byte %2 are used; new ones cannot be added.";
inline constexpr std::string_view kPersonalFoodsTooManyLines =
    "The personal food database\n%1\nhas more lines than a personal food database can hold. The foods before "
    "byte %2 are used; new ones cannot be added.";
inline constexpr std::string_view kFoodFlagsUnreadable =
    "The hidden foods and food lists in\n%1\ncannot be read: %2.\n\nNo food is hidden or listed, and the file is "
    "left as it is.";
inline constexpr std::string_view kFoodFlagsNotSaved =
    "The hidden foods and food lists could not be saved to\n%1\n\n%2.";

// ---- Command line ------------------------------------------------------------------------------------------

inline constexpr std::string_view kUsage =
    "Usage: mealwright [OPTION]... [DAYFILE]...\n"
    "Plan a day of meals and see its nutrients.\n"
    "\n"
    "With no DAYFILE a new day is opened; each DAYFILE (.ypd) is opened in a window of its own.\n"
    "\n"
    "  -e, /e              start with no day open\n"
    "      --data-dir DIR  read and write userfood.txt and fad.dat in DIR\n"
    "                      (default: the working folder)\n"
    "      --minimized     start with the main window minimised\n"
    "      --quit-when-painted\n"
    "                      quit as soon as the first window is painted (to time the start)\n"
    "  -h, --help          show this help and exit\n"
    "      --version       show the version and exit\n"
    "      --              treat every later argument as a day file\n";
inline constexpr std::string_view kVersionText = "mealwright %1\n";
inline constexpr std::string_view kUnknownOption = "mealwright: unknown option %1";
inline constexpr std::string_view kMissingOptionValue = "mealwright: %1 needs a folder";
inline constexpr std::string_view kNoDataDir = "mealwright: the data folder %1 does not exist";
inline constexpr std::string_view kTryHelp = "Try 'mealwright --help' for more information.";

} // namespace mw::gui::texts
