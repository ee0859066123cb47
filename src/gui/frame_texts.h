#pragma once

#include "ui_text.h"

// Texts of the application, the main frame, the splash and About windows that are not string-table texts
// (the commands' prompts are: keyed by command id). A text whose id the table does not use carries it in a
// comment; texts without an id stand where the desktop framework would show its own standard text.

#include <string_view>

namespace mw::gui::texts {

// ---- Program and document type -----------------------------------------------------------------------------

inline constexpr UiText kMainFrameTitle{QT_TRANSLATE_NOOP("Mealwright", "Mealwright Youthplate Diet")}; // 2
inline constexpr UiText kProductTitle{QT_TRANSLATE_NOOP("Mealwright", "Mealwright Youthplate Diet")};   // 400
inline constexpr UiText kAboutCaption{QT_TRANSLATE_NOOP("Mealwright", "Mealwright Youthplate Diet")};   // 401
// Document type (string 4, fields separated by line feeds).
inline constexpr UiText kDayDocumentName{QT_TRANSLATE_NOOP("Mealwright", "MenuDay")};                // 4, field 2
inline constexpr UiText kDayDocumentTypeName{QT_TRANSLATE_NOOP("Mealwright", "MenuDay Document")};   // 4, field 3
inline constexpr UiText kDayFileFilter{QT_TRANSLATE_NOOP("Mealwright", "Mealwright (*.ypd)")};       // 4, field 4
inline constexpr std::string_view kDayFileExtension = ".ypd";                                        // 4, field 5
inline constexpr std::string_view kDayFileTypeId = "MWYPD";                                          // 4, field 6
inline constexpr UiText kDayFileTypeDisplayName{QT_TRANSLATE_NOOP("Mealwright", "Youthplate Diet")}; // 4, field 7

inline constexpr UiText kVersionLine{QT_TRANSLATE_NOOP("Mealwright", "Version %1")};
// 402
inline constexpr UiText kLegalNotice{QT_TRANSLATE_NOOP(
    "Mealwright", "Nutrient values come from the USDA National Nutrient Database for Standard Reference, Release 24, "
                  "which is in the public domain.\n\n"
                  "The analysis gives general information for healthy people. It does not replace the advice of your "
                  "physician or dietitian.")};
// The warning of the splash window (a static text of its dialog).
inline constexpr UiText kSplashWarning{QT_TRANSLATE_NOOP(
    "Mealwright", "Consult your physician before you start a diet or change your eating habits, above all when you are "
                  "pregnant or nursing, are under 18 or have a medical condition.")};

// ---- Status bar --------------------------------------------------------------------------------------------

inline constexpr UiText kReadyMessage{QT_TRANSLATE_NOOP("Mealwright", "Ready")};
inline constexpr UiText kCapsLockIndicator{QT_TRANSLATE_NOOP("Mealwright", "CAP")};
inline constexpr UiText kNumLockIndicator{QT_TRANSLATE_NOOP("Mealwright", "NUM")};
inline constexpr UiText kScrollLockIndicator{QT_TRANSLATE_NOOP("Mealwright", "SCRL")};

// ---- Menus -------------------------------------------------------------------------------------------------

// The Edit menu's history commands; the step's name follows while there is one.
inline constexpr UiText kUndoCaption{QT_TRANSLATE_NOOP("Mealwright", "&Undo")};
inline constexpr UiText kRedoCaption{QT_TRANSLATE_NOOP("Mealwright", "&Redo")};
// Stands in the File menu while the recent-file list is empty.
inline constexpr UiText kNoRecentFile{QT_TRANSLATE_NOOP("Mealwright", "Recent File")};
// The Window menu's entries for the open days: "&1 MenuDay1".
inline constexpr UiText kWindowListEntry{QT_TRANSLATE_NOOP("Mealwright", "&%1 %2")};
inline constexpr UiText kWindowListPrompt{QT_TRANSLATE_NOOP("Mealwright", "Activate this window")};

inline constexpr UiText kListAddSelectedPrompt{QT_TRANSLATE_NOOP("Mealwright", "Add the selected food to this list")};
inline constexpr UiText kListAddAllPrompt{
    QT_TRANSLATE_NOOP("Mealwright", "Add every food of the food listbox to this list")};
inline constexpr UiText kListAddMealPrompt{
    QT_TRANSLATE_NOOP("Mealwright", "Add the foods of the current meal to this list")};
inline constexpr UiText kListShowPrompt{
    QT_TRANSLATE_NOOP("Mealwright", "Show the foods of this list in the food listbox")};
inline constexpr UiText kListRemovePrompt{QT_TRANSLATE_NOOP("Mealwright", "Take the selected food out of this list")};

// ---- Day documents -----------------------------------------------------------------------------------------

inline constexpr UiText kOpenDayCaption{QT_TRANSLATE_NOOP("Mealwright", "Open")};
inline constexpr UiText kSaveDayCaption{QT_TRANSLATE_NOOP("Mealwright", "Save As")};
inline constexpr UiText kSaveChangesQuestion{QT_TRANSLATE_NOOP("Mealwright", "Save changes to %1?")};
inline constexpr UiText kCannotOpenDay{QT_TRANSLATE_NOOP("Mealwright", "Cannot open the day file\n%1\n\n%2.")};
inline constexpr UiText kDayChangedOnDisk{
    QT_TRANSLATE_NOOP("Mealwright", "%1 was changed by another program. Save over it?")};
inline constexpr UiText kCannotSaveDay{
    QT_TRANSLATE_NOOP("Mealwright", "Cannot save the day file\n%1\n\n%2.\n\nThe day has not been saved.")};
// The diary's dated days.
inline constexpr UiText kDiaryFolderNotCreated{QT_TRANSLATE_NOOP(
    "Mealwright", "The diary folder\n%1\ncannot be created: %2.\n\nThe day's change is kept in its window.")};
inline constexpr UiText kDayReloaded{
    QT_TRANSLATE_NOOP("Mealwright", "%1 was changed by another program and has been read again")};
inline constexpr UiText kNoDiaryFolder{
    QT_TRANSLATE_NOOP("Mealwright", "There is no diary folder: HOME is not set. Choose one in the options.")};
inline constexpr UiText kDropIsNotAFile{QT_TRANSLATE_NOOP("Mealwright", "Only files can be opened: %1")};

// ---- Start-up and exit -------------------------------------------------------------------------------------

inline constexpr UiText kNoProfileFolder{QT_TRANSLATE_NOOP(
    "Mealwright", "No folder for the settings profile could be found (HOME is not set). Settings last only until the "
                  "program ends.")};
inline constexpr UiText kProfileUnreadable{QT_TRANSLATE_NOOP(
    "Mealwright",
    "The settings profile\n%1\ncannot be read: %2.\n\nThe default settings are used, and changes cannot be "
    "saved until the file can be read again.")};
inline constexpr UiText kPersonalFoodsReadOnly{QT_TRANSLATE_NOOP(
    "Mealwright",
    "The personal food database\n%1\ncannot be written. Its foods can be used, but new ones cannot be added.")};
inline constexpr UiText kPersonalFoodsCannotCreate{QT_TRANSLATE_NOOP(
    "Mealwright", "The personal food database\n%1\ncould not be created. New foods cannot be added.")};
inline constexpr UiText kPersonalFoodsNotAFile{
    QT_TRANSLATE_NOOP("Mealwright", "The personal food database cannot be used:\n%1\nis not a file.")};
inline constexpr UiText kPersonalFoodsUnreadable{QT_TRANSLATE_NOOP(
    "Mealwright",
    "The personal food database\n%1\ncannot be read (at byte %2). Its foods are not shown, and the file is left "
    "as it is.")};
inline constexpr UiText kPersonalFoodsTooLarge{QT_TRANSLATE_NOOP(
    "Mealwright",
    "The personal food database\n%1\nis too large. The foods before byte %2 are used; new ones cannot be added.")};
inline constexpr UiText kPersonalFoodsTooManyLines{QT_TRANSLATE_NOOP(
    "Mealwright",
    "The personal food database\n%1\nhas more lines than a personal food database can hold. The foods before "
    "byte %2 are used; new ones cannot be added.")};
inline constexpr UiText kFoodFlagsUnreadable{QT_TRANSLATE_NOOP(
    "Mealwright",
    "The hidden foods and food lists in\n%1\ncannot be read: %2.\n\nNo food is hidden or listed, and the file is "
    "left as it is.")};
inline constexpr UiText kFoodFlagsNotSaved{
    QT_TRANSLATE_NOOP("Mealwright", "The hidden foods and food lists could not be saved to\n%1\n\n%2.")};

// ---- Command line ------------------------------------------------------------------------------------------

inline constexpr UiText kUsage{QT_TRANSLATE_NOOP(
    "Mealwright", "Usage: mealwright [OPTION]... [DAYFILE]...\n"
                  "Plan a day of meals and see its nutrients.\n"
                  "\n"
                  "With no DAYFILE a new day is opened (today's day of the diary when \"Open Today at Start\" is\n"
                  "on); each DAYFILE (.ypd) is opened in a window of its own.\n"
                  "\n"
                  "  -e, /e              start with no day open\n"
                  "      --data-dir DIR  read and write userfood.txt and fad.dat in DIR\n"
                  "                      (default: the working folder)\n"
                  "      --diary DIR     keep the diary's dated days in DIR for this run\n"
                  "                      (default: the folder chosen in the options)\n"
                  "      --minimized     start with the main window minimised\n"
                  "      --quit-when-painted\n"
                  "                      quit as soon as the first window is painted (to time the start)\n"
                  "  -h, --help          show this help and exit\n"
                  "      --version       show the version and exit\n"
                  "      --              treat every later argument as a day file\n")};
inline constexpr UiText kVersionText{QT_TRANSLATE_NOOP("Mealwright", "mealwright %1\n")};
inline constexpr UiText kUnknownOption{QT_TRANSLATE_NOOP("Mealwright", "mealwright: unknown option %1")};
inline constexpr UiText kMissingOptionValue{QT_TRANSLATE_NOOP("Mealwright", "mealwright: %1 needs a folder")};
inline constexpr UiText kNoDataDir{QT_TRANSLATE_NOOP("Mealwright", "mealwright: the data folder %1 does not exist")};
inline constexpr UiText kTryHelp{QT_TRANSLATE_NOOP("Mealwright", "Try 'mealwright --help' for more information.")};

} // namespace mw::gui::texts
