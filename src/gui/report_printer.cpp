#include "report_printer.h"

#include "qt_bridge.h"
#include "report_painter.h"
#include "report_texts.h"

#include "format/atomic_file.h"
#include "model/day_document.h"
#include "model/settings.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <string_view>

namespace mw::gui {

namespace {

// Pages of the paint area's size, with the painter's origin at its top-left corner.
QRect printerPage(const QPrinter& printer)
{
    return QRect(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
}

QPageSize localePaperSize()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                              : QPageSize(QPageSize::A4);
}

// Pages side by side, through the dialog's own toolbar action so that its buttons show the mode.
void showAllPages(QPrintPreviewDialog* dialog, QPrintPreviewWidget* preview)
{
    const QString overview = QCoreApplication::translate("QPrintPreviewDialog", "Show overview of all pages");
    const QList<QAction*> actions = dialog->findChildren<QAction*>();
    const auto action =
        std::find_if(actions.begin(), actions.end(), [&overview](const QAction* a) { return a->text() == overview; });
    if (action != actions.end()) {
        (*action)->trigger();
    } else {
        preview->setViewMode(QPrintPreviewWidget::AllPagesView);
    }
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
                   const std::function<bool()>& newPage)
{
    const QPaintDevice* device = painter->device();
    const ReportPageMetrics metrics = reportPageMetrics(page.size(), device);
    const ReportFontSet fonts = fittedReportFonts(report.content, report.font, metrics, device);
    const DeviceTextMeasure measure(fonts, device);
    const std::vector<ReportPage> pages = layoutReport(report.content, metrics, measure);
    const int count = static_cast<int>(pages.size());
    const int end = last < 0 || last >= count ? count - 1 : last;
    for (int i = std::max(first, 0); i <= end; ++i) {
        if (i > std::max(first, 0) && !newPage()) {
            break;
        }
        paintReportPage(painter, page, pages[static_cast<std::size_t>(i)], fonts);
    }
    return count;
}

std::unique_ptr<QPrinter> makeReportPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setResolution(kReportPrinterResolution);
    return printer;
}

bool printDayReport(QPrinter* printer, const DayReport& report)
{
    QPainter painter;
    if (!painter.begin(printer)) {
        return false;
    }
    // The print dialog numbers pages from 1; 0 means all of them.
    const int first = printer->fromPage() > 0 ? printer->fromPage() - 1 : 0;
    const int last = printer->toPage() > 0 ? printer->toPage() - 1 : -1;
    paintDayReport(&painter, printerPage(*printer), report, first, last, [printer] { return printer->newPage(); });
    return painter.end();
}

bool printDayReport(QPrinter* printer, const CFofDoc& document, const FoodOperations& foods, const Settings& settings,
                    const QString& documentPath)
{
    return printDayReport(printer, dayReport(document, foods, settings, documentPath));
}

QByteArray dayReportPdf(const DayReport& report, int* pageCount)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kReportPrinterResolution);
        writer.setPageLayout(QPageLayout(localePaperSize(), QPageLayout::Portrait, QMarginsF()));
        writer.setCreator(QStringLiteral("Mealwright"));
        writer.setTitle(toQString(LoadString(kReportTitleText)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {};
        }
        const QRect page(0, 0, writer.width(), writer.height());
        const int pages = paintDayReport(&painter, page, report, 0, -1, [&writer] { return writer.newPage(); });
        if (!painter.end()) {
            return {};
        }
        if (pageCount != nullptr) {
            *pageCount = pages;
        }
    }
    return buffer.data();
}

bool exportDayReportPdf(const DayReport& report, const QString& pdfPath, QString* error, int* pageCount)
{
    const QByteArray pdf = dayReportPdf(report, pageCount);
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

QPrintPreviewDialog* createDayReportPreview(const DayReport& report, QWidget* parent)
{
    auto* dialog = new QPrintPreviewDialog(parent);
    dialog->setObjectName(QStringLiteral("reportPreviewDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->printer()->setResolution(kReportPrinterResolution);
    if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
        preview->setObjectName(QStringLiteral("reportPreview"));
        // The overview fits the pages into the window, so it waits until they are drawn.
        QObject::connect(
            preview, &QPrintPreviewWidget::previewChanged, dialog, [dialog, preview] { showAllPages(dialog, preview); },
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [report](QPrinter* printer) { printDayReport(printer, report); });
    return dialog;
}

QString printerFontProblem()
{
    if (QPrinterInfo::defaultPrinter().isNull()) {
        return toQString(LoadString(kNoPrinterDefaultsText));
    }
    return {};
}

} // namespace mw::gui
