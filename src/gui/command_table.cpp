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

#define CAPTION(text) QT_TRANSLATE_NOOP("Commands", text)

using N = CommandNeeds;

// clang-format off
constexpr CommandSpec kCommands[] = {
    // id                        object name                    caption                                      icon                 keys                            needs
    {cmd::kFileNew,              "actionFileNew",               CAPTION("&New"),                             "file-new",          "Ctrl+N",                       N::kNothing},
    {cmd::kFileOpen,             "actionFileOpen",              CAPTION("&Open..."),                         "file-open",         "Ctrl+O",                       N::kNothing},
    {cmd::kFileSummarizeDays,    "actionFileSummarizeDays",     CAPTION("Summarize &Days..."),               "days-summary",      "",                             N::kNothing, false,
     CAPTION("Show several days side by side with their average against the goals")},
    {cmd::kFileClose,            "actionFileClose",             CAPTION("&Close"),                           "",                  "F4",                           N::kActiveDay},
    {cmd::kFileSave,             "actionFileSave",              CAPTION("&Save"),                            "file-save",         "Ctrl+S",                       N::kActiveDay},
    {cmd::kFileSaveAs,           "actionFileSaveAs",            CAPTION("Save &As..."),                      "",                  "",                             N::kActiveDay},
    {cmd::kFilePrint,            "actionFilePrint",             CAPTION("&Print..."),                        "print",             "Ctrl+P",                       N::kActiveDay},
    {cmd::kFilePrintPreview,     "actionFilePrintPreview",      CAPTION("Print Pre&view"),                   "",                  "",                             N::kActiveDay},
    {cmd::kFilePrintSetup,       "actionFilePrintSetup",        CAPTION("P&rint Setup..."),                  "",                  "",                             N::kNothing},
    {cmd::kFileExportPdf,        "actionFileExportPdf",         CAPTION("&Export to PDF..."),                "",                  "",                             N::kActiveDay},
    {cmd::kFileExportCsv,        "actionFileExportCsv",         CAPTION("Export to CS&V..."),                "",                  "",                             N::kActiveDay},
    {cmd::kAppExit,              "actionAppExit",               CAPTION("E&xit"),                            "",                  "",                             N::kNothing},
    {cmd::kFileRecentFirst,      "actionFileRecent1",           "",                                          "",                  "",                             N::kNothing},
    {cmd::kFileRecentFirst + 1,  "actionFileRecent2",           "",                                          "",                  "",                             N::kNothing},
    {cmd::kFileRecentFirst + 2,  "actionFileRecent3",           "",                                          "",                  "",                             N::kNothing},
    {cmd::kFileRecentFirst + 3,  "actionFileRecent4",           "",                                          "",                  "",                             N::kNothing},

    {cmd::kEditUndo,             "actionEditUndo",              CAPTION("&Undo"),                            "edit-undo",         "Ctrl+Z; Alt+Backspace",        N::kRule},
    {cmd::kEditRedo,             "actionEditRedo",              CAPTION("&Redo"),                            "edit-redo",         "Ctrl+Y; Ctrl+Shift+Z",         N::kRule},
    {cmd::kMealCut,              "actionMealCut",               CAPTION("Cu&t Meal"),                        "meal-cut",          "Ctrl+X; Shift+Del",            N::kRule},
    {cmd::kMealCopy,             "actionMealCopy",              CAPTION("&Copy Meal"),                       "meal-copy",         "Ctrl+C; Ctrl+Ins",             N::kRule},
    {cmd::kMealPaste,            "actionMealPaste",             CAPTION("&Paste Meal"),                      "meal-paste",        "Ctrl+V; Shift+Ins",            N::kRule},
    {cmd::kMealClear,            "actionMealClear",             CAPTION("C&lear Meal"),                      "meal-clear",        "",                             N::kRule},

    {cmd::kDesirableWeight,      "actionDesirableWeight",       CAPTION("&Desirable weight ..."),            "",                  "",                             N::kNothing},
    {cmd::kCaloricNeed,          "actionCaloricNeed",           CAPTION("Caloric &need ..."),                "caloric-need",      "",                             N::kNothing},
    {cmd::kSortAscending,        "actionSortAscending",         CAPTION("Sort &ascending ..."),              "",                  "",                             N::kActiveDay},
    {cmd::kSortDescending,       "actionSortDescending",        CAPTION("Sort &descending ..."),             "",                  "",                             N::kActiveDay},
    {cmd::kFindLowest,           "actionFindLowest",            CAPTION("Find Lowest"),                      "find-lowest",       "",                             N::kRule},
    {cmd::kFindHighest,          "actionFindHighest",           CAPTION("Find Highest"),                     "find-highest",      "",                             N::kRule},
    {cmd::kMenuGenerator,        "actionMenuGenerator",         CAPTION("Generate a random menu!"),          "menu-generator",    "",                             N::kActiveDay},
    {cmd::kFoodPyramid,          "actionFoodPyramid",           CAPTION("Food &Pyramid Analysis"),           "food-pyramid",      "",                             N::kRule},
    {cmd::kBalanceDay,           "actionBalanceDay",            CAPTION("&Balance the Day..."),              "balance-day",       "",                             N::kActiveDay},
    {cmd::kMenuGeneratorOptions, "actionMenuGeneratorOptions",  CAPTION("Menu Generator &Options ..."),      "",                  "",                             N::kActiveDay},

    {cmd::kDisplayNutrients,     "actionDisplayNutrients",      CAPTION("Select Nutrients to &Display ..."), "",                  "",                             N::kNothing},
    {cmd::kPrintNutrients,       "actionPrintNutrients",        CAPTION("Select Nutrients to &Print ..."),   "",                  "",                             N::kActiveDay},
    {cmd::kPrinterFont,          "actionPrinterFont",           CAPTION("Choose Printer &Font ..."),         "",                  "",                             N::kNothing},
    {cmd::kScreenColor,          "actionScreenColor",           CAPTION("Choose Screen &Color ..."),         "window-color",      "",                             N::kActiveDay},
    {cmd::kIntakePreference,     "actionIntakePreference",      CAPTION("Set &Nutrient Intake Preference ..."), "intake-preference", "",                          N::kActiveDay},
    {cmd::kUsePersonalPreference, "actionUsePersonalPreference", CAPTION("Show % P&ersonal Intake Preference"), "",               "",                             N::kActiveDay, true},
    {cmd::kMouseOption,          "actionMouseOption",           CAPTION("Set &Mouse Button Input ..."),      "mouse-option",      "",                             N::kNothing},
    {cmd::kReverseGroupList,     "actionReverseGroupList",      CAPTION("Re&verse Food Group List"),         "",                  "",                             N::kActiveDay},
    {cmd::kListWidthNormal,      "actionListWidthNormal",       CAPTION("Food Listbox Width > Normal"),      "",                  "",                             N::kActiveDay},
    {cmd::kListWidthWider,       "actionListWidthWider",        CAPTION("Food Listbox Width > Wider"),       "",                  "",                             N::kActiveDay},
    {cmd::kListWidthWidest,      "actionListWidthWidest",       CAPTION("Food Listbox Width > Widest"),      "",                  "",                             N::kActiveDay},
    {cmd::kFatWarning,           "actionFatWarning",            CAPTION("Set Fat Warning Level ..."),        "fat-warning",       "",                             N::kActiveDay},

    {cmd::kAddFood,              "actionAddFood",               CAPTION("&Add Food or Recipe to Personal Database ..."), "",      "",                             N::kActiveDay},
    {cmd::kAddUsdaFood,          "actionAddUsdaFood",           CAPTION("Add a &USDA Food..."),              "usda-food",         "",                             N::kNothing},
    {cmd::kShowFoodGroups,       "actionShowFoodGroups",        CAPTION("Show Mealwright Food &Groups"),     "food-groups",       "",                             N::kActiveDay},
    {cmd::kShowPersonalFoods,    "actionShowPersonalFoods",     CAPTION("Show &Personal Food Database"),     "personal-foods",    "",                             N::kActiveDay},
    {cmd::kSearchFood,           "actionSearchFood",            CAPTION("&Search Food by Name"),             "search-food",       "",                             N::kActiveDay},
    {cmd::kHideFood,             "actionHideFood",              CAPTION("&Hide Selected Food >"),            "",                  "",                             N::kRule},
    {cmd::kHideListFoods,        "actionHideListFoods",         CAPTION("Hide All Foods in &Food Listbox >"), "",                 "",                             N::kRule},
    {cmd::kHideMealFoods,        "actionHideMealFoods",         CAPTION("Hide All Foods in &Meal Listbox <"), "",                 "",                             N::kRule},
    {cmd::kShowHiddenFoods,      "actionShowHiddenFoods",       CAPTION("Show All Hid&den Foods"),           "",                  "",                             N::kRule},
    {cmd::kUnhideFood,           "actionUnhideFood",            CAPTION("&Unhide Selected Food"),            "",                  "",                             N::kRule},
    {cmd::kManageFoodLists,      "actionManageFoodLists",       CAPTION("Ma&nage Youthplate Food Lists..."), "",                  "",                             N::kActiveDay},

    {cmd::kLogWeight,            "actionDiaryLogWeight",        CAPTION("Log &Weight..."),                   "",                  "Ctrl+Shift+W",                 N::kNothing, false,
     CAPTION("Log your weight of today or another day")},
    {cmd::kWeightChart,          "actionDiaryWeightChart",      CAPTION("&Weight Chart"),                    "",                  "",                             N::kNothing, false,
     CAPTION("Show your weight, its trend and what the diary says about calorie balance")},
    {cmd::kWeightsInKilograms,   "actionWeightsInKilograms",    CAPTION("Weights in &Kilograms"),            "",                  "",                             N::kNothing, true,
     CAPTION("Type and show weights in kilograms instead of pounds")},

    {cmd::kWindowCascade,        "actionWindowCascade",         CAPTION("&Cascade"),                         "",                  "",                             N::kAnyDay},
    {cmd::kWindowTile,           "actionWindowTile",            CAPTION("&Tile"),                            "",                  "",                             N::kAnyDay},
    {cmd::kWindowArrangeIcons,   "actionWindowArrangeIcons",    CAPTION("&Arrange Icons"),                   "",                  "",                             N::kAnyDay},
    {cmd::kNextPane,             "actionNextPane",              CAPTION("Next Window"),                      "",                  "F6",                           N::kTwoDays},
    {cmd::kPreviousPane,         "actionPreviousPane",          CAPTION("Previous Window"),                  "",                  "Shift+F6",                     N::kTwoDays},

    {cmd::kAppAbout,             "actionAppAbout",              CAPTION("&About ..."),                       "about",             "",                             N::kNothing},
    {cmd::kHelp,                 "actionHelp",                  CAPTION("&Help Topics"),                     "",                  "F1",                           N::kNothing},
    {cmd::kContextHelp,          "actionContextHelp",           CAPTION("&What's This?"),                    "",                  "Shift+F1",                     N::kNothing},
    {cmd::kHelpIntroduction,     "actionHelpIntroduction",      CAPTION("&Introduction"),                    "",                  "",                             N::kNothing},
    {cmd::kHelpTopTips,          "actionHelpTopTips",           CAPTION("&Top Tips"),                        "",                  "",                             N::kNothing},
    {cmd::kHelpCatalogue,        "actionHelpCatalogue",         CAPTION("The Food &Catalogue"),              "",                  "",                             N::kNothing},
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
    {cmd::kListAddSelectedBase, "actionListAddSelected", CAPTION("Add the highlighted food to this list"),
     cmd::kLastGlycemicList},
    {cmd::kListAddAllBase, "actionListAddAll", CAPTION("Add every food of the food listbox to this list"),
     kNamedFoodListCount},
    {cmd::kListAddMealBase, "actionListAddMeal", CAPTION("Add the foods of the current meal to this list"),
     cmd::kLastGlycemicList},
    {cmd::kListShowBase, "actionListShow", CAPTION("Show the foods of this list in the food listbox"),
     cmd::kLastGlycemicList},
    {cmd::kListRemoveBase, "actionListRemove", CAPTION("Take the highlighted food out of this list"),
     cmd::kLastGlycemicList},
};

// The food-list commands, lists 1..14 of each operation; their captions name the lists at run time.
std::vector<CommandSpec> withListCommands()
{
    static std::deque<std::string> names;
    std::vector<CommandSpec> table(std::begin(kCommands), std::end(kCommands));
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

using K = MenuItemSpec::Kind;

constexpr MenuItemSpec command(int id)
{
    return {K::kCommand, id};
}

constexpr MenuItemSpec kSeparator{K::kSeparator};

constexpr MenuItemSpec lists(const char* title, int base, int first, int last)
{
    return {K::kListSubmenu, base, title, first, last};
}

constexpr MenuItemSpec kNoDayFile[] = {
    command(cmd::kFileNew),
    command(cmd::kFileOpen),
    command(cmd::kFileSummarizeDays),
    kSeparator,
    command(cmd::kFilePrintSetup),
    kSeparator,
    {K::kRecentFiles},
    kSeparator,
    command(cmd::kAppExit),
};
constexpr MenuItemSpec kNoDayTools[] = {command(cmd::kDesirableWeight), command(cmd::kCaloricNeed)};
constexpr MenuItemSpec kHelp[] = {
    command(cmd::kHelp),        command(cmd::kContextHelp),   kSeparator, command(cmd::kHelpIntroduction),
    command(cmd::kHelpTopTips), command(cmd::kHelpCatalogue),
};

constexpr MenuItemSpec kDayFile[] = {
    command(cmd::kFileNew),
    command(cmd::kFileOpen),
    command(cmd::kFileSummarizeDays),
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
constexpr MenuItemSpec kEdit[] = {
    command(cmd::kEditUndo),  command(cmd::kEditRedo),  kSeparator, command(cmd::kMealCut), command(cmd::kMealCopy),
    command(cmd::kMealPaste), command(cmd::kMealClear),
};
constexpr MenuItemSpec kDayTools[] = {
    command(cmd::kDesirableWeight),      command(cmd::kCaloricNeed),    kSeparator,
    command(cmd::kSortAscending),        command(cmd::kSortDescending), kSeparator,
    command(cmd::kMenuGenerator),        command(cmd::kFoodPyramid),    command(cmd::kBalanceDay),
    command(cmd::kMenuGeneratorOptions),
};
constexpr MenuItemSpec kOptions[] = {
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
};
constexpr MenuItemSpec kDatabase[] = {
    command(cmd::kAddFood),
    command(cmd::kAddUsdaFood),
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
constexpr MenuItemSpec kFoodLists[] = {
    lists(CAPTION("Add &hilited food > to"), cmd::kListAddSelectedBase, 1, kNamedFoodListCount),
    lists(CAPTION("Add &all foods > to"), cmd::kListAddAllBase, 1, kNamedFoodListCount),
    lists(CAPTION("Add &meal foods < to"), cmd::kListAddMealBase, 1, kNamedFoodListCount),
    lists(CAPTION("&Show foods in"), cmd::kListShowBase, 1, kNamedFoodListCount),
    lists(CAPTION("&Delete food > from"), cmd::kListRemoveBase, 1, kNamedFoodListCount),
    kSeparator,
    command(cmd::kManageFoodLists),
};
constexpr MenuItemSpec kGlycemicIndex[] = {
    lists(CAPTION("Add &food > to"), cmd::kListAddSelectedBase, cmd::kFirstGlycemicList, cmd::kLastGlycemicList),
    lists(CAPTION("Add &meal foods < to"), cmd::kListAddMealBase, cmd::kFirstGlycemicList, cmd::kLastGlycemicList),
    lists(CAPTION("&Show foods in"), cmd::kListShowBase, cmd::kFirstGlycemicList, cmd::kLastGlycemicList),
    lists(CAPTION("&Delete food > from"), cmd::kListRemoveBase, cmd::kFirstGlycemicList, cmd::kLastGlycemicList),
};
constexpr MenuItemSpec kDiary[] = {command(cmd::kLogWeight), command(cmd::kWeightChart)};
constexpr MenuItemSpec kWindow[] = {
    command(cmd::kWindowCascade),
    command(cmd::kWindowTile),
    command(cmd::kWindowArrangeIcons),
};

const MenuSpec kNoDayMenus[] = {
    {"menuFile", CAPTION("&File"), kNoDayFile},
    {"menuDiary", CAPTION("&Diary"), kDiary},
    {"menuTools", CAPTION("&Tools"), kNoDayTools},
    {"menuHelp", CAPTION("&Help"), kHelp},
};

const MenuSpec kDayMenus[] = {
    {"menuDayFile", CAPTION("&File"), kDayFile},
    {"menuEdit", CAPTION("Ed&it"), kEdit},
    {"menuDiary", CAPTION("&Diary"), kDiary},
    {"menuDayTools", CAPTION("&Tools"), kDayTools},
    {"menuOptions", CAPTION("&Options"), kOptions},
    {"menuDatabase", CAPTION("Data&base"), kDatabase},
    {"menuFoodLists", CAPTION("&Youthplate Food Lists"), kFoodLists},
    {"menuGlycemicIndex", CAPTION("&Glycemic Index"), kGlycemicIndex},
    {"menuWindow", CAPTION("&Window"), kWindow},
    {"menuHelp", CAPTION("&Help"), kHelp},
};

#undef CAPTION

} // namespace

std::span<const CommandSpec> commandTable()
{
    static const std::vector<CommandSpec> table = withListCommands();
    return table;
}

std::span<const MenuSpec> noDayMenus()
{
    return kNoDayMenus;
}

std::span<const MenuSpec> dayMenus()
{
    return kDayMenus;
}

} // namespace mw::gui
