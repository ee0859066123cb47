#pragma once

// Texts of the application, the main frame, the splash and About windows that the string table does
// not hold yet. A text with a string id carries it in a comment; command prompts are keyed by their
// command id, which is also their string id. Texts without an id stand where the desktop framework
// would show its own standard text.

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

// ---- Command prompts ---------------------------------------------------------------------------------------

struct CommandPrompt
{
    int id;
    std::string_view text;
};

// The status-bar text of each command; after "\n" its tooltip.
inline constexpr CommandPrompt kCommandPrompts[] = {
    {32768, "Find the healthy body weight for your height\nDesirable weight"},
    {32769, "Compute your caloric need and nutrient requirements\nCaloric and nutrient requirements"},
    {32772, "Find foods by a part of their name\nSearch food by name"},
    {32773, "Show the food groups of the standard food table\nShow food groups"},
    {32777, "List the foods and recipes of your personal database\nShow personal food database"},
    {32778, "Choose the font of the printed analysis\nChoose printer font"},
    {32782, "Change fat percentage bar's color to white when fat calories exceeds threshold\nSet fat warning level"},
    {32793, "Select the background color of your window\nChoose window color"},
    {32794, "Set your preferred daily intake of each nutrient\nNutrient intake preferences"},
    {32936, "Find food lowest in a nutrient in all meals\nFind food lowest in a nutrient in current file"},
    {32937, "Find food highest in a nutrient in all meals\nFind food highest in a nutrient in current file"},
    {32941, "Display food group names in reverse order."},
    {32947, "Choose what a click of the left or right mouse button puts into the amount\nSet mouse button input"},
    {32953, "Select the nutrients the printed analysis shows"},
    {32954, "Add a food or a recipe of your own to the personal database"},
    {32955, "Don't show this food item again"},
    {32956, "Hide all foods in current meal in left listbox"},
    {32957, "Hide all foods currently in food listbox on the right"},
    {32958, "Reshow this food item"},
    {32959, "Show all foods you've hidden"},
    {32960, "Select nutrients to display in the gray analysis panel"},
    {32961, "Review, rename, or clear your personal food groups"},
    {32965, "Show % of personal intake preference instead of % RDA"},
    {32966, "Sort foods in food selection listbox by nutrient content in ascending order"},
    {32967, "Sort foods in food selection listbox by nutrient content in descending order"},
    {32968, "Food listbox: use standard width"},
    {32969, "Food listbox: use wider width"},
    {32970, "Food listbox: use widest width"},
    {57600, "Create a new day\nNew"},
    {57601, "Open an existing day\nOpen"},
    {57602, "Close the active day\nClose"},
    {57603, "Save the active day\nSave"},
    {57604, "Save the active day with a new name\nSave As"},
    {57606, "Change the printer and printing options\nPrint Setup"},
    {57607, "Print the nutritional analysis of the active day\nPrint"},
    {57616, "Open this day"},
    {57617, "Open this day"},
    {57618, "Open this day"},
    {57619, "Open this day"},
    {57633, "Delete all foods from current meal\nClear meal"},
    {57634, "Copy all foods from current meal to clipboard\nCopy meal"},
    {57635, "Move all foods from current meal to clipboard\nCut meal"},
    {57637, "Insert all foods from clipboard to current meal\nPaste meal"},
    {57649, "Arrange icons at the bottom of the window\nArrange Icons"},
    {57650, "Arrange windows so they overlap\nCascade Windows"},
    {57651, "Arrange windows as non-overlapping tiles\nTile Windows"},
    {57664, "Display program information and version number\nAbout"},
    {57665, "Quit the program; asks whether to save modified days\nExit"},
    {57669, "Display help for clicked on buttons, menus and windows\nHelp"},
    {57670, "Display help for current task or command\nHelp"},
    {57680, "Switch to the next day window\nNext Window"},
    {57681, "Switch back to the previous day window\nPrevious Window"},
};

} // namespace mw::gui::texts
