#pragma once

// Printing, previewing and exporting the nutritional analysis of a day. The day and the settings are read
// once when printing starts; the pages then come from the one layout and painter.

#include "report_layout.h"

#include "model/settings_keys.h"

#include <QByteArray>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace mw {
class CFofDoc;
class FoodOperations;
class Settings;
} // namespace mw

namespace mw::gui {

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
int paintDayReport(QPainter* painter, const QRect& page, const DayReport& report, int first, int last,
                   const std::function<bool()>& newPage);

// A printer set up for the report: high resolution, at kReportPrinterResolution.
std::unique_ptr<QPrinter> makeReportPrinter();
// Prints on a printer the user has set up (the print dialog's page range is honoured). False when the
// printer cannot be started.
bool printDayReport(QPrinter* printer, const DayReport& report);
bool printDayReport(QPrinter* printer, const CFofDoc& document, const FoodOperations& foods, const Settings& settings,
                    const QString& documentPath);

// The report as the bytes of a PDF file (Letter or A4 as the locale measures, no printer margins), and its
// number of pages when pageCount is given; empty when it cannot be made.
QByteArray dayReportPdf(const DayReport& report, int* pageCount = nullptr);
// Writes the PDF through a temporary file, so a failure leaves any old file as it was. On failure the
// reason goes to error (when given) and the result is false.
bool exportDayReportPdf(const DayReport& report, const QString& pdfPath, QString* error, int* pageCount = nullptr);
bool exportDayReportPdf(const CFofDoc& document, const FoodOperations& foods, const Settings& settings,
                        const QString& documentPath, const QString& pdfPath, QString* error);

// A print preview of the report showing its pages side by side; it keeps its own copy of the report and
// its own printer, prints from its toolbar, and deletes itself when closed. The caller opens it.
QPrintPreviewDialog* createDayReportPreview(const DayReport& report, QWidget* parent);

// Why no printer font can be chosen: "Cannot get printer device defaults." without a default printer;
// empty when there is one.
QString printerFontProblem();

} // namespace mw::gui
