#pragma once

// The numeric ids of the program's commands. The prompt of a command (status-bar text, then after a
// line break the tooltip) has the same id in the string table.

namespace mw::gui::cmd {

// ---- File --------------------------------------------------------------------------------------------------
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
// The program's own: the analysis as a PDF file and the day as a table.
inline constexpr int kFileExportPdf = 32980;
inline constexpr int kFileExportCsv = 32981;
// Several day files side by side with their average.
inline constexpr int kFileSummarizeDays = 32982;
// The weight log: logging a weight, its chart window, and kilograms instead of pounds.
inline constexpr int kLogWeight = 32995;
inline constexpr int kWeightChart = 32996;
inline constexpr int kWeightsInKilograms = 32997;
// The diary's dated days: moving between dates, the calendar, copying from one date to another, and where the
// diary lives.
inline constexpr int kDiaryToday = 33200;
inline constexpr int kDiaryPreviousDay = 33201;
inline constexpr int kDiaryNextDay = 33202;
inline constexpr int kDiaryGoToDate = 33203;
inline constexpr int kDiaryCalendar = 33204;
inline constexpr int kCopyYesterdaysMeal = 33205;
inline constexpr int kCopyDayTo = 33206;
inline constexpr int kDiaryFolder = 33207;
inline constexpr int kOpenTodayAtStart = 33208;
// The diary's recorded days of a range side by side.
inline constexpr int kSummarizeLast7Days = 33210;
inline constexpr int kSummarizeLast30Days = 33211;
inline constexpr int kSummarizeThisMonth = 33212;
inline constexpr int kSummarizeDateRange = 33213;
// The recent-file entries are kFileRecentFirst + 0 .. kFileRecentFirst + 3.
inline constexpr int kFileRecentFirst = 57616;
inline constexpr int kRecentFileCount = 4;
inline constexpr int kAppExit = 57665;
inline constexpr int kAppAbout = 57664;

// ---- Edit: the meal clipboard ------------------------------------------------------------------------------
inline constexpr int kMealClear = 57633;
inline constexpr int kMealCopy = 57634;
inline constexpr int kMealCut = 57635;
inline constexpr int kMealPaste = 57637;
// The day window's history: Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z.
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;

// ---- Window ------------------------------------------------------------------------------------------------
inline constexpr int kWindowArrangeIcons = 57649;
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTile = 57651;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;

// ---- Help --------------------------------------------------------------------------------------------------
inline constexpr int kHelpIndex = 57666;
inline constexpr int kHelpUsing = 57668;
inline constexpr int kContextHelp = 57669;
inline constexpr int kHelp = 57670;
inline constexpr int kHelpIntroduction = 34087;
inline constexpr int kHelpTopTips = 34088;
inline constexpr int kHelpCatalogue = 34090;

// ---- Tools -------------------------------------------------------------------------------------------------
inline constexpr int kDesirableWeight = 32768;
inline constexpr int kCaloricNeed = 32769;
inline constexpr int kSortAscending = 32966;
inline constexpr int kSortDescending = 32967;
inline constexpr int kFindLowest = 32936;
inline constexpr int kFindHighest = 32937;

// ---- Options -----------------------------------------------------------------------------------------------
inline constexpr int kDisplayNutrients = 32960;
inline constexpr int kPrintNutrients = 32953;
inline constexpr int kPrinterFont = 32778;
inline constexpr int kScreenColor = 32793;
inline constexpr int kIntakePreference = 32794;
inline constexpr int kUsePersonalPreference = 32965;
inline constexpr int kMouseOption = 32947;
inline constexpr int kReverseGroupList = 32941;
inline constexpr int kListWidthNormal = 32968;
inline constexpr int kListWidthWider = 32969;
inline constexpr int kListWidthWidest = 32970;
inline constexpr int kFatWarning = 32782;

// ---- Database ----------------------------------------------------------------------------------------------
inline constexpr int kAddFood = 32954;
inline constexpr int kAddUsdaFood = 32990;
// Changes a personal food's name, unit, pyramid group and values in place.
inline constexpr int kEditPersonalFood = 32992;
inline constexpr int kBalanceDay = 32991;
inline constexpr int kShowFoodGroups = 32773;
inline constexpr int kShowPersonalFoods = 32777;
inline constexpr int kSearchFood = 32772;
inline constexpr int kHideFood = 32955;
inline constexpr int kHideMealFoods = 32956;
inline constexpr int kHideListFoods = 32957;
inline constexpr int kUnhideFood = 32958;
inline constexpr int kShowHiddenFoods = 32959;

// ---- Food lists --------------------------------------------------------------------------------------------
// List k (1..14) of an operation has the id base + k.
inline constexpr int kListAddSelectedBase = 33000;
inline constexpr int kListAddMealBase = 33020;
inline constexpr int kListShowBase = 33040;
inline constexpr int kListRemoveBase = 33060;
inline constexpr int kListAddAllBase = 33100;
inline constexpr int kManageFoodLists = 32961;
// Lists 1..7 are the user's, 8..10 the high, medium and low insulin-inducer lists.
inline constexpr int kFirstGlycemicList = 8;
inline constexpr int kLastGlycemicList = 10;

// ---- Menu generator ----------------------------------------------------------------------------------------
inline constexpr int kFoodPyramid = 32942;
inline constexpr int kMenuGenerator = 32950;
inline constexpr int kMenuGeneratorOptions = 32952;

// ---- Status-bar notifications ------------------------------------------------------------------------------
// The view shows a meal entry: the message pane is emptied.
inline constexpr int kClearStatusMessage = 32939;
// The menu generator starts.
inline constexpr int kGeneratingMenu = 32951;

} // namespace mw::gui::cmd
