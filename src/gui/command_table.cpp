#include "command_table.h"

#include "command_ids.h"

#include "format/food_attribute_database.h"
#include "model/settings_keys.h"

#include <QtGlobal>

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace mw::gui {
namespace {

using N = CommandNeeds;

// clang-format off
constexpr CommandRow kCommands[] = {
    // id                        object name                    caption                                      icon                 keys                            needs
    {cmd::kFileNew,              "actionFileNew",               QT_TRANSLATE_NOOP("Commands", "&New"),                             "file-new",          "Ctrl+N",                       N::kNothing},
    {cmd::kFileOpen,             "actionFileOpen",              QT_TRANSLATE_NOOP("Commands", "&Open..."),                         "file-open",         "Ctrl+O",                       N::kNothing},
    {cmd::kFileSummarizeDays,    "actionFileSummarizeDays",     QT_TRANSLATE_NOOP("Commands", "Summarize &Days..."),               "days-summary",      "",                             N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Show several days side by side with their average against the goals")},
    {cmd::kFileClose,            "actionFileClose",             QT_TRANSLATE_NOOP("Commands", "&Close"),                           "",                  "F4",                           N::kActiveDay},
    {cmd::kFileSave,             "actionFileSave",              QT_TRANSLATE_NOOP("Commands", "&Save"),                            "file-save",         "Ctrl+S",                       N::kActiveDay},
    {cmd::kFileSaveAs,           "actionFileSaveAs",            QT_TRANSLATE_NOOP("Commands", "Save &As..."),                      "",                  "",                             N::kActiveDay},
    {cmd::kFilePrint,            "actionFilePrint",             QT_TRANSLATE_NOOP("Commands", "&Print..."),                        "print",             "Ctrl+P",                       N::kActiveDay},
    {cmd::kFilePrintPreview,     "actionFilePrintPreview",      QT_TRANSLATE_NOOP("Commands", "Print Pre&view"),                   "",                  "",                             N::kActiveDay},
    {cmd::kFilePrintSetup,       "actionFilePrintSetup",        QT_TRANSLATE_NOOP("Commands", "P&rint Setup..."),                  "",                  "",                             N::kNothing},
    {cmd::kFileExportPdf,        "actionFileExportPdf",         QT_TRANSLATE_NOOP("Commands", "&Export to PDF..."),                "",                  "",                             N::kActiveDay},
    {cmd::kFileExportCsv,        "actionFileExportCsv",         QT_TRANSLATE_NOOP("Commands", "Export to CS&V..."),                "",                  "",                             N::kActiveDay},
    {cmd::kAppExit,              "actionAppExit",               QT_TRANSLATE_NOOP("Commands", "E&xit"),                            "",                  "",                             N::kNothing},
    {cmd::kFileRecentFirst,      "actionFileRecent1",           "",                                          "",                  "",                             N::kNothing},
    {cmd::kFileRecentFirst + 1,  "actionFileRecent2",           "",                                          "",                  "",                             N::kNothing},
    {cmd::kFileRecentFirst + 2,  "actionFileRecent3",           "",                                          "",                  "",                             N::kNothing},
    {cmd::kFileRecentFirst + 3,  "actionFileRecent4",           "",                                          "",                  "",                             N::kNothing},

    {cmd::kEditUndo,             "actionEditUndo",              QT_TRANSLATE_NOOP("Commands", "&Undo"),                            "edit-undo",         "Ctrl+Z; Alt+Backspace",        N::kRule},
    {cmd::kEditRedo,             "actionEditRedo",              QT_TRANSLATE_NOOP("Commands", "&Redo"),                            "edit-redo",         "Ctrl+Y; Ctrl+Shift+Z",         N::kRule},
    {cmd::kMealCut,              "actionMealCut",               QT_TRANSLATE_NOOP("Commands", "Cu&t Meal"),                        "meal-cut",          "Ctrl+X; Shift+Del",            N::kRule},
    {cmd::kMealCopy,             "actionMealCopy",              QT_TRANSLATE_NOOP("Commands", "&Copy Meal"),                       "meal-copy",         "Ctrl+C; Ctrl+Ins",             N::kRule},
    {cmd::kMealPaste,            "actionMealPaste",             QT_TRANSLATE_NOOP("Commands", "&Paste Meal"),                      "meal-paste",        "Ctrl+V; Shift+Ins",            N::kRule},
    {cmd::kMealClear,            "actionMealClear",             QT_TRANSLATE_NOOP("Commands", "C&lear Meal"),                      "meal-clear",        "",                             N::kRule},

    {cmd::kDesirableWeight,      "actionDesirableWeight",       QT_TRANSLATE_NOOP("Commands", "&Desirable weight ..."),            "",                  "",                             N::kNothing},
    {cmd::kCaloricNeed,          "actionCaloricNeed",           QT_TRANSLATE_NOOP("Commands", "Caloric &need ..."),                "caloric-need",      "",                             N::kNothing},
    {cmd::kSortAscending,        "actionSortAscending",         QT_TRANSLATE_NOOP("Commands", "Sort &ascending ..."),              "",                  "",                             N::kActiveDay},
    {cmd::kSortDescending,       "actionSortDescending",        QT_TRANSLATE_NOOP("Commands", "Sort &descending ..."),             "",                  "",                             N::kActiveDay},
    {cmd::kFindLowest,           "actionFindLowest",            QT_TRANSLATE_NOOP("Commands", "Find Lowest"),                      "find-lowest",       "",                             N::kRule},
    {cmd::kFindHighest,          "actionFindHighest",           QT_TRANSLATE_NOOP("Commands", "Find Highest"),                     "find-highest",      "",                             N::kRule},
    {cmd::kMenuGenerator,        "actionMenuGenerator",         QT_TRANSLATE_NOOP("Commands", "Generate a random menu!"),          "menu-generator",    "",                             N::kActiveDay},
    {cmd::kFoodPyramid,          "actionFoodPyramid",           QT_TRANSLATE_NOOP("Commands", "Food &Pyramid Analysis"),           "food-pyramid",      "",                             N::kRule},
    {cmd::kBalanceDay,           "actionBalanceDay",            QT_TRANSLATE_NOOP("Commands", "&Balance the Day..."),              "balance-day",       "",                             N::kActiveDay},
    {cmd::kMenuGeneratorOptions, "actionMenuGeneratorOptions",  QT_TRANSLATE_NOOP("Commands", "Menu Generator &Options ..."),      "",                  "",                             N::kActiveDay},

    {cmd::kDisplayNutrients,     "actionDisplayNutrients",      QT_TRANSLATE_NOOP("Commands", "Select Nutrients to &Display ..."), "",                  "",                             N::kNothing},
    {cmd::kPrintNutrients,       "actionPrintNutrients",        QT_TRANSLATE_NOOP("Commands", "Select Nutrients to &Print ..."),   "",                  "",                             N::kActiveDay},
    {cmd::kPrinterFont,          "actionPrinterFont",           QT_TRANSLATE_NOOP("Commands", "Choose Printer &Font ..."),         "",                  "",                             N::kNothing},
    {cmd::kScreenColor,          "actionScreenColor",           QT_TRANSLATE_NOOP("Commands", "Choose Screen &Color ..."),         "window-color",      "",                             N::kActiveDay},
    {cmd::kIntakePreference,     "actionIntakePreference",      QT_TRANSLATE_NOOP("Commands", "Set &Nutrient Intake Preference ..."), "intake-preference", "",                          N::kActiveDay},
    {cmd::kUsePersonalPreference, "actionUsePersonalPreference", QT_TRANSLATE_NOOP("Commands", "Show % P&ersonal Intake Preference"), "",               "",                             N::kActiveDay, true},
    {cmd::kMouseOption,          "actionMouseOption",           QT_TRANSLATE_NOOP("Commands", "Set &Mouse Button Input ..."),      "mouse-option",      "",                             N::kNothing},
    {cmd::kReverseGroupList,     "actionReverseGroupList",      QT_TRANSLATE_NOOP("Commands", "Re&verse Food Group List"),         "",                  "",                             N::kActiveDay},
    {cmd::kListWidthNormal,      "actionListWidthNormal",       QT_TRANSLATE_NOOP("Commands", "Food Listbox Width > Normal"),      "",                  "",                             N::kActiveDay},
    {cmd::kListWidthWider,       "actionListWidthWider",        QT_TRANSLATE_NOOP("Commands", "Food Listbox Width > Wider"),       "",                  "",                             N::kActiveDay},
    {cmd::kListWidthWidest,      "actionListWidthWidest",       QT_TRANSLATE_NOOP("Commands", "Food Listbox Width > Widest"),      "",                  "",                             N::kActiveDay},
    {cmd::kFatWarning,           "actionFatWarning",            QT_TRANSLATE_NOOP("Commands", "Set Fat Warning Level ..."),        "fat-warning",       "",                             N::kActiveDay},

    {cmd::kAddFood,              "actionAddFood",               QT_TRANSLATE_NOOP("Commands", "&Add Food or Recipe to Personal Database ..."), "",      "",                             N::kActiveDay},
    {cmd::kAddUsdaFood,          "actionAddUsdaFood",           QT_TRANSLATE_NOOP("Commands", "Add a &USDA Food..."),              "usda-food",         "",                             N::kNothing},
    {cmd::kEditPersonalFood,     "actionEditPersonalFood",      QT_TRANSLATE_NOOP("Commands", "&Edit Personal Food..."),           "",                  "",                             N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Change the name, unit, pyramid group or values of one of your own foods")},
    {cmd::kShowFoodGroups,       "actionShowFoodGroups",        QT_TRANSLATE_NOOP("Commands", "Show Mealwright Food &Groups"),     "food-groups",       "",                             N::kActiveDay},
    {cmd::kShowPersonalFoods,    "actionShowPersonalFoods",     QT_TRANSLATE_NOOP("Commands", "Show &Personal Food Database"),     "personal-foods",    "",                             N::kActiveDay},
    {cmd::kSearchFood,           "actionSearchFood",            QT_TRANSLATE_NOOP("Commands", "&Search Food by Name"),             "search-food",       "",                             N::kActiveDay},
    {cmd::kHideFood,             "actionHideFood",              QT_TRANSLATE_NOOP("Commands", "&Hide Selected Food >"),            "",                  "",                             N::kRule},
    {cmd::kHideListFoods,        "actionHideListFoods",         QT_TRANSLATE_NOOP("Commands", "Hide All Foods in &Food Listbox >"), "",                 "",                             N::kRule},
    {cmd::kHideMealFoods,        "actionHideMealFoods",         QT_TRANSLATE_NOOP("Commands", "Hide All Foods in &Meal Listbox <"), "",                 "",                             N::kRule},
    {cmd::kShowHiddenFoods,      "actionShowHiddenFoods",       QT_TRANSLATE_NOOP("Commands", "Show All Hid&den Foods"),           "",                  "",                             N::kRule},
    {cmd::kUnhideFood,           "actionUnhideFood",            QT_TRANSLATE_NOOP("Commands", "&Unhide Selected Food"),            "",                  "",                             N::kRule},
    {cmd::kManageFoodLists,      "actionManageFoodLists",       QT_TRANSLATE_NOOP("Commands", "Ma&nage Youthplate Food Lists..."), "",                  "",                             N::kActiveDay},

    {cmd::kLogWeight,            "actionDiaryLogWeight",        QT_TRANSLATE_NOOP("Commands", "Log &Weight..."),                   "",                  "Ctrl+Shift+W",                 N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Log your weight of today or another day")},
    {cmd::kWeightChart,          "actionDiaryWeightChart",      QT_TRANSLATE_NOOP("Commands", "&Weight Chart"),                    "",                  "",                             N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Show your weight, its trend and what the diary says about calorie balance")},
    {cmd::kWeightsInKilograms,   "actionWeightsInKilograms",    QT_TRANSLATE_NOOP("Commands", "Weights in &Kilograms"),            "",                  "",                             N::kNothing, true,
     QT_TRANSLATE_NOOP("Commands", "Type and show weights in kilograms instead of pounds")},

    {cmd::kDiaryToday,           "actionDiaryToday",            QT_TRANSLATE_NOOP("Commands", "&Today"),                           "diary-today",       "Alt+Home",                     N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Open today's day of the diary")},
    {cmd::kDiaryPreviousDay,     "actionDiaryPreviousDay",      QT_TRANSLATE_NOOP("Commands", "&Previous Day"),                    "diary-previous",    "Alt+Left",                     N::kRule, false,
     QT_TRANSLATE_NOOP("Commands", "Show the day before in this window")},
    {cmd::kDiaryNextDay,         "actionDiaryNextDay",          QT_TRANSLATE_NOOP("Commands", "&Next Day"),                        "diary-next",        "Alt+Right",                    N::kRule, false,
     QT_TRANSLATE_NOOP("Commands", "Show the day after in this window")},
    {cmd::kDiaryGoToDate,        "actionDiaryGoToDate",         QT_TRANSLATE_NOOP("Commands", "&Go to Date..."),                   "",                  "",                             N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Pick a date of the diary from a calendar")},
    {cmd::kDiaryCalendar,        "actionDiaryCalendar",         QT_TRANSLATE_NOOP("Commands", "&Calendar"),                        "",                  "",                             N::kNothing, true,
     QT_TRANSLATE_NOOP("Commands", "Show or hide the calendar of the diary's days")},
    {cmd::kCopyYesterdaysMeal,   "actionCopyYesterdaysMeal",    QT_TRANSLATE_NOOP("Commands", "Copy &Yesterday's Meal"),           "",                  "",                             N::kRule, false,
     QT_TRANSLATE_NOOP("Commands", "Add the same meal of the day before to the current meal")},
    {cmd::kCopyDayTo,            "actionCopyDayTo",             QT_TRANSLATE_NOOP("Commands", "Copy Day &To..."),                  "",                  "",                             N::kRule, false,
     QT_TRANSLATE_NOOP("Commands", "Copy this whole day to another date of the diary")},
    {cmd::kDiaryFolder,          "actionDiaryFolder",           QT_TRANSLATE_NOOP("Commands", "Diary &Folder..."),                 "",                  "",                             N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Choose the folder that holds the diary's days")},
    {cmd::kOpenTodayAtStart,     "actionOpenTodayAtStart",      QT_TRANSLATE_NOOP("Commands", "Open &Today at Start"),             "",                  "",                             N::kNothing, true,
     QT_TRANSLATE_NOOP("Commands", "Start on today's day of the diary instead of an untitled day")},
    {cmd::kSummarizeLast7Days,   "actionSummarizeLast7Days",    QT_TRANSLATE_NOOP("Commands", "Last &7 Days"),                     "",                  "",                             N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Summarize the diary's days of the last week")},
    {cmd::kSummarizeLast30Days,  "actionSummarizeLast30Days",   QT_TRANSLATE_NOOP("Commands", "Last &30 Days"),                    "",                  "",                             N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Summarize the diary's days of the last 30 days")},
    {cmd::kSummarizeThisMonth,   "actionSummarizeThisMonth",    QT_TRANSLATE_NOOP("Commands", "This &Month"),                      "",                  "",                             N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Summarize the diary's days of this month")},
    {cmd::kSummarizeDateRange,   "actionSummarizeDateRange",    QT_TRANSLATE_NOOP("Commands", "&From Date to Date..."),            "",                  "",                             N::kNothing, false,
     QT_TRANSLATE_NOOP("Commands", "Summarize the diary's days from one date to another")},

    {cmd::kWindowCascade,        "actionWindowCascade",         QT_TRANSLATE_NOOP("Commands", "&Cascade"),                         "",                  "",                             N::kAnyDay},
    {cmd::kWindowTile,           "actionWindowTile",            QT_TRANSLATE_NOOP("Commands", "&Tile"),                            "",                  "",                             N::kAnyDay},
    {cmd::kWindowArrangeIcons,   "actionWindowArrangeIcons",    QT_TRANSLATE_NOOP("Commands", "&Arrange Icons"),                   "",                  "",                             N::kAnyDay},
    {cmd::kNextPane,             "actionNextPane",              QT_TRANSLATE_NOOP("Commands", "Next Window"),                      "",                  "F6",                           N::kTwoDays},
    {cmd::kPreviousPane,         "actionPreviousPane",          QT_TRANSLATE_NOOP("Commands", "Previous Window"),                  "",                  "Shift+F6",                     N::kTwoDays},

    {cmd::kAppAbout,             "actionAppAbout",              QT_TRANSLATE_NOOP("Commands", "&About ..."),                       "about",             "",                             N::kNothing},
    {cmd::kHelp,                 "actionHelp",                  QT_TRANSLATE_NOOP("Commands", "&Help Topics"),                     "",                  "F1",                           N::kNothing},
    {cmd::kContextHelp,          "actionContextHelp",           QT_TRANSLATE_NOOP("Commands", "&What's This?"),                    "",                  "Shift+F1",                     N::kNothing},
    {cmd::kHelpIntroduction,     "actionHelpIntroduction",      QT_TRANSLATE_NOOP("Commands", "&Introduction"),                    "",                  "",                             N::kNothing},
    {cmd::kHelpTopTips,          "actionHelpTopTips",           QT_TRANSLATE_NOOP("Commands", "&Top Tips"),                        "",                  "",                             N::kNothing},
    {cmd::kHelpCatalogue,        "actionHelpCatalogue",         QT_TRANSLATE_NOOP("Commands", "The Food &Catalogue"),              "",                  "",                             N::kNothing},
};
// clang-format on

struct ListOperation
{
    int base;
    const char* name;
    const char* statusTip;
    // Lists beyond this one are carried out when their command arrives, but no menu offers them.
    int lastOffered;
};

constexpr ListOperation kListOperations[] = {
    {cmd::kListAddSelectedBase, "actionListAddSelected",
     QT_TRANSLATE_NOOP("Commands", "Add the selected food to this list"), cmd::kLastGlycemicList},
    {cmd::kListAddAllBase, "actionListAddAll",
     QT_TRANSLATE_NOOP("Commands", "Add every food of the food listbox to this list"), kNamedFoodListCount},
    {cmd::kListAddMealBase, "actionListAddMeal",
     QT_TRANSLATE_NOOP("Commands", "Add the foods of the current meal to this list"), cmd::kLastGlycemicList},
    {cmd::kListShowBase, "actionListShow",
     QT_TRANSLATE_NOOP("Commands", "Show the foods of this list in the food listbox"), cmd::kLastGlycemicList},
    {cmd::kListRemoveBase, "actionListRemove", QT_TRANSLATE_NOOP("Commands", "Take the selected food out of this list"),
     cmd::kLastGlycemicList},
};

// The food-list commands, lists 1..14 of each operation; their captions name the lists at run time.
std::vector<CommandRow> withListCommands()
{
    static std::deque<std::string> names;
    std::vector<CommandRow> table(std::begin(kCommands), std::end(kCommands));
    for (const ListOperation& operation : kListOperations) {
        for (int list = 1; list <= CFoodAttributeDatabase::kListCount; ++list) {
            const int id = operation.base + list;
            const bool offered = list <= operation.lastOffered;
            names.push_back(offered ? operation.name + std::to_string(list) : "actionFoodList" + std::to_string(id));
            table.push_back(
                {id, names.back().c_str(), "", "", "", N::kRule, false, offered ? operation.statusTip : ""});
        }
    }
    return table;
}

using K = MenuItemRow::Kind;

constexpr MenuItemRow command(int id)
{
    return {K::kCommand, id};
}

constexpr MenuItemRow kSeparator{K::kSeparator};

constexpr MenuItemRow lists(const char* title, int base, int first, int last)
{
    return {K::kListSubmenu, base, title, first, last};
}

constexpr MenuItemRow kSummarizeDiary =
    lists(QT_TRANSLATE_NOOP("Commands", "Summarize D&iary"), 0, cmd::kSummarizeLast7Days, cmd::kSummarizeDateRange);

constexpr MenuItemRow kNoDayFile[] = {
    command(cmd::kFileNew),
    command(cmd::kFileOpen),
    command(cmd::kFileSummarizeDays),
    kSummarizeDiary,
    kSeparator,
    command(cmd::kFilePrintSetup),
    kSeparator,
    {K::kRecentFiles},
    kSeparator,
    command(cmd::kAppExit),
};
constexpr MenuItemRow kNoDayTools[] = {command(cmd::kDesirableWeight), command(cmd::kCaloricNeed)};
constexpr MenuItemRow kHelp[] = {
    command(cmd::kHelp),        command(cmd::kContextHelp),   kSeparator, command(cmd::kHelpIntroduction),
    command(cmd::kHelpTopTips), command(cmd::kHelpCatalogue),
};

constexpr MenuItemRow kDayFile[] = {
    command(cmd::kFileNew),
    command(cmd::kFileOpen),
    command(cmd::kFileSummarizeDays),
    kSummarizeDiary,
    command(cmd::kFileClose),
    command(cmd::kFileSave),
    command(cmd::kFileSaveAs),
    kSeparator,
    command(cmd::kFilePrint),
    command(cmd::kFilePrintPreview),
    command(cmd::kFilePrintSetup),
    kSeparator,
    command(cmd::kFileExportPdf),
    command(cmd::kFileExportCsv),
    kSeparator,
    {K::kRecentFiles},
    kSeparator,
    command(cmd::kAppExit),
};
constexpr MenuItemRow kEdit[] = {
    command(cmd::kEditUndo),  command(cmd::kEditRedo),  kSeparator, command(cmd::kMealCut), command(cmd::kMealCopy),
    command(cmd::kMealPaste), command(cmd::kMealClear),
};
constexpr MenuItemRow kDayTools[] = {
    command(cmd::kDesirableWeight),      command(cmd::kCaloricNeed),    kSeparator,
    command(cmd::kSortAscending),        command(cmd::kSortDescending), kSeparator,
    command(cmd::kMenuGenerator),        command(cmd::kFoodPyramid),    command(cmd::kBalanceDay),
    command(cmd::kMenuGeneratorOptions),
};
constexpr MenuItemRow kOptions[] = {
    command(cmd::kDisplayNutrients),
    command(cmd::kPrintNutrients),
    kSeparator,
    command(cmd::kPrinterFont),
    command(cmd::kScreenColor),
    kSeparator,
    command(cmd::kIntakePreference),
    command(cmd::kUsePersonalPreference),
    kSeparator,
    command(cmd::kMouseOption),
    kSeparator,
    command(cmd::kReverseGroupList),
    kSeparator,
    command(cmd::kListWidthNormal),
    command(cmd::kListWidthWider),
    command(cmd::kListWidthWidest),
    kSeparator,
    command(cmd::kWeightsInKilograms),
    command(cmd::kDiaryFolder),
    command(cmd::kOpenTodayAtStart),
};
constexpr MenuItemRow kDatabase[] = {
    command(cmd::kAddFood),
    command(cmd::kAddUsdaFood),
    command(cmd::kEditPersonalFood),
    kSeparator,
    command(cmd::kShowFoodGroups),
    command(cmd::kShowPersonalFoods),
    kSeparator,
    command(cmd::kSearchFood),
    kSeparator,
    command(cmd::kHideFood),
    command(cmd::kHideListFoods),
    command(cmd::kHideMealFoods),
    command(cmd::kShowHiddenFoods),
    command(cmd::kUnhideFood),
};
constexpr MenuItemRow kFoodLists[] = {
    lists(QT_TRANSLATE_NOOP("Commands", "Add the selected &food > to"), cmd::kListAddSelectedBase, 1,
          kNamedFoodListCount),
    lists(QT_TRANSLATE_NOOP("Commands", "Add &all foods > to"), cmd::kListAddAllBase, 1, kNamedFoodListCount),
    lists(QT_TRANSLATE_NOOP("Commands", "Add &meal foods < to"), cmd::kListAddMealBase, 1, kNamedFoodListCount),
    lists(QT_TRANSLATE_NOOP("Commands", "&Show foods in"), cmd::kListShowBase, 1, kNamedFoodListCount),
    lists(QT_TRANSLATE_NOOP("Commands", "&Delete food > from"), cmd::kListRemoveBase, 1, kNamedFoodListCount),
    kSeparator,
    command(cmd::kManageFoodLists),
};
constexpr MenuItemRow kGlycemicIndex[] = {
    lists(QT_TRANSLATE_NOOP("Commands", "Add &food > to"), cmd::kListAddSelectedBase, cmd::kFirstGlycemicList,
          cmd::kLastGlycemicList),
    lists(QT_TRANSLATE_NOOP("Commands", "Add &meal foods < to"), cmd::kListAddMealBase, cmd::kFirstGlycemicList,
          cmd::kLastGlycemicList),
    lists(QT_TRANSLATE_NOOP("Commands", "&Show foods in"), cmd::kListShowBase, cmd::kFirstGlycemicList,
          cmd::kLastGlycemicList),
    lists(QT_TRANSLATE_NOOP("Commands", "&Delete food > from"), cmd::kListRemoveBase, cmd::kFirstGlycemicList,
          cmd::kLastGlycemicList),
};
constexpr MenuItemRow kDiary[] = {
    command(cmd::kDiaryToday),         command(cmd::kDiaryPreviousDay), command(cmd::kDiaryNextDay),
    command(cmd::kDiaryGoToDate),      command(cmd::kDiaryCalendar),    kSeparator,
    command(cmd::kCopyYesterdaysMeal), command(cmd::kCopyDayTo),        kSeparator,
    command(cmd::kLogWeight),          command(cmd::kWeightChart),
};
constexpr MenuItemRow kWindow[] = {
    command(cmd::kWindowCascade),
    command(cmd::kWindowTile),
    command(cmd::kWindowArrangeIcons),
};

const MenuRow kNoDayMenus[] = {
    {"menuFile", QT_TRANSLATE_NOOP("Commands", "&File"), kNoDayFile},
    {"menuDiary", QT_TRANSLATE_NOOP("Commands", "&Diary"), kDiary},
    {"menuTools", QT_TRANSLATE_NOOP("Commands", "&Tools"), kNoDayTools},
    {"menuHelp", QT_TRANSLATE_NOOP("Commands", "&Help"), kHelp},
};

const MenuRow kDayMenus[] = {
    {"menuDayFile", QT_TRANSLATE_NOOP("Commands", "&File"), kDayFile},
    {"menuEdit", QT_TRANSLATE_NOOP("Commands", "Ed&it"), kEdit},
    {"menuDiary", QT_TRANSLATE_NOOP("Commands", "&Diary"), kDiary},
    {"menuDayTools", QT_TRANSLATE_NOOP("Commands", "&Tools"), kDayTools},
    {"menuOptions", QT_TRANSLATE_NOOP("Commands", "&Options"), kOptions},
    {"menuDatabase", QT_TRANSLATE_NOOP("Commands", "Data&base"), kDatabase},
    {"menuFoodLists", QT_TRANSLATE_NOOP("Commands", "&Youthplate Food Lists"), kFoodLists},
    {"menuGlycemicIndex", QT_TRANSLATE_NOOP("Commands", "&Glycemic Index"), kGlycemicIndex},
    {"menuWindow", QT_TRANSLATE_NOOP("Commands", "&Window"), kWindow},
    {"menuHelp", QT_TRANSLATE_NOOP("Commands", "&Help"), kHelp},
};

} // namespace

std::span<const CommandRow> commandTable()
{
    static const std::vector<CommandRow> table = withListCommands();
    return table;
}

std::span<const MenuRow> noDayMenus()
{
    return kNoDayMenus;
}

std::span<const MenuRow> dayMenus()
{
    return kDayMenus;
}

} // namespace mw::gui
