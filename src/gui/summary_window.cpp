#include "summary_window.h"

#include "analysis_panel_painter.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "report_printer.h"
#include "wait_cursor.h"

#include "calc/days_csv.h"
#include "format/atomic_file.h"
#include "model/catalogue.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace mw::gui {
namespace {

constexpr int kChartMargin = 8;
constexpr int kDefaultChartNutrient = kCalcium;

QString windowTitleText()
{
    return QCoreApplication::translate("Mealwright", "Days Summary");
}

QPushButton* addButton(QHBoxLayout* row, const QString& text, const char* objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(objectName));
    row->addWidget(button);
    return button;
}

} // namespace

// ---- The chart ----------------------------------------------------------------------------------------------

SummaryChart::SummaryChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("summaryChart"));
    setMinimumSize(320, 260);
    setMouseTracking(true);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void SummaryChart::setData(render::SummaryChartData data)
{
    m_data = std::move(data);
    update();
}

QRect SummaryChart::chartRect() const
{
    return rect().adjusted(kChartMargin, kChartMargin, -kChartMargin, -kChartMargin);
}

QString SummaryChart::toolTipAt(const QPoint& point) const
{
    const render::SummaryChartGeometry geometry =
        render::summaryChartGeometry(chartRect(), m_data, fontMetrics().height());
    return render::summaryChartToolTip(m_data, render::summaryChartDayAt(geometry, point));
}

void SummaryChart::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    render::paintSummaryChart(&painter, chartRect(), m_data);
}

bool SummaryChart::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

// ---- The window ---------------------------------------------------------------------------------------------

CSummaryWindow::CSummaryWindow(render::DaysSummaryContent content, QWidget* parent)
    : QWidget(parent, Qt::Window), m_content(std::move(content))
{
    setObjectName(QStringLiteral("summaryWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(windowTitleText());

    m_averageLabel =
        new QLabel(toQString(averageTitle(m_content.summary.dayCount())) +
                   (m_content.summary.unreadable.empty()
                        ? QString()
                        : QCoreApplication::translate("Mealwright", "; %1 file(s) could not be read and are left out:")
                              .arg(m_content.summary.unreadable.size())));
    m_averageLabel->setObjectName(QStringLiteral("summaryAverageLabel"));
    m_unreadableList = new QListWidget;
    m_unreadableList->setObjectName(QStringLiteral("summaryUnreadableList"));
    for (const UnreadableDay& day : m_content.summary.unreadable) {
        m_unreadableList->addItem(toQString(unreadableDayText(day)));
    }
    m_unreadableList->setVisible(!m_content.summary.unreadable.empty());
    const int listRows = std::clamp(m_unreadableList->count(), 1, 4);
    m_unreadableList->setFixedHeight(m_unreadableList->sizeHintForRow(0) * listRows +
                                     2 * m_unreadableList->frameWidth() + 2);

    m_table = new QTableWidget;
    m_table->setObjectName(QStringLiteral("summaryTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fillTable();

    m_chart = new SummaryChart;
    m_nutrientBox = new QComboBox;
    m_nutrientBox->setObjectName(QStringLiteral("summaryNutrientBox"));
    for (int nutrient = kCalories; nutrient <= kAlcohol; ++nutrient) {
        m_nutrientBox->addItem(toQString(nutrientLongName(nutrient)), nutrient);
    }
    connect(m_nutrientBox, &QComboBox::currentIndexChanged, this,
            [this] { m_chart->setData(render::summaryChartData(m_content, chartNutrient())); });
    setChartNutrient(kDefaultChartNutrient);
    m_chart->setData(render::summaryChartData(m_content, chartNutrient()));

    auto* nutrientRow = new QHBoxLayout;
    auto* nutrientLabel = new QLabel(QCoreApplication::translate("Mealwright", "% goal per day of:"));
    nutrientLabel->setBuddy(m_nutrientBox);
    nutrientRow->addWidget(nutrientLabel);
    nutrientRow->addWidget(m_nutrientBox);
    nutrientRow->addStretch();
    auto* chartPane = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartPane);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addLayout(nutrientRow);
    chartLayout->addWidget(m_chart, 1);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_table);
    splitter->addWidget(chartPane);
    // The table shows the average and % goal rows of a week without scrolling.
    const int tableRows = std::min(m_table->rowCount(), 9);
    const int tableHeight = m_table->horizontalHeader()->sizeHint().height() +
                            tableRows * m_table->verticalHeader()->defaultSectionSize() +
                            m_table->horizontalScrollBar()->sizeHint().height() + 2 * m_table->frameWidth();
    splitter->setSizes({tableHeight, 400});
    splitter->setStretchFactor(1, 1);

    auto* buttons = new QHBoxLayout;
    connect(addButton(buttons, QCoreApplication::translate("Mealwright", "&Print..."), "summaryPrint"),
            &QPushButton::clicked, this, &CSummaryWindow::print);
    connect(addButton(buttons, QCoreApplication::translate("Mealwright", "Print Pre&view"), "summaryPrintPreview"),
            &QPushButton::clicked, this, &CSummaryWindow::printPreview);
    connect(addButton(buttons, QCoreApplication::translate("Mealwright", "Export P&DF..."), "summaryExportPdf"),
            &QPushButton::clicked, this, &CSummaryWindow::exportPdf);
    connect(addButton(buttons, QCoreApplication::translate("Mealwright", "Export C&SV..."), "summaryExportCsv"),
            &QPushButton::clicked, this, &CSummaryWindow::exportCsv);
    buttons->addStretch();
    connect(addButton(buttons, QCoreApplication::translate("Mealwright", "&Close"), "summaryClose"),
            &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_averageLabel);
    layout->addWidget(m_unreadableList);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    // As a dialog does, Escape closes the window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(980, 760);
}

int CSummaryWindow::chartNutrient() const
{
    return m_nutrientBox->currentData().toInt();
}

void CSummaryWindow::setChartNutrient(int nutrient)
{
    m_nutrientBox->setCurrentIndex(m_nutrientBox->findData(nutrient));
}

void CSummaryWindow::setCoverage(const QString& coverage)
{
    m_averageLabel->setText(coverage + QStringLiteral(" \u2014 ") + m_averageLabel->text());
}

void CSummaryWindow::fillTable()
{
    const QStringList header = render::summaryTableHeader();
    const std::vector<render::SummaryTableRow> rows = render::summaryTableRows(m_content);
    m_table->setColumnCount(static_cast<int>(header.size()));
    m_table->setHorizontalHeaderLabels(header);
    m_table->setRowCount(static_cast<int>(rows.size()));
    m_table->verticalHeader()->hide();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const render::SummaryTableRow& row = rows[static_cast<std::size_t>(r)];
        auto* title = new QTableWidgetItem(row.title);
        // The average and its % goal stand apart from the days.
        if (r >= static_cast<int>(m_content.summary.dayCount())) {
            QFont bold = title->font();
            bold.setBold(true);
            title->setFont(bold);
        }
        m_table->setItem(r, 0, title);
        for (int n = 0; n < kNutrientCount; ++n) {
            const auto slot = static_cast<std::size_t>(n);
            auto* item = new QTableWidgetItem(row.cells[slot]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (row.levels[slot] && !row.cells[slot].isEmpty()) {
                item->setBackground(render::percentBarColor(row.levels[slot]));
                item->setForeground(Qt::black);
            }
            m_table->setItem(r, n + 1, item);
        }
    }
    m_table->resizeColumnsToContents();
}

void CSummaryWindow::print()
{
    const std::unique_ptr<QPrinter> printer = makeReportPrinter();
    QPrintDialog dialog(printer.get(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QPainter painter;
    if (!painter.begin(printer.get())) {
        Prompts::warning(this, windowTitleText(),
                         QCoreApplication::translate("Mealwright", "The printer could not be started."));
        return;
    }
    const QRect page(QPoint(0, 0), printer->pageRect(QPrinter::DevicePixel).size().toSize());
    const int first = printer->fromPage() > 0 ? printer->fromPage() - 1 : 0;
    const int last = printer->toPage() > 0 ? printer->toPage() - 1 : -1;
    QPrinter* device = printer.get();
    render::paintDaysSummary(&painter, page, m_content, chartNutrient(), first, last,
                             [device] { return device->newPage(); });
    painter.end();
}

void CSummaryWindow::printPreview()
{
    auto* dialog = new QPrintPreviewDialog(this);
    dialog->setObjectName(QStringLiteral("summaryPreviewDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->printer()->setResolution(render::kReportPrinterResolution);
    const int nutrient = chartNutrient();
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog, [this, nutrient](QPrinter* printer) {
        QPainter painter(printer);
        const QRect page(QPoint(0, 0), printer->pageRect(QPrinter::DevicePixel).size().toSize());
        render::paintDaysSummary(&painter, page, m_content, nutrient, 0, -1, [printer] { return printer->newPage(); });
    });
    dialog->open();
}

void CSummaryWindow::exportPdf()
{
    const QString path =
        Prompts::saveFileName(this, QCoreApplication::translate("Mealwright", "Export PDF"),
                              QStringLiteral("summary.pdf"), QCoreApplication::translate("Mealwright", "PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    QString error;
    const WaitCursor wait;
    if (!render::exportDaysSummaryPdf(m_content, chartNutrient(), path, &error)) {
        Prompts::warning(this, windowTitleText(), error);
    }
}

void CSummaryWindow::exportCsv()
{
    const QString path =
        Prompts::saveFileName(this, QCoreApplication::translate("Mealwright", "Export CSV"),
                              QStringLiteral("summary.csv"), QCoreApplication::translate("Mealwright", "CSV (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    if (const std::error_code error = writeFileAtomically(toPath(path), daysSummaryCsv(m_content.summary))) {
        Prompts::warning(this, windowTitleText(),
                         QCoreApplication::translate("Mealwright", "%1: cannot be written: %2")
                             .arg(path, toQString(error.message())));
    }
}

} // namespace mw::gui
