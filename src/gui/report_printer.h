#pragma once

// Printing and previewing the nutritional analysis of a day. The day and the settings are read once when
// printing starts; the pages then come from the one layout and painter.

#include "report_pdf.h"

#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace mw::gui {

// A printer set up for the report: high resolution, at kReportPrinterResolution.
std::unique_ptr<QPrinter> makeReportPrinter();
// Prints on a printer the user has set up (the print dialog's page range is honoured). False when the
// printer cannot be started. When fontSize is given, it receives the font's chosen and printed size.
bool printDayReport(QPrinter* printer, const render::DayReport& report, render::ReportFontSize* fontSize = nullptr);
bool printDayReport(QPrinter* printer, const CFofDoc& document, const FoodOperations& foods, const Settings& settings,
                    const QString& documentPath);

// A print preview of the report showing its pages side by side; it keeps its own copy of the report and
// its own printer, prints from its toolbar, and deletes itself when closed. The caller opens it.
QPrintPreviewDialog* createDayReportPreview(const render::DayReport& report, QWidget* parent);

// Why no printer font can be chosen: "Cannot get printer device defaults." without a default printer;
// empty when there is one.
QString printerFontProblem();

} // namespace mw::gui
