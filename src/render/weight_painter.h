#pragma once

// The weight log as the weight window shows it, and the same drawn on pages for the printer, the print
// preview and PDF files: a chart of the weigh-ins, the trend and the ideal weight, the sentences on the
// rate, the balance and the maintenance calories, and the table of the days.

#include "calc/diary_summary.h"
#include "calc/weight_trend.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>

class QPainter;

namespace mw::render {

// Everything the window, its pages and its CSV show, taken when the log was last read.
struct WeightContent
{
    WeightLog log;
    WeightOutlook outlook;
    std::optional<int> idealWeightPounds; // of the stored caloric-need inputs
    bool kilograms = false;
    int rangeDays = 0; // the chart's last days; 0 for all
};

// The days of the trend the chart's range shows: the last rangeDays up to the last weigh-in, or all.
std::span<const WeightTrendDay> shownWeightDays(const WeightContent& content);
// "162.4 lb" or "73.7 kg".
QString weightValueText(double pounds, bool kilograms);
// The rate, the balance and the maintenance sentences; one sentence saying how to start without a weigh-in.
QStringList weightSentences(const WeightContent& content);
// Lines of the log it could not read, as "line 4: text".
QStringList unreadWeightLineTexts(const WeightContent& content);
// "2026-12-07: 162.4 lb, trend 161.9 lb" for hovering and tooltips.
QString weightDayText(const WeightTrendDay& day, bool kilograms);

// The chart of the shown days inside rect: weigh-ins as dots, the trend as a line, the ideal weight dashed.
void paintWeightChart(QPainter* painter, const QRect& rect, const WeightContent& content);

// The weight report on pages: title, chart, sentences, then the days (date, weight, trend) newest first, as
// many a page as fit. Pages first..last (last -1: to the end), newPage called between two; returns the count.
int paintWeightReport(QPainter* painter, const QRect& page, const WeightContent& content, int first, int last,
                      const std::function<bool()>& newPage);
QByteArray weightReportPdf(const WeightContent& content, int* pageCount = nullptr);
bool exportWeightReportPdf(const WeightContent& content, const QString& pdfPath, QString* error);

// The trend's days as CSV (RFC 4180): date, weight_lb, measured, trend_lb.
std::string weightTrendCsv(const WeightTrend& trend);

} // namespace mw::render
