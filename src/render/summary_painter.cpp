#include "summary_painter.h"

#include "analysis_panel_painter.h"
#include "qt_bridge.h"
#include "report_pdf.h"
#include "report_texts.h"

#include "format/atomic_file.h"
#include "model/catalogue.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace mw::render {
namespace {

const QColor kCalorieBarColor(70, 130, 180);
const QColor kGoalBandColor(0, 200, 0, 60);
const QColor kGoalLineColor(0, 140, 0);
const QColor kAxisColor(96, 96, 96);

// The scale's top leaves room above the tallest bar and the goal.
double scaleTop(double largest)
{
    return largest > 0.0 ? largest * 1.15 : 1.0;
}

// Marks of the percent scale are a label's height apart at least: 25 % where there is room, else 50 %, else
// 100 %, 200 %, ...
int percentTickStep(int height, double top, int lineHeight)
{
    const double pixelsPerPercent = top > 0.0 ? height / top : 0.0;
    constexpr int kFinest = 25;
    constexpr int kCoarse = 50;
    if (pixelsPerPercent * kFinest >= lineHeight) {
        return kFinest;
    }
    int step = kCoarse;
    while (pixelsPerPercent * step < lineHeight && step < top) {
        step *= 2;
    }
    return step;
}

int yOf(const QRect& area, double value, double top)
{
    const double fraction = std::clamp(value / top, 0.0, 1.0);
    return area.bottom() + 1 - static_cast<int>(std::lround(fraction * area.height()));
}

QRect slotOf(const QRect& area, std::size_t day, std::size_t count)
{
    const double width = static_cast<double>(area.width()) / static_cast<double>(std::max<std::size_t>(count, 1));
    const int left = area.left() + static_cast<int>(width * static_cast<double>(day));
    const int right = area.left() + static_cast<int>(width * static_cast<double>(day + 1));
    return QRect(left, area.top(), std::max(right - left, 1), area.height());
}

// A bar in the middle of its slot, rising from the area's bottom to y.
QRect barOf(const QRect& slot, int y, const QRect& area)
{
    const int gap = slot.width() >= 6 ? slot.width() / 6 : 0;
    return QRect(QPoint(slot.left() + gap, y), QPoint(slot.right() - gap, area.bottom()));
}

QString cellText(double value)
{
    return panelValueText(static_cast<float>(value)).trimmed();
}

QString nutrientTitle(int nutrient)
{
    return toQString(nutrientLongName(nutrient));
}

QString percentCaption(int nutrient)
{
    return QCoreApplication::translate("Mealwright", "%1: % of goal per day").arg(nutrientTitle(nutrient));
}

void drawAxes(QPainter* painter, const QRect& area)
{
    painter->setPen(kAxisColor);
    painter->drawLine(area.bottomLeft(), area.bottomRight());
    painter->drawLine(area.bottomLeft(), area.topLeft());
}

QFont pageFont(const QPaintDevice* device, double points)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(points);
    return QFont(font, device);
}

} // namespace

DaysSummaryContent daysSummaryContent(DaysSummary summary, const AnalysisGoals& goals)
{
    DaysSummaryContent content{std::move(summary), goals, {}};
    content.comparison = compareWithGoals(content.summary.average, goals);
    return content;
}

// ---- The table ----------------------------------------------------------------------------------------------

QStringList summaryTableHeader()
{
    QStringList header{QCoreApplication::translate("Mealwright", "File")};
    for (int n = 0; n < kNutrientCount; ++n) {
        header.append(QStringLiteral("%1 (%2)").arg(nutrientTitle(n), toQString(nutrientPanelUnit(n))));
    }
    return header;
}

std::vector<SummaryTableRow> summaryTableRows(const DaysSummaryContent& content)
{
    std::vector<SummaryTableRow> rows;
    rows.reserve(content.summary.days.size() + 2);
    for (const SummaryDay& day : content.summary.days) {
        SummaryTableRow row{toQString(summaryDayName(day)), {}, {}};
        for (std::size_t n = 0; n < NutrientVector::size(); ++n) {
            row.cells[n] = cellText(day.totals[n]);
        }
        rows.push_back(std::move(row));
    }
    SummaryTableRow average{toQString(averageTitle(content.summary.dayCount())), {}, {}};
    SummaryTableRow percent{QCoreApplication::translate("Mealwright", "% Goal"), {}, content.comparison.level};
    for (std::size_t n = 0; n < NutrientVector::size(); ++n) {
        average.cells[n] = content.summary.days.empty() ? QString() : cellText(content.summary.average[n]);
        percent.cells[n] = content.summary.days.empty() ? QString() : panelPercentText(content.comparison.percent[n]);
    }
    if (content.summary.days.empty()) {
        percent.levels = {};
    }
    rows.push_back(std::move(average));
    rows.push_back(std::move(percent));
    return rows;
}

// ---- The chart ----------------------------------------------------------------------------------------------

SummaryChartData summaryChartData(const DaysSummaryContent& content, int nutrient)
{
    SummaryChartData data;
    data.nutrient = nutrient;
    data.calorieGoal = calorieTarget(content.goals);
    for (const SummaryDay& day : content.summary.days) {
        data.days.append(toQString(summaryDayName(day)));
        data.calories.push_back(day.totals[kCalories]);
        data.percent.push_back(dayPercentOfGoal(day.totals, nutrient, content.goals));
        data.levels.push_back(intakeLevel(day.totals, nutrient, content.goals));
    }
    return data;
}

SummaryChartGeometry summaryChartGeometry(const QRect& rect, const SummaryChartData& data, int lineHeight)
{
    SummaryChartGeometry geometry;
    // Each half: a caption line above, the day names below, room for the scale on the left.
    const int left = rect.left() + lineHeight * 3;
    const int half = rect.height() / 2;
    geometry.calorieArea = QRect(QPoint(left, rect.top() + lineHeight), QPoint(rect.right(), rect.top() + half - 1));
    geometry.calorieArea.setBottom(geometry.calorieArea.bottom() - lineHeight);
    geometry.percentArea =
        QRect(QPoint(left, rect.top() + half + lineHeight), QPoint(rect.right(), rect.bottom() - lineHeight));

    double largest = data.calorieGoal.to;
    for (const float calories : data.calories) {
        largest = std::max(largest, static_cast<double>(calories));
    }
    const double calorieTop = scaleTop(largest);
    int largestPercent = 100;
    for (const std::optional<int>& percent : data.percent) {
        largestPercent = std::max(largestPercent, percent.value_or(0));
    }
    const double percentTop = scaleTop(largestPercent);

    const std::size_t count = data.calories.size();
    for (std::size_t day = 0; day < count; ++day) {
        const QRect calorieSlot = slotOf(geometry.calorieArea, day, count);
        const double calories = std::max(0.0, static_cast<double>(data.calories[day]));
        geometry.calorieBars.push_back(
            calories > 0.0 ? barOf(calorieSlot, yOf(geometry.calorieArea, calories, calorieTop), geometry.calorieArea)
                           : QRect());
        const QRect percentSlot = slotOf(geometry.percentArea, day, count);
        const int percent = std::max(0, data.percent[day].value_or(0));
        geometry.percentBars.push_back(
            percent > 0 ? barOf(percentSlot, yOf(geometry.percentArea, percent, percentTop), geometry.percentArea)
                        : QRect());
    }
    geometry.calorieGoalFromY = yOf(geometry.calorieArea, data.calorieGoal.from, calorieTop);
    geometry.calorieGoalToY = yOf(geometry.calorieArea, data.calorieGoal.to, calorieTop);
    geometry.hundredPercentY = yOf(geometry.percentArea, 100.0, percentTop);
    const int step = percentTickStep(geometry.percentArea.height(), percentTop, lineHeight);
    for (int percent = step; percent <= percentTop; percent += step) {
        geometry.percentTicks.push_back({percent, yOf(geometry.percentArea, percent, percentTop)});
    }
    return geometry;
}

int summaryChartDayAt(const SummaryChartGeometry& geometry, const QPoint& point)
{
    const std::size_t count = geometry.calorieBars.size();
    for (const QRect& area : {geometry.calorieArea, geometry.percentArea}) {
        if (area.contains(point) && count > 0) {
            const double width = static_cast<double>(area.width()) / static_cast<double>(count);
            const auto day = static_cast<int>(static_cast<double>(point.x() - area.left()) / width);
            return std::clamp(day, 0, static_cast<int>(count) - 1);
        }
    }
    return -1;
}

QString summaryChartToolTip(const SummaryChartData& data, int day)
{
    if (day < 0 || day >= static_cast<int>(data.calories.size())) {
        return {};
    }
    const auto slot = static_cast<std::size_t>(day);
    const CalorieTarget& goal = data.calorieGoal;
    const QString goalText = goal.from == goal.to
                                 ? cellText(goal.to)
                                 : QStringLiteral("%1 - %2").arg(cellText(goal.from), cellText(goal.to));
    const std::optional<int> percent = data.percent[slot];
    return QCoreApplication::translate("Mealwright", "%1\n%2 kcal (goal %3 kcal)\n%4: %5")
        .arg(data.days.at(day), cellText(data.calories[slot]), goalText, nutrientTitle(data.nutrient),
             percent ? QStringLiteral("%1 % of goal").arg(*percent)
                     : QCoreApplication::translate("Mealwright", "no goal"));
}

void paintSummaryChart(QPainter* painter, const QRect& rect, const SummaryChartData& data)
{
    painter->save();
    painter->setClipRect(rect);
    const QFontMetrics metrics(painter->font(), painter->device());
    const int line = metrics.height();
    const SummaryChartGeometry geometry = summaryChartGeometry(rect, data, line);
    const std::size_t count = data.calories.size();

    painter->setPen(Qt::black);
    painter->drawText(QRect(rect.left(), rect.top(), rect.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                      QCoreApplication::translate("Mealwright", "Calories per day (kcal)"));
    painter->drawText(QRect(rect.left(), geometry.percentArea.top() - line, rect.width(), line),
                      Qt::AlignLeft | Qt::AlignVCenter, percentCaption(data.nutrient));

    // The calorie goal: a band for a range, a line for a single value.
    const QRect& calories = geometry.calorieArea;
    if (geometry.calorieGoalFromY != geometry.calorieGoalToY) {
        painter->fillRect(QRect(QPoint(calories.left(), geometry.calorieGoalToY),
                                QPoint(calories.right(), geometry.calorieGoalFromY)),
                          kGoalBandColor);
    }
    for (std::size_t day = 0; day < count; ++day) {
        painter->fillRect(geometry.calorieBars[day], kCalorieBarColor);
        const std::optional<IntakeLevel> level = data.levels[day];
        painter->fillRect(geometry.percentBars[day], level ? percentBarColor(level) : kCalorieBarColor);
        painter->setPen(kAxisColor);
        if (!geometry.percentBars[day].isEmpty()) {
            painter->drawRect(geometry.percentBars[day].adjusted(0, 0, -1, -1));
        }
    }
    QPen goalPen(kGoalLineColor);
    goalPen.setWidth(std::max(1, line / 8));
    goalPen.setStyle(Qt::DashLine);
    painter->setPen(goalPen);
    painter->drawLine(calories.left(), geometry.calorieGoalToY, calories.right(), geometry.calorieGoalToY);
    painter->drawLine(calories.left(), geometry.calorieGoalFromY, calories.right(), geometry.calorieGoalFromY);
    const QRect& percents = geometry.percentArea;
    painter->drawLine(percents.left(), geometry.hundredPercentY, percents.right(), geometry.hundredPercentY);
    drawAxes(painter, calories);
    drawAxes(painter, percents);

    // Scale labels on the left, day names below as far as there is room for them.
    painter->setPen(Qt::black);
    const int labelWidth = calories.left() - rect.left() - line / 4;
    const auto scaleLabel = [&](int y, const QString& text) {
        painter->drawText(QRect(rect.left(), y - line / 2, labelWidth, line), Qt::AlignRight | Qt::AlignVCenter, text);
    };
    scaleLabel(geometry.calorieGoalToY, cellText(data.calorieGoal.to));
    if (geometry.calorieGoalFromY - geometry.calorieGoalToY >= line) {
        scaleLabel(geometry.calorieGoalFromY, cellText(data.calorieGoal.from));
    }
    const int tickLength = std::max(2, line / 4);
    for (const SummaryChartGeometry::Tick& tick : geometry.percentTicks) {
        painter->setPen(kAxisColor);
        painter->drawLine(percents.left() - tickLength, tick.y, percents.left(), tick.y);
        painter->setPen(Qt::black);
        scaleLabel(tick.y, QStringLiteral("%1%").arg(tick.percent));
    }
    if (geometry.percentTicks.empty() || geometry.percentTicks.front().percent > 100) {
        scaleLabel(geometry.hundredPercentY, QStringLiteral("100%"));
    }
    scaleLabel(calories.bottom(), QStringLiteral("0"));
    scaleLabel(percents.bottom(), QStringLiteral("0%"));
    const int widest = count > 0 ? slotOf(calories, 0, count).width() : 0;
    const int every = widest >= metrics.horizontalAdvance(QStringLiteral("Mon 00"))
                          ? 1
                          : static_cast<int>(std::ceil(metrics.horizontalAdvance(QStringLiteral("Mon 00")) /
                                                       std::max(1.0, static_cast<double>(widest))));
    for (std::size_t day = 0; day < count; day += static_cast<std::size_t>(every)) {
        for (const QRect& area : {calories, percents}) {
            const QRect slot = slotOf(area, day, count);
            const QRect label(slot.left(), area.bottom() + 1, slot.width() * every, line);
            painter->drawText(
                label, Qt::AlignHCenter | Qt::AlignTop,
                metrics.elidedText(data.days.at(static_cast<qsizetype>(day)), Qt::ElideMiddle, label.width()));
        }
    }
    painter->restore();
}

// ---- Pages --------------------------------------------------------------------------------------------------

namespace {

struct PageMetrics
{
    QRect body;
    int line = 0;
    int nameWidth = 0;
    int dayWidth = 0;
    int numberWidth = 0;
    int unitWidth = 0;
    int daysPerPage = 1;
};

PageMetrics pageMetrics(const QRect& page, const QFontMetrics& metrics, const std::vector<SummaryDay>& days)
{
    PageMetrics m;
    const int margin = page.width() / 17;
    m.body = page.adjusted(margin, margin, -margin, -margin);
    m.line = metrics.height();
    for (int n = 0; n < kNutrientCount; ++n) {
        m.nameWidth = std::max(m.nameWidth, metrics.horizontalAdvance(nutrientTitle(n)));
        m.unitWidth = std::max(m.unitWidth, metrics.horizontalAdvance(toQString(nutrientPanelUnit(n))));
    }
    m.nameWidth += m.line;
    m.unitWidth += m.line / 2;
    m.numberWidth = metrics.horizontalAdvance(QCoreApplication::translate("Mealwright", "% Goal")) + m.line;
    m.dayWidth = metrics.horizontalAdvance(QStringLiteral("000000"));
    for (const SummaryDay& day : days) {
        // Long names are cut in the middle rather than taking the room of other days.
        const int name = metrics.horizontalAdvance(toQString(summaryDayName(day)));
        m.dayWidth = std::max(m.dayWidth, std::min(name, metrics.horizontalAdvance(QStringLiteral("0000000000000"))));
    }
    m.dayWidth += m.line / 2;
    const int room = m.body.width() - m.nameWidth - 2 * m.numberWidth - m.unitWidth;
    m.daysPerPage = std::max(1, room / m.dayWidth);
    m.daysPerPage = std::min<int>(m.daysPerPage, std::max<int>(1, static_cast<int>(days.size())));
    return m;
}

// The nutrients down, days first to first + count across, then the average, % goal and unit.
void paintTable(QPainter* painter, const QRect& area, const PageMetrics& m, const DaysSummaryContent& content,
                std::size_t first, std::size_t count)
{
    const QFontMetrics metrics(painter->font(), painter->device());
    const auto cell = [&](int x, int y, int width, const QString& text, Qt::Alignment align) {
        painter->drawText(QRect(x, y, width - m.line / 4, m.line), align | Qt::AlignVCenter,
                          metrics.elidedText(text, Qt::ElideMiddle, width - m.line / 4));
    };
    int x = area.left() + m.nameWidth;
    int y = area.top();
    painter->setPen(Qt::black);
    cell(area.left(), y, m.nameWidth, QCoreApplication::translate("Mealwright", "Nutrient"), Qt::AlignLeft);
    for (std::size_t d = first; d < first + count; ++d) {
        cell(x, y, m.dayWidth, toQString(summaryDayName(content.summary.days[d])), Qt::AlignRight);
        x += m.dayWidth;
    }
    cell(x, y, m.numberWidth, QCoreApplication::translate("Mealwright", "Average"), Qt::AlignRight);
    cell(x + m.numberWidth, y, m.numberWidth, QCoreApplication::translate("Mealwright", "% Goal"), Qt::AlignRight);
    cell(x + 2 * m.numberWidth + m.line / 2, y, m.unitWidth, QStringLiteral("Unit"), Qt::AlignLeft);
    painter->drawLine(area.left(), y + m.line, x + 2 * m.numberWidth + m.unitWidth, y + m.line);
    for (int n = 0; n < kNutrientCount; ++n) {
        const auto slot = static_cast<std::size_t>(n);
        y += m.line;
        if (n % 2 == 1) {
            painter->fillRect(QRect(area.left(), y, x + 2 * m.numberWidth + m.unitWidth - area.left(), m.line),
                              QColor(238, 238, 238));
        }
        cell(area.left(), y, m.nameWidth, nutrientTitle(n), Qt::AlignLeft);
        int dx = area.left() + m.nameWidth;
        for (std::size_t d = first; d < first + count; ++d) {
            cell(dx, y, m.dayWidth, cellText(content.summary.days[d].totals[slot]), Qt::AlignRight);
            dx += m.dayWidth;
        }
        cell(x, y, m.numberWidth, cellText(content.summary.average[slot]), Qt::AlignRight);
        if (const std::optional<IntakeLevel> level = content.comparison.level[slot];
            level && content.comparison.percent[slot]) {
            painter->fillRect(QRect(x + m.numberWidth + m.line / 4, y, m.numberWidth - m.line / 4, m.line),
                              percentBarColor(level));
        }
        cell(x + m.numberWidth, y, m.numberWidth, panelPercentText(content.comparison.percent[slot]), Qt::AlignRight);
        cell(x + 2 * m.numberWidth + m.line / 2, y, m.unitWidth, toQString(nutrientPanelUnit(n)), Qt::AlignLeft);
    }
}

} // namespace

int paintDaysSummary(QPainter* painter, const QRect& page, const DaysSummaryContent& content, int nutrient, int first,
                     int last, const std::function<bool()>& newPage)
{
    painter->save();
    painter->setFont(pageFont(painter->device(), 9.0));
    const QFontMetrics metrics(painter->font(), painter->device());
    const std::size_t days = content.summary.dayCount();
    const PageMetrics m = pageMetrics(page, metrics, content.summary.days);
    const auto perPage = static_cast<std::size_t>(m.daysPerPage);
    const int count = std::max(1, static_cast<int>((days + perPage - 1) / perPage));
    const int end = last < 0 || last >= count ? count - 1 : last;
    const int tableHeight = (kNutrientCount + 1) * m.line;
    for (int i = std::max(first, 0); i <= end; ++i) {
        if (i > std::max(first, 0) && !newPage()) {
            break;
        }
        int y = m.body.top();
        if (i == 0) {
            // The title, the files left out and the chart head the first page.
            QFont bold = painter->font();
            bold.setBold(true);
            painter->save();
            painter->setFont(bold);
            painter->setPen(Qt::black);
            painter->drawText(
                QRect(m.body.left(), y, m.body.width(), m.line), Qt::AlignLeft | Qt::AlignVCenter,
                QCoreApplication::translate("Mealwright", "Days summary: %1").arg(toQString(averageTitle(days))));
            painter->restore();
            y += m.line * 3 / 2;
            for (const UnreadableDay& unreadable : content.summary.unreadable) {
                painter->drawText(QRect(m.body.left(), y, m.body.width(), m.line), Qt::AlignLeft | Qt::AlignVCenter,
                                  QCoreApplication::translate("Mealwright", "Left out: %1")
                                      .arg(toQString(unreadableDayText(unreadable))));
                y += m.line;
            }
            const int chartHeight = std::max(m.line * 8, m.body.bottom() - y - tableHeight - m.line * 2);
            paintSummaryChart(painter, QRect(m.body.left(), y, m.body.width(), chartHeight),
                              summaryChartData(content, nutrient));
            y += chartHeight + m.line;
        }
        const std::size_t firstDay = static_cast<std::size_t>(i) * perPage;
        paintTable(painter, QRect(m.body.left(), y, m.body.width(), tableHeight), m, content, firstDay,
                   days == 0 ? 0 : std::min(perPage, days - firstDay));
        painter->drawText(QRect(m.body.left(), m.body.bottom() - m.line, m.body.width(), m.line),
                          Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1 of %2").arg(i + 1).arg(count));
    }
    painter->restore();
    return count;
}

QByteArray daysSummaryPdf(const DaysSummaryContent& content, int nutrient, int* pageCount)
{
    return pagesPdf(
        QCoreApplication::translate("Mealwright", "Days summary"),
        [&](QPainter* painter, const QRect& page, const std::function<bool()>& newPage) {
            return paintDaysSummary(painter, page, content, nutrient, 0, -1, newPage);
        },
        pageCount);
}

bool exportDaysSummaryPdf(const DaysSummaryContent& content, int nutrient, const QString& pdfPath, QString* error)
{
    const QByteArray pdf = daysSummaryPdf(content, nutrient);
    QString failure;
    if (pdf.isEmpty()) {
        failure = QStringLiteral("%1: the summary could not be drawn as a PDF").arg(pdfPath);
    } else if (const std::error_code written = writeFileAtomically(
                   toPath(pdfPath), std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())))) {
        failure = toQString(kPdfNotWritten).arg(pdfPath, toQString(written.message()));
    }
    if (error != nullptr) {
        *error = failure;
    }
    return failure.isEmpty();
}

} // namespace mw::render
