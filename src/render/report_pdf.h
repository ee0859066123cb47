#pragma once

// The nutritional analysis of a day as pages: laid out once for a paint device and painted by the one
// painter, for the printer, the preview and PDF files alike.

#include "report_layout.h"
#include "report_painter.h"

#include "model/settings_keys.h"

#include <QByteArray>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

namespace mw {
class CFofDoc;
class FoodOperations;
class Settings;
} // namespace mw

namespace mw::render {

// Both printing and preview run at this resolution, so the preview shows the pages the printer prints.
inline constexpr int kReportPrinterResolution = 600;

// Everything a report prints, taken when printing starts.
struct DayReport
{
    ReportContent content;
    PrinterFontSetting font;
};

// The day with the print selection, the fat warning level and the printer font of the settings.
DayReport dayReport(const CFofDoc& document, const FoodOperations& foods, const Settings& settings,
                    const QString& documentPath);

// Lays the report out for the painter's device on pages of the given size and paints the pages from first
// to last (counting from 0; last -1 means to the end), calling newPage between two of them; a false from
// newPage stops the report. Returns the number of pages the report has.
// When fontSize is given, it receives the report font's chosen and printed size.
int paintDayReport(QPainter* painter, const QRect& page, const DayReport& report, int first, int last,
                   const std::function<bool()>& newPage, ReportFontSize* fontSize = nullptr);
// What to tell the user when the report prints in a smaller font than the chosen one; empty when it does not.
QString reportFontNote(const ReportFontSize& size);

// Paints every page on the painter's device, calling newPage between two of them; returns the page count.
using PagePainter = std::function<int(QPainter* painter, const QRect& page, const std::function<bool()>& newPage)>;
// The pages as the bytes of a PDF file titled title (Letter or A4 as the locale measures, no printer margins),
// and their number when pageCount is given; empty when it cannot be made.
QByteArray pagesPdf(const QString& title, const PagePainter& paintPages, int* pageCount = nullptr);

// The report as the bytes of a PDF file (Letter or A4 as the locale measures, no printer margins), its
// number of pages when pageCount is given and its font's size when fontSize is; empty when it cannot be made.
QByteArray dayReportPdf(const DayReport& report, int* pageCount = nullptr, ReportFontSize* fontSize = nullptr);
// Writes the PDF through a temporary file, so a failure leaves any old file as it was. On failure the
// reason goes to error (when given) and the result is false.
bool exportDayReportPdf(const DayReport& report, const QString& pdfPath, QString* error, int* pageCount = nullptr,
                        ReportFontSize* fontSize = nullptr);
bool exportDayReportPdf(const CFofDoc& document, const FoodOperations& foods, const Settings& settings,
                        const QString& documentPath, const QString& pdfPath, QString* error);

} // namespace mw::render
