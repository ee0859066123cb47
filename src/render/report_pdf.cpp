#include "report_pdf.h"

#include "qt_bridge.h"
#include "report_painter.h"
#include "report_texts.h"

#include "format/atomic_file.h"
#include "model/day_document.h"
#include "model/settings.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace mw::render {
namespace {

QPageSize localePaperSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                              : QPageSize(QPageSize::A4);
}

void setError(QString* error, const QString& text)
{
    if (error != nullptr) {
        *error = text;
    }
}

} // namespace

DayReport dayReport(const CFofDoc& document, const FoodOperations& foods, const Settings& settings,
                    const QString& documentPath)
{
    DayReport report;
    report.content =
        reportContent(document, foods, printedNutrients(settings), fatWarningPercent(settings), documentPath);
    report.font = printerFont(settings);
    return report;
}

int paintDayReport(QPainter* painter, const QRect& page, const DayReport& report, int first, int last,
                   const std::function<bool()>& newPage, ReportFontSize* fontSize)
{
    const QPaintDevice* device = painter->device();
    const ReportPageMetrics metrics = reportPageMetrics(page.size(), device);
    const ReportFontSet fonts = fittedReportFonts(report.content, report.font, metrics, device);
    if (fontSize != nullptr) {
        *fontSize = reportFontSize(report.font, metrics, fonts);
    }
    const DeviceTextMeasure measure(fonts, device);
    // Page by page, each dropped once painted: a day of many entries never holds all its pages at once.
    first = std::max(first, 0);
    bool painting = true;
    int count = 0;
    for (ReportPrintState state; !state.dayTotalPrinted; ++count) {
        const ReportPage laidOut = layoutReportPage(report.content, metrics, measure, state);
        if (painting && count >= first && (last < 0 || count <= last)) {
            painting = count == first || newPage();
            if (painting) {
                paintReportPage(painter, page, laidOut, fonts);
            }
        }
    }
    return count;
}

QString reportFontNote(const ReportFontSize& size)
{
    if (!size.shrunk()) {
        return {};
    }
    const auto points = [](double value) { return QString::number(std::round(value * 2) / 2, 'g', 4); };
    return toQString(kReportFontShrunk).arg(points(size.chosenPoints), points(size.printedPoints));
}

QByteArray pagesPdf(const QString& title, const PagePainter& paintPages, int* pageCount)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kReportPrinterResolution);
        writer.setPageLayout(QPageLayout(localePaperSize(), QPageLayout::Portrait, QMarginsF()));
        writer.setCreator(QStringLiteral("Mealwright"));
        writer.setTitle(title);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {};
        }
        const QRect page(0, 0, writer.width(), writer.height());
        const int pages = paintPages(&painter, page, [&writer] { return writer.newPage(); });
        if (!painter.end()) {
            return {};
        }
        if (pageCount != nullptr) {
            *pageCount = pages;
        }
    }
    return buffer.data();
}

QByteArray dayReportPdf(const DayReport& report, int* pageCount, ReportFontSize* fontSize)
{
    return pagesPdf(
        toQString(LoadString(kReportTitleText)),
        [&report, fontSize](QPainter* painter, const QRect& page, const std::function<bool()>& newPage) {
            return paintDayReport(painter, page, report, 0, -1, newPage, fontSize);
        },
        pageCount);
}

bool exportDayReportPdf(const DayReport& report, const QString& pdfPath, QString* error, int* pageCount,
                        ReportFontSize* fontSize)
{
    const QByteArray pdf = dayReportPdf(report, pageCount, fontSize);
    if (pdf.isEmpty()) {
        setError(error, toQString(kPdfNotDrawn).arg(pdfPath));
        return false;
    }
    const std::string_view bytes(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    if (const std::error_code failure = writeOutputFile(toPath(pdfPath), bytes)) {
        setError(error, toQString(kPdfNotWritten).arg(pdfPath, toQString(describeSaveError(failure))));
        return false;
    }
    return true;
}

bool exportDayReportPdf(const CFofDoc& document, const FoodOperations& foods, const Settings& settings,
                        const QString& documentPath, const QString& pdfPath, QString* error)
{
    return exportDayReportPdf(dayReport(document, foods, settings, documentPath), pdfPath, error);
}

} // namespace mw::render
