#pragma once

// The printed analysis of a day as plain arithmetic over a text-measuring function: which text, rule and bar
// goes where on which page. The printer, the print preview, the PDF export and the tests all use this one
// layout; only the measuring and the drawing depend on the device. Coordinates are device units with the
// page's top-left corner at 0,0.

#include "model/food_types.h"
#include "model/nutrient_vector.h"
#include "model/settings_keys.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <limits>
#include <vector>

namespace mw {
class CFofDoc;
class FoodOperations;
} // namespace mw

namespace mw::render {

// The report font and the variants the report writes in.
enum class ReportFont
{
    kNormal = 0,  // the stored weight
    kBold,        // weight 700
    kHeavy,       // weight 900
    kSemiBold,    // weight 600
    kItalic,      // the stored weight, italic
    kSmallItalic, // four fifths of the height, italic
    kTitle,       // weight 900, five fourths of the height
};
inline constexpr int kReportFontCount = 7;

// How wide a text is and how tall a line is in one of the report fonts, in device units.
class ReportTextMeasure
{
public:
    virtual ~ReportTextMeasure() = default;
    virtual int textWidth(ReportFont font, const QString& text) const = 0;
    virtual int lineHeight(ReportFont font) const = 0;
};

// ---- What is printed --------------------------------------------------------------------------------------

struct ReportEntry
{
    QString text;     // the food's name as the food list shows it; entries of one food share it
    QString servings; // what follows the name: " x " and the servings
    NutrientVector nutrients;
    int fatShare = 0;
};

struct ReportMeal
{
    QString title;
    std::vector<ReportEntry> entries;
    NutrientVector totals;
    int fatShare = 0;
};

struct ReportContent
{
    QString documentPath;
    std::array<ReportMeal, kMealCount> meals;
    NutrientVector dayTotals;
    int dayFatShare = 0;
    std::vector<NutrientIndex> printed; // in catalogue order
    int fatWarningPercent = 30;
};

// The selected nutrients in catalogue order.
std::vector<NutrientIndex> printedNutrientList(const NutrientSelection& selection);
// What follows a food's name: " x " and the servings rounded to a tenth.
QString reportServingsText(float servings);
// Everything the report prints of the day, in the order it prints it.
ReportContent reportContent(const CFofDoc& document, const FoodOperations& foods, const NutrientSelection& printed,
                            int fatWarningPercent, const QString& documentPath);
// "Percentage of calories from fat:  %d%" with the share in place of its "%d".
QString dayFatShareText(int fatShare);

// ---- Page geometry ----------------------------------------------------------------------------------------

// The page in device units and the printer's default font, measured before the report font is chosen: all
// spacing follows its character width and height, whatever font the report is written in.
struct ReportPageMetrics
{
    int pageWidth = 0;
    int pageHeight = 0;
    int dpiX = 0;
    int dpiY = 0;
    int charWidth = 0;  // cw
    int lineHeight = 0; // lh
};

// The name column takes the page up to its right margin divided by this: 1 without numbers, then 2, 3, 4 and
// 5 as more nutrients are printed.
int nameColumnDivisor(int printedCount);

struct ReportColumns
{
    int left = 0;        // Lm: half an inch
    int right = 0;       // Rm: the page width less half an inch
    int nameRight = 0;   // Nr: where the food names end
    int columnWidth = 0; // cw': each printed nutrient's column
    // The right edge of printed column k, where its numbers end.
    int columnRight(int k) const { return nameRight + (k + 1) * columnWidth; }
};

ReportColumns reportColumns(int pageWidth, int dpiX, int printedCount);

// Numbers of neighbouring columns must not run together: the report's font is made smaller until the widest
// column head, unit and number fits its column with an eighth of the column to spare, but not below half.
inline constexpr double kMinReportFontFit = 0.3;
// The factor (kMinReportFontFit..1) by which the report's font should shrink; 1 when everything fits.
double reportFontFit(const ReportContent& content, const ReportPageMetrics& metrics, const ReportTextMeasure& measure);

// ---- Layout -----------------------------------------------------------------------------------------------

// What an item on a page is; tests and the painter tell items apart by it.
enum class ReportRole
{
    kTitle,
    kFileName,
    kHeaderBar,
    kColumnName,
    kFoodNameHead,
    kColumnUnit,
    kHeaderLine,
    kMealTitle,
    kEntryText, // one line of a food's wrapped text
    kEntryValue,
    kFatMarker,
    kMealTotalLabel,
    kMealTotalValue,
    kMealFatShare,
    kMealLine,
    kDayTotalLabel,
    kDayTotalValue,
    kDayFatShare,
    kDayBar,
    kImportantNote,
    kFatFootnote,
};

struct ReportItem
{
    ReportRole role = ReportRole::kTitle;
    ReportFont font = ReportFont::kNormal; // texts only
    QRect rect;                            // a text's measured box, or a filled rule or bar
    QString text;                          // empty for rules and bars
    int meal = -1;                         // the meal it belongs to, if any
    int entry = -1;                        // the food entry it belongs to, if any
};

// Bars and thin lines are filled rectangles; every other item is a single line of text.
bool isReportRule(ReportRole role);

struct ReportPage
{
    std::vector<ReportItem> items;
};

// Where the printing stands between pages.
struct ReportPrintState
{
    int meal = 0;         // 6 once every meal is on paper
    std::size_t food = 0; // the next entry of that meal
    bool titlePrinted = false;
    bool totalPrinted = false;
    bool anyFoodMarked = false;   // a food got the "*" marker
    bool dayTotalPrinted = false; // the page that printed the day summary is the last
};

// A food's text is cut after this many lines, as the food list cuts its rows.
inline constexpr int kMaxReportEntryLines = 4;

// The text followed by tail, split into lines no wider than width: at blanks (runs of blanks count as one),
// and inside a word only where the word alone is too wide. Every line holds at least one character, so any
// width gives an end. When more than maxLines lines would be needed, the last line is cut with an ellipsis
// before the tail, so the tail always shows. The work depends on what fits in maxLines lines, not on the
// length of the text.
QStringList wrapReportText(const QString& text, int width, const ReportTextMeasure& measure, ReportFont font,
                           int maxLines = std::numeric_limits<int>::max(), const QString& tail = QString());

// The next page: the header, then the body from where the state stands. Something that does not fit even at
// the top of a fresh page is placed anyway (the painter clips it), so every page moves the state on.
ReportPage layoutReportPage(const ReportContent& content, const ReportPageMetrics& metrics,
                            const ReportTextMeasure& measure, ReportPrintState& state);
// All pages, up to and including the one with the day summary.
std::vector<ReportPage> layoutReport(const ReportContent& content, const ReportPageMetrics& metrics,
                                     const ReportTextMeasure& measure);

} // namespace mw::render
