#include "report_printer.h"

#include "qt_bridge.h"
#include "report_painter.h"
#include "report_texts.h"

#include "model/day_document.h"
#include "model/settings.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace mw::gui {

namespace {

// Pages of the paint area's size, with the painter's origin at its top-left corner.
QRect printerPage(const QPrinter& printer)
{
    return QRect(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
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

} // namespace

std::unique_ptr<QPrinter> makeReportPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setResolution(render::kReportPrinterResolution);
    return printer;
}

bool printDayReport(QPrinter* printer, const render::DayReport& report, render::ReportFontSize* fontSize)
{
    QPainter painter;
    if (!painter.begin(printer)) {
        return false;
    }
    // The print dialog numbers pages from 1; 0 means all of them.
    const int first = printer->fromPage() > 0 ? printer->fromPage() - 1 : 0;
    const int last = printer->toPage() > 0 ? printer->toPage() - 1 : -1;
    render::paintDayReport(
        &painter, printerPage(*printer), report, first, last, [printer] { return printer->newPage(); }, fontSize);
    return painter.end();
}

bool printDayReport(QPrinter* printer, const CFofDoc& document, const FoodOperations& foods, const Settings& settings,
                    const QString& documentPath)
{
    return printDayReport(printer, render::dayReport(document, foods, settings, documentPath));
}

QPrintPreviewDialog* createDayReportPreview(const render::DayReport& report, QWidget* parent)
{
    auto* dialog = new QPrintPreviewDialog(parent);
    dialog->setObjectName(QStringLiteral("reportPreviewDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->printer()->setResolution(render::kReportPrinterResolution);
    if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
        preview->setObjectName(QStringLiteral("reportPreview"));
        // The overview fits the pages into the window, so it waits until they are drawn.
        QObject::connect(
            preview, &QPrintPreviewWidget::previewChanged, dialog, [dialog, preview] { showAllPages(dialog, preview); },
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    // Under the pages, a note when the chosen font had to shrink; the page set up in the preview decides it.
    auto* note = new QLabel(dialog);
    note->setObjectName(QStringLiteral("reportFontNote"));
    note->setWordWrap(true);
    note->hide();
    if (dialog->layout() != nullptr) {
        dialog->layout()->addWidget(note);
    }
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog, [report, note](QPrinter* printer) {
        render::ReportFontSize size;
        printDayReport(printer, report, &size);
        const QString text = render::reportFontNote(size);
        note->setText(text);
        note->setVisible(!text.isEmpty());
    });
    return dialog;
}

QString printerFontProblem()
{
    if (QPrinterInfo::defaultPrinter().isNull()) {
        return toQString(LoadString(render::kNoPrinterDefaultsText));
    }
    return {};
}

} // namespace mw::gui
