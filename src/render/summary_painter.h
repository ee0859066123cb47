#pragma once

// Several days side by side: the table and the chart the summary window shows, and the same drawn on pages
// for the printer, the print preview and PDF files, all through one painter path.

#include "calc/days_summary.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace mw::render {

// Everything a summary shows, taken when it is made.
struct DaysSummaryContent
{
    DaysSummary summary;
    AnalysisGoals goals;
    GoalComparison comparison;
};

DaysSummaryContent daysSummaryContent(DaysSummary summary, const AnalysisGoals& goals);

// ---- The table ------------------------------------------------------------------------------------------

// "File", then the 28 nutrients with their panel units ("Calories (kcal)").
QStringList summaryTableHeader();

struct SummaryTableRow
{
    QString title;                                                   // the file name, the average's title or "% Goal"
    std::array<QString, kNutrientCount> cells;                       // as the panel writes them
    std::array<std::optional<IntakeLevel>, kNutrientCount> levels{}; // the % Goal row's colours
};

// One row per day, the average, then the average's % of the goal.
std::vector<SummaryTableRow> summaryTableRows(const DaysSummaryContent& content);

// ---- The chart ------------------------------------------------------------------------------------------

// What the chart draws: the calories of each day against the calorie goal, and the % goal of one nutrient.
struct SummaryChartData
{
    QStringList days;
    std::vector<float> calories;
    CalorieTarget calorieGoal;
    int nutrient = kCalcium;
    std::vector<std::optional<int>> percent;
    std::vector<std::optional<IntakeLevel>> levels;
};

SummaryChartData summaryChartData(const DaysSummaryContent& content, int nutrient);

// Where the chart puts its parts in a rectangle; bars are empty rectangles where there is nothing to draw.
struct SummaryChartGeometry
{
    QRect calorieArea;
    QRect percentArea;
    std::vector<QRect> calorieBars;
    std::vector<QRect> percentBars;
    int calorieGoalFromY = 0; // the goal band; one line when the goal is a single value
    int calorieGoalToY = 0;
    int hundredPercentY = 0;
    // The percent scale's marks: every 25 %, or every 50 % (100 %, ...) where marks that close would crowd.
    struct Tick
    {
        int percent = 0;
        int y = 0;
    };
    std::vector<Tick> percentTicks;
};

SummaryChartGeometry summaryChartGeometry(const QRect& rect, const SummaryChartData& data, int lineHeight);
// The day whose column holds the point; -1 outside the bars' areas.
int summaryChartDayAt(const SummaryChartGeometry& geometry, const QPoint& point);
// What hovering over a day shows: its name, calories against the goal and the nutrient's % goal.
QString summaryChartToolTip(const SummaryChartData& data, int day);

// The chart in the painter's current font, inside rect; the painter's state is left as it was.
void paintSummaryChart(QPainter* painter, const QRect& rect, const SummaryChartData& data);

// ---- Pages ------------------------------------------------------------------------------------------------

// Lays the summary out on pages of the given size (title, files left out, the chart of the nutrient, then
// the table with the nutrients down and the days across, as many days a page as fit, the average and
// % goal on every page) and paints pages first to last (last -1: to the end), calling newPage between two;
// a false from newPage stops. Returns the number of pages.
int paintDaysSummary(QPainter* painter, const QRect& page, const DaysSummaryContent& content, int nutrient, int first,
                     int last, const std::function<bool()>& newPage);
// The summary as a PDF file's bytes; empty when it cannot be made.
QByteArray daysSummaryPdf(const DaysSummaryContent& content, int nutrient, int* pageCount = nullptr);
// Written through a temporary file; on failure the reason goes to error (when given).
bool exportDaysSummaryPdf(const DaysSummaryContent& content, int nutrient, const QString& pdfPath, QString* error);

} // namespace mw::render
