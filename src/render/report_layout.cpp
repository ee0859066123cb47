#include "report_layout.h"

#include "qt_bridge.h"
#include "report_text_fitting.h"
#include "report_texts.h"
#include "servings_text.h"

#include "calc/analysis.h"
#include "model/catalogue.h"
#include "model/day_document.h"
#include "model/food_operations.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace mw::render {

namespace {

constexpr QChar kEllipsis(0x2026);

constexpr int kNoNumbersDivisor = 1;
constexpr int kMostNumbersDivisor = 5;
constexpr QStringView kDayFatPlaceholder = u"%d";
// What a column keeps free beside its widest text: this fraction of its width.
constexpr int kColumnSpareDivisor = 8;

// Measures below 1 would stall the spacing; any device gives at least this.
int atLeastOne(int value)
{
    return std::max(value, 1);
}

// The fat marker ends a blank before the food's name, however wide the chosen font sets it.
int markerGap(const ReportTextMeasure& measure)
{
    return atLeastOne(measure.textWidth(ReportFont::kNormal, QStringLiteral(" ")));
}

int markerWidth(const ReportTextMeasure& measure)
{
    return std::max(measure.textWidth(ReportFont::kNormal, toQString(kReportFatMarker)),
                    measure.textWidth(ReportFont::kNormal, toQString(kReportNoFatMarker)));
}

// The page being filled: the header's and the body's vertical position and the items placed so far.
class PageBuilder
{
public:
    PageBuilder(const ReportContent& content, const ReportPageMetrics& metrics, const ReportTextMeasure& measure)
        : m_content(content), m_measure(measure),
          m_columns(reportColumns(metrics.pageWidth, metrics.dpiX, static_cast<int>(content.printed.size()))),
          // Spacing follows the chosen font where it is larger than the printer's own.
          m_cw(atLeastOne(metrics.charWidth)),
          m_lh(atLeastOne(std::max(metrics.lineHeight, measure.lineHeight(ReportFont::kNormal)))), m_lg(m_lh / 6),
          m_bottom(metrics.pageHeight - metrics.dpiY / 2), m_markerGap(markerGap(measure)),
          // 0.6 x 3 characters, truncated, or more where a large font's marker would reach into the margin.
          m_foodIndent(m_columns.left + std::max(m_cw * 18 / 10, markerWidth(measure) + m_markerGap)),
          m_columnGap(measure.textWidth(ReportFont::kBold, QStringLiteral("0")) / 2),
          m_ruleThickness(std::max(1, metrics.dpiY / 300))
    {
    }

    void header();
    // Fills the page from where the state stands until it is full or the day summary is on it.
    void body(ReportPrintState& state);
    ReportPage take() { return std::move(m_page); }

private:
    int printedCount() const { return static_cast<int>(m_content.printed.size()); }
    // Something that does not fit goes on the next page, unless this page's body is still empty: then it is
    // placed anyway and clipped, so that the report always moves on.
    bool pageFull(bool overflows) const { return overflows && m_bodyUsed; }

    ReportItem& leftText(ReportRole role, ReportFont font, int left, const QString& label);
    void rightText(ReportRole role, ReportFont font, int right, const QString& label);
    void centredText(ReportRole role, ReportFont font, int left, int right, const QString& label);
    // The label from left on, broken into lines no wider than right - left; returns the height of the lines
    // after the first, which the caller adds to its spacing.
    int wrappedText(ReportRole role, ReportFont font, int left, int right, const QString& label);
    // The extra height the label takes when wrapped so, without placing it.
    int wrappedExtra(ReportFont font, int width, const QString& label) const;
    // Room for a label on the line of a row of numbers: the name column, short of the first number's gap.
    int nameColumnRoom() const { return std::max(1, m_columns.nameRight - m_columnGap - m_columns.left); }
    // Such a label at the left margin, wrapped within the name column; returns the height of its further lines.
    int labelBesideValues(ReportRole role, ReportFont font, const QString& label)
    {
        return wrappedText(role, font, m_columns.left, m_columns.left + nameColumnRoom(), label);
    }
    void fileName(const QString& title);
    void rule(ReportRole role, int height);
    void values(ReportRole role, ReportFont font, const NutrientVector& values);
    void tag(int meal, int entry);

    bool mealTitle(const ReportPrintState& state);
    bool entries(ReportPrintState& state);
    bool mealTotal(const ReportPrintState& state);
    bool daySummary(ReportPrintState& state);

    const ReportContent& m_content;
    const ReportTextMeasure& m_measure;
    const ReportColumns m_columns;
    const int m_cw;
    const int m_lh;
    const int m_lg;
    const int m_bottom;
    const int m_markerGap;
    const int m_foodIndent;
    const int m_columnGap; // what keeps a column's head off its neighbour's
    const int m_ruleThickness;
    // The lines of an entry's text; entries of the same food and servings are wrapped once a page.
    const QStringList& entryLines(const ReportEntry& entry);

    int m_y = 0;
    bool m_bodyUsed = false;
    std::size_t m_tagFrom = 0;
    ReportPage m_page;
    std::map<std::tuple<std::uintptr_t, qsizetype, QString>, QStringList> m_wrapped;
};

const QStringList& PageBuilder::entryLines(const ReportEntry& entry)
{
    // Entries of one food share their name's characters, so its address tells them apart from other foods.
    const auto key =
        std::make_tuple(reinterpret_cast<std::uintptr_t>(entry.text.constData()), entry.text.size(), entry.servings);
    auto found = m_wrapped.find(key);
    if (found == m_wrapped.end()) {
        found = m_wrapped
                    .emplace(key, wrapReportText(entry.text, m_columns.nameRight - m_foodIndent, m_measure,
                                                 ReportFont::kNormal, kMaxReportEntryLines, entry.servings))
                    .first;
    }
    return found->second;
}

ReportItem& PageBuilder::leftText(ReportRole role, ReportFont font, int left, const QString& label)
{
    ReportItem item;
    item.role = role;
    item.font = font;
    item.rect = QRect(left, m_y, m_measure.textWidth(font, label), m_measure.lineHeight(font));
    item.text = label;
    m_page.items.push_back(std::move(item));
    return m_page.items.back();
}

void PageBuilder::rightText(ReportRole role, ReportFont font, int right, const QString& label)
{
    ReportItem& item = leftText(role, font, right, label);
    item.rect.moveRight(right - 1);
}

// A text wider than its span moves over, but never past the margins.
void PageBuilder::centredText(ReportRole role, ReportFont font, int left, int right, const QString& label)
{
    ReportItem& item = leftText(role, font, left, label);
    const int centred = left + (right - left - item.rect.width()) / 2;
    item.rect.moveLeft(std::max(m_columns.left, std::min(centred, m_columns.right - item.rect.width())));
}

int PageBuilder::wrappedText(ReportRole role, ReportFont font, int left, int right, const QString& label)
{
    const int lineHeight = atLeastOne(m_measure.lineHeight(font));
    // A line that fits keeps its blanks as written.
    const QStringList lines = m_measure.textWidth(font, label) <= right - left
                                  ? QStringList(label)
                                  : wrapReportText(label, right - left, m_measure, font);
    const int top = m_y;
    for (const QString& line : lines) {
        leftText(role, font, left, line);
        m_y += lineHeight;
    }
    m_y = top;
    return (static_cast<int>(lines.size()) - 1) * lineHeight;
}

int PageBuilder::wrappedExtra(ReportFont font, int width, const QString& label) const
{
    if (m_measure.textWidth(font, label) <= width) {
        return 0;
    }
    const auto lines = static_cast<int>(wrapReportText(label, width, m_measure, font).size());
    return (lines - 1) * atLeastOne(m_measure.lineHeight(font));
}

// Bars and thin lines reach one character beyond both margins.
void PageBuilder::rule(ReportRole role, int height)
{
    ReportItem item;
    item.role = role;
    item.rect = QRect(m_columns.left - m_cw, m_y, m_columns.right - m_columns.left + 2 * m_cw, atLeastOne(height));
    m_page.items.push_back(std::move(item));
}

void PageBuilder::values(ReportRole role, ReportFont font, const NutrientVector& vector)
{
    for (int k = 0; k < printedCount(); ++k) {
        const float value = vector[static_cast<std::size_t>(m_content.printed[static_cast<std::size_t>(k)])];
        rightText(role, font, m_columns.columnRight(k), QString::number(displayInteger(value)));
    }
}

// Marks the items placed since the last tag as belonging to that meal and entry.
void PageBuilder::tag(int meal, int entry)
{
    for (std::size_t i = m_tagFrom; i < m_page.items.size(); ++i) {
        m_page.items[i].meal = meal;
        m_page.items[i].entry = entry;
    }
    m_tagFrom = m_page.items.size();
}

void PageBuilder::header()
{
    m_y = 2 * m_lh;
    const QString title = toQString(LoadString(kReportTitleText));
    const int titleExtra = wrappedText(ReportRole::kTitle, ReportFont::kTitle, m_columns.left, m_columns.right, title);
    m_y += titleExtra;
    fileName(titleExtra > 0 ? QString() : title);
    m_y += std::max(m_lh * 3 / 2, m_measure.lineHeight(ReportFont::kTitle) + m_lh / 4);
    rule(ReportRole::kHeaderBar, m_lh / 4);
    m_y += m_lh / 3;

    // A head fits its column with room to spare, or its neighbour's would read as its continuation.
    const TextWidthFunction boldWidth = [this](std::string_view name) {
        return m_measure.textWidth(ReportFont::kBold, toQString(name));
    };
    for (int k = 0; k < printedCount(); ++k) {
        const int nutrient = m_content.printed[static_cast<std::size_t>(k)];
        const std::string_view name = fittingNutrientName(nutrient, m_columns.columnWidth - m_columnGap, boldWidth, 2);
        rightText(ReportRole::kColumnName, ReportFont::kBold, m_columns.columnRight(k), toQString(name));
    }
    m_y += m_lh;
    leftText(ReportRole::kFoodNameHead, ReportFont::kNormal, m_columns.left + 3 * m_cw,
             toQString(LoadString(kReportFoodNameText)));
    for (int k = 0; k < printedCount(); ++k) {
        const int nutrient = m_content.printed[static_cast<std::size_t>(k)];
        rightText(ReportRole::kColumnUnit, ReportFont::kNormal, m_columns.columnRight(k),
                  toQString(nutrientReportUnit(nutrient)));
    }
    m_y += m_lh * 4 / 3;
    rule(ReportRole::kHeaderLine, m_ruleThickness);
    m_y += m_lh;
    m_tagFrom = m_page.items.size();
}

// The file name takes what the title's last line leaves of it, a long path losing its middle; when too little
// is left, it goes on a line of its own under the title.
void PageBuilder::fileName(const QString& titleLine)
{
    const QString label = toQString(LoadString(kReportFileNameText));
    const int width = m_columns.right - m_columns.left;
    const int labelWidth = m_measure.textWidth(ReportFont::kNormal, label);
    const int besideTitle =
        titleLine.isEmpty() ? -1 : width - m_measure.textWidth(ReportFont::kTitle, titleLine) - 2 * m_cw - labelWidth;
    // Beside the title, the path keeps at least its last few characters.
    const int least = m_measure.textWidth(ReportFont::kNormal, QString(kEllipsis) + QStringLiteral("name.ypd"));
    const bool ownLine =
        besideTitle < std::min(least, m_measure.textWidth(ReportFont::kNormal, m_content.documentPath));
    const int top = m_y;
    if (ownLine) {
        m_y += atLeastOne(m_measure.lineHeight(ReportFont::kTitle));
    }
    const QString text = label + elidedInMiddle(m_content.documentPath, ownLine ? width - labelWidth : besideTitle,
                                                m_measure, ReportFont::kNormal);
    rightText(ReportRole::kFileName, ReportFont::kNormal, m_columns.right,
              elidedInMiddle(text, width, m_measure, ReportFont::kNormal));
    m_y = top + (ownLine ? atLeastOne(m_measure.lineHeight(ReportFont::kNormal)) : 0);
}

bool PageBuilder::mealTitle(const ReportPrintState& state)
{
    if (pageFull(m_bottom < m_y + 2 * m_lh)) {
        return false;
    }
    m_y += m_lh * 2 / 3;
    m_y += wrappedText(ReportRole::kMealTitle, ReportFont::kBold, m_columns.left, m_columns.right,
                       m_content.meals[static_cast<std::size_t>(state.meal)].title);
    tag(state.meal, -1);
    m_y += m_lh / 3 + m_lh;
    m_bodyUsed = true;
    return true;
}

bool PageBuilder::entries(ReportPrintState& state)
{
    const ReportMeal& meal = m_content.meals[static_cast<std::size_t>(state.meal)];
    const int textLineHeight = atLeastOne(m_measure.lineHeight(ReportFont::kNormal));
    for (; state.food < meal.entries.size(); ++state.food) {
        const ReportEntry& entry = meal.entries[state.food];
        const QStringList& lines = entryLines(entry);
        const int height = static_cast<int>(lines.size()) * textLineHeight;
        if (pageFull(m_y + height >= m_bottom)) {
            return false;
        }
        const int top = m_y;
        for (const QString& line : lines) {
            leftText(ReportRole::kEntryText, ReportFont::kNormal, m_foodIndent, line);
            m_y += textLineHeight;
        }
        m_y = top;
        values(ReportRole::kEntryValue, ReportFont::kNormal, entry.nutrients);
        const bool marked = fatWarning(entry.fatShare, m_content.fatWarningPercent, FatWarningPlace::kReport);
        rightText(ReportRole::kFatMarker, ReportFont::kNormal, m_foodIndent - m_markerGap,
                  toQString(marked ? kReportFatMarker : kReportNoFatMarker));
        state.anyFoodMarked = state.anyFoodMarked || marked;
        tag(state.meal, static_cast<int>(state.food));
        m_y = top + height + m_lg;
        m_bodyUsed = true;
    }
    return true;
}

bool PageBuilder::mealTotal(const ReportPrintState& state)
{
    const ReportMeal& meal = m_content.meals[static_cast<std::size_t>(state.meal)];
    const QString totalLabel = toQString(LoadString(kReportMealTotalText));
    const QString fatShare =
        toQString(LoadString(kReportMealFatText)) + QString::number(meal.fatShare) + toQString(kReportPercentSign);
    const int extra = wrappedExtra(ReportFont::kItalic, m_columns.right - m_columns.left, fatShare) +
                      (printedCount() > 0 ? wrappedExtra(ReportFont::kBold, nameColumnRoom(), totalLabel) : 0);
    if (pageFull(m_bottom < m_y + 3 * m_lh + extra)) {
        return false;
    }
    m_y += m_lh / 2;
    if (printedCount() > 0) {
        const int labelExtra = labelBesideValues(ReportRole::kMealTotalLabel, ReportFont::kBold, totalLabel);
        values(ReportRole::kMealTotalValue, ReportFont::kBold, meal.totals);
        m_y += labelExtra;
    }
    m_y += m_lh;
    if (m_measure.textWidth(ReportFont::kItalic, fatShare) <= m_columns.right - m_columns.left) {
        centredText(ReportRole::kMealFatShare, ReportFont::kItalic, m_foodIndent, m_columns.nameRight, fatShare);
    } else {
        m_y += wrappedText(ReportRole::kMealFatShare, ReportFont::kItalic, m_columns.left, m_columns.right, fatShare);
    }
    m_y += m_lh * 5 / 4;
    rule(ReportRole::kMealLine, m_ruleThickness);
    tag(state.meal, -1);
    m_bodyUsed = true;
    return true;
}

bool PageBuilder::daySummary(ReportPrintState& state)
{
    const int width = m_columns.right - m_columns.left;
    const QString totalLabel = toQString(LoadString(kReportDayTotalText));
    const QString fatShare = dayFatShareText(m_content.dayFatShare);
    const QString important = toQString(LoadString(kReportImportantText));
    const QString footnote = toQString(LoadString(kReportFatFootnoteText)) +
                             QString::number(m_content.fatWarningPercent) + toQString(kReportPercentSign);
    // Lines a large font wraps onto come on top of the summary's usual height.
    int extra = wrappedExtra(ReportFont::kHeavy, width, fatShare) +
                wrappedExtra(ReportFont::kSemiBold, width, important) +
                (state.anyFoodMarked ? wrappedExtra(ReportFont::kSmallItalic, width, footnote) : 0);
    if (printedCount() > 0) {
        extra += wrappedExtra(ReportFont::kHeavy, nameColumnRoom(), totalLabel);
    }
    const int needed = (state.anyFoodMarked ? 8 : 6) * m_lh + extra;
    if (pageFull(m_bottom < m_y + needed)) {
        return false;
    }
    state.dayTotalPrinted = true;
    m_y += m_lh;
    if (printedCount() > 0) {
        const int labelExtra = labelBesideValues(ReportRole::kDayTotalLabel, ReportFont::kHeavy, totalLabel);
        values(ReportRole::kDayTotalValue, ReportFont::kHeavy, m_content.dayTotals);
        m_y += labelExtra;
    }
    m_y += m_lh;
    m_y += wrappedText(ReportRole::kDayFatShare, ReportFont::kHeavy, m_columns.left, m_columns.right, fatShare);
    m_y += m_lh * 3 / 2;
    rule(ReportRole::kDayBar, m_lh / 8);
    m_y += m_lh * 3 / 2;
    m_y += wrappedText(ReportRole::kImportantNote, ReportFont::kSemiBold, m_columns.left, m_columns.right, important);
    if (state.anyFoodMarked) {
        m_y += m_lh * 3 / 2;
        m_y +=
            wrappedText(ReportRole::kFatFootnote, ReportFont::kSmallItalic, m_columns.left, m_columns.right, footnote);
    }
    m_bodyUsed = true;
    return true;
}

void PageBuilder::body(ReportPrintState& state)
{
    state.meal = std::max(state.meal, 0);
    while (state.meal < kMealCount) {
        const ReportMeal& meal = m_content.meals[static_cast<std::size_t>(state.meal)];
        if (!meal.entries.empty()) {
            if (!state.titlePrinted) {
                if (!mealTitle(state)) {
                    return;
                }
                state.titlePrinted = true;
            }
            if (!entries(state)) {
                return;
            }
            if (!state.totalPrinted) {
                if (!mealTotal(state)) {
                    return;
                }
                state.totalPrinted = true;
            }
            m_y += m_lh / 2;
        }
        ++state.meal;
        state.food = 0;
        state.titlePrinted = false;
        state.totalPrinted = false;
        if (!meal.entries.empty() && m_y >= m_bottom) {
            return;
        }
    }
    daySummary(state);
}

} // namespace

std::vector<NutrientIndex> printedNutrientList(const NutrientSelection& selection)
{
    std::vector<NutrientIndex> printed;
    for (int j = 0; j < kNutrientCount; ++j) {
        if (selection[static_cast<std::size_t>(j)]) {
            printed.push_back(static_cast<NutrientIndex>(j));
        }
    }
    return printed;
}

QString reportServingsText(float servings)
{
    return toQString(kReportServingsJoin) + servingsText(servings);
}

ReportContent reportContent(const CFofDoc& document, const FoodOperations& foods, const NutrientSelection& printed,
                            int fatWarningPercent, const QString& documentPath)
{
    ReportContent content;
    content.documentPath = documentPath;
    content.printed = printedNutrientList(printed);
    content.fatWarningPercent = fatWarningPercent;
    const DayTotals totals = computeTotals(document.meals(), foods);
    // One copy of each food's name, however often it is eaten: a day of many entries of a food with a long
    // name would otherwise hold that name once for every entry.
    std::unordered_map<FoodId, QString> names;
    for (int m = 0; m < kMealCount; ++m) {
        ReportMeal& meal = content.meals[static_cast<std::size_t>(m)];
        meal.title = toQString(mealTitle(m));
        meal.totals = totals.meal(m);
        meal.fatShare = fatShare(meal.totals);
        for (const CFood& food : document.meal(static_cast<MealIndex>(m))) {
            ReportEntry entry;
            auto name = names.find(food.foodId());
            if (name == names.end()) {
                name = names.emplace(food.foodId(), toQString(foods.displayName(food.foodId()))).first;
            }
            entry.text = name->second;
            entry.servings = reportServingsText(food.servings(foods));
            entry.nutrients = food.nutrients(foods);
            entry.fatShare = fatShare(entry.nutrients);
            meal.entries.push_back(std::move(entry));
        }
    }
    content.dayTotals = totals.day();
    content.dayFatShare = fatShare(content.dayTotals);
    return content;
}

// The number goes in by plain replacement: the text is never a format string.
QString dayFatShareText(int fatShare)
{
    QString text = toQString(LoadString(kReportDayFatText));
    const qsizetype at = text.indexOf(kDayFatPlaceholder);
    const QString number = QString::number(fatShare);
    if (at < 0) {
        return text + number;
    }
    return text.replace(at, kDayFatPlaceholder.size(), number);
}

bool isReportRule(ReportRole role)
{
    return role == ReportRole::kHeaderBar || role == ReportRole::kHeaderLine || role == ReportRole::kMealLine ||
           role == ReportRole::kDayBar;
}

int nameColumnDivisor(int printedCount)
{
    if (printedCount <= 0) {
        return kNoNumbersDivisor;
    }
    if (printedCount <= 9) {
        return 2;
    }
    if (printedCount <= 12) {
        return 3;
    }
    if (printedCount <= 15) {
        return 4;
    }
    return kMostNumbersDivisor;
}

ReportColumns reportColumns(int pageWidth, int dpiX, int printedCount)
{
    ReportColumns columns;
    columns.left = dpiX / 2;
    columns.right = pageWidth - columns.left;
    columns.nameRight = columns.right / nameColumnDivisor(printedCount);
    columns.columnWidth = printedCount > 0 ? (columns.right - columns.nameRight) / printedCount : 1;
    return columns;
}

double reportFontFit(const ReportContent& content, const ReportPageMetrics& metrics, const ReportTextMeasure& measure)
{
    const int count = static_cast<int>(content.printed.size());
    if (count == 0) {
        return 1.0;
    }
    const ReportColumns columns = reportColumns(metrics.pageWidth, metrics.dpiX, count);
    const int room = columns.columnWidth - columns.columnWidth / kColumnSpareDivisor;
    int widest = 0;
    const auto widen = [&](ReportFont font, const QString& text) {
        widest = std::max(widest, measure.textWidth(font, text));
    };
    // A number needs half a digit of blank beside it, so that neighbouring columns never read as one number.
    // Each number is measured once per font, however many entries show it.
    std::array<std::unordered_set<int>, kReportFontCount> measured;
    const auto widenValues = [&](ReportFont font, const NutrientVector& vector) {
        for (const NutrientIndex j : content.printed) {
            const int value = displayInteger(vector[std::size_t(j)]);
            if (measured[static_cast<std::size_t>(font)].insert(value).second) {
                const int gap = measure.textWidth(font, QStringLiteral("0")) / 2;
                widest = std::max(widest, measure.textWidth(font, QString::number(value)) + gap);
            }
        }
    };
    for (const NutrientIndex j : content.printed) {
        widen(ReportFont::kBold, toQString(nutrientShortestName(j)));
        widen(ReportFont::kNormal, toQString(nutrientReportUnit(j)));
    }
    for (const ReportMeal& meal : content.meals) {
        for (const ReportEntry& entry : meal.entries) {
            widenValues(ReportFont::kNormal, entry.nutrients);
        }
        if (!meal.entries.empty()) {
            widenValues(ReportFont::kBold, meal.totals);
        }
    }
    widenValues(ReportFont::kHeavy, content.dayTotals);
    if (widest <= room) {
        return 1.0;
    }
    return std::max(kMinReportFontFit, room > 0 ? static_cast<double>(room) / widest : 0.0);
}

ReportPage layoutReportPage(const ReportContent& content, const ReportPageMetrics& metrics,
                            const ReportTextMeasure& measure, ReportPrintState& state)
{
    PageBuilder builder(content, metrics, measure);
    builder.header();
    builder.body(state);
    return builder.take();
}

std::vector<ReportPage> layoutReport(const ReportContent& content, const ReportPageMetrics& metrics,
                                     const ReportTextMeasure& measure)
{
    std::vector<ReportPage> pages;
    ReportPrintState state;
    while (!state.dayTotalPrinted) {
        pages.push_back(layoutReportPage(content, metrics, measure, state));
    }
    return pages;
}

} // namespace mw::render
