#include "weight_window.h"

#include "app_context.h"
#include "log_weight_dialog.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "report_printer.h"
#include "wait_cursor.h"

#include "format/atomic_file.h"
#include "model/settings_keys.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QTableWidget>
#include <QToolTip>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QValueAxis>

namespace mw::gui {
namespace {

constexpr int kDateColumn = 0;
constexpr int kWeightColumn = 1;
constexpr int kTrendColumn = 2;
constexpr int kRanges[] = {30, 90, 365, 0};

QString windowTitleText()
{
    return QCoreApplication::translate("Mealwright", "Weight Chart");
}

qint64 msecsOf(const DiaryDate& date)
{
    const std::chrono::sys_days day{date};
    return QDateTime(QDate(1970, 1, 1), QTime(12, 0), Qt::UTC)
        .addDays(day.time_since_epoch().count())
        .toMSecsSinceEpoch();
}

// One change of the log: the date's weight before and after it.
class WeightChangeCommand : public QUndoCommand
{
public:
    WeightChangeCommand(CWeightWindow* window, const DiaryDate& date, std::optional<WeightTenths> before,
                        std::optional<WeightTenths> after, const QString& text)
        : QUndoCommand(text), m_window(window), m_date(date), m_before(before), m_after(after)
    {
    }
    void redo() override { m_window->writeWeight(m_date, m_after); }
    void undo() override { m_window->writeWeight(m_date, m_before); }

private:
    CWeightWindow* m_window;
    DiaryDate m_date;
    std::optional<WeightTenths> m_before;
    std::optional<WeightTenths> m_after;
};

QPushButton* addButton(QGridLayout* grid, int row, int column, const QString& text, const char* objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(objectName));
    grid->addWidget(button, row, column);
    return button;
}

} // namespace

CWeightWindow::CWeightWindow(AppContext& app, DiaryFolder diary, QWidget* parent)
    : QWidget(parent, Qt::Window), m_app(app), m_diary(std::move(diary))
{
    setObjectName(QStringLiteral("weightWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(windowTitleText());
    m_undo = new QUndoStack(this);

    m_rangeBox = new QComboBox;
    m_rangeBox->setObjectName(QStringLiteral("weightRangeBox"));
    for (const int days : kRanges) {
        m_rangeBox->addItem(days == 0 ? QCoreApplication::translate("Mealwright", "All")
                                      : QCoreApplication::translate("Mealwright", "%1 days").arg(days),
                            days);
    }
    m_rangeBox->setCurrentIndex(1);
    connect(m_rangeBox, &QComboBox::currentIndexChanged, this, [this] {
        m_content.rangeDays = m_rangeBox->currentData().toInt();
        fillChart();
    });
    auto* rangeLabel = new QLabel(QCoreApplication::translate("Mealwright", "&Show:"));
    rangeLabel->setBuddy(m_rangeBox);

    buildChart();
    m_sentences = new QLabel;
    m_sentences->setObjectName(QStringLiteral("weightSentences"));
    m_sentences->setWordWrap(true);
    // A narrow window wraps the sentences onto more lines than their size hint counts: they keep room for three
    // lines, so the chart above is never drawn over them.
    m_sentences->setMinimumHeight(3 * m_sentences->fontMetrics().lineSpacing());
    m_problems = new QLabel;
    m_problems->setObjectName(QStringLiteral("weightProblems"));
    m_problems->setWordWrap(true);
    m_problems->setStyleSheet(QStringLiteral("color: #a00000"));

    m_table = new QTableWidget(0, 3);
    m_table->setObjectName(QStringLiteral("weightTable"));
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableWidget::itemChanged, this, &CWeightWindow::weightEdited);

    auto* chartPane = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartPane);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(rangeLabel);
    rangeRow->addWidget(m_rangeBox);
    rangeRow->addStretch();
    chartLayout->addLayout(rangeRow);
    chartLayout->addWidget(m_chartView, 1);
    chartLayout->addWidget(m_sentences);
    chartLayout->addWidget(m_problems);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(chartPane);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    // The table's three columns show whole beside the chart.
    splitter->setSizes({480, 280});

    auto* buttons = new QGridLayout;
    connect(addButton(buttons, 0, 0, QCoreApplication::translate("Mealwright", "Log &Weight..."), "weightLog"),
            &QPushButton::clicked, this, &CWeightWindow::logWeight);
    QPushButton* remove =
        addButton(buttons, 0, 1, QCoreApplication::translate("Mealwright", "&Delete"), "weightDelete");
    connect(remove, &QPushButton::clicked, this, &CWeightWindow::deleteSelected);
    QPushButton* undo = addButton(buttons, 0, 2, QCoreApplication::translate("Mealwright", "&Undo"), "weightUndo");
    connect(undo, &QPushButton::clicked, m_undo, &QUndoStack::undo);
    connect(m_undo, &QUndoStack::canUndoChanged, undo, &QPushButton::setEnabled);
    QPushButton* redo = addButton(buttons, 0, 3, QCoreApplication::translate("Mealwright", "&Redo"), "weightRedo");
    connect(redo, &QPushButton::clicked, m_undo, &QUndoStack::redo);
    connect(m_undo, &QUndoStack::canRedoChanged, redo, &QPushButton::setEnabled);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(addButton(buttons, 1, 0, QCoreApplication::translate("Mealwright", "&Print..."), "weightPrint"),
            &QPushButton::clicked, this, &CWeightWindow::print);
    connect(addButton(buttons, 1, 1, QCoreApplication::translate("Mealwright", "Print Pre&view"), "weightPrintPreview"),
            &QPushButton::clicked, this, &CWeightWindow::printPreview);
    connect(addButton(buttons, 1, 2, QCoreApplication::translate("Mealwright", "Export P&DF..."), "weightExportPdf"),
            &QPushButton::clicked, this, &CWeightWindow::exportPdf);
    connect(addButton(buttons, 1, 3, QCoreApplication::translate("Mealwright", "Export C&SV..."), "weightExportCsv"),
            &QPushButton::clicked, this, &CWeightWindow::exportCsv);
    connect(addButton(buttons, 1, 4, QCoreApplication::translate("Mealwright", "&Close"), "weightClose"),
            &QPushButton::clicked, this, &QWidget::close);
    for (QAction* action : {m_undo->createUndoAction(this), m_undo->createRedoAction(this)}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    actions().at(0)->setShortcut(QKeySequence::Undo);
    actions().at(1)->setShortcut(QKeySequence::Redo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    reload();
    resize(760, 540);
}

CWeightWindow::~CWeightWindow() = default;

void CWeightWindow::buildChart()
{
    m_chart = new QChart;
    m_chart->setObjectName(QStringLiteral("weightChart"));
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_weighIns = new QScatterSeries;
    m_weighIns->setName(QCoreApplication::translate("Mealwright", "Weigh-ins"));
    m_weighIns->setMarkerSize(7);
    m_trend = new QLineSeries;
    m_trend->setName(QCoreApplication::translate("Mealwright", "Trend"));
    m_trend->setPen(QPen(QColor(200, 0, 0), 2));
    m_ideal = new QLineSeries;
    m_ideal->setName(QCoreApplication::translate("Mealwright", "Ideal weight"));
    m_ideal->setPen(QPen(QColor(0, 128, 0), 2, Qt::DashLine));
    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("yyyy-MM-dd"));
    dates->setTickCount(3);
    auto* weights = new QValueAxis;
    weights->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(dates, Qt::AlignBottom);
    m_chart->addAxis(weights, Qt::AlignLeft);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{m_ideal, m_trend, m_weighIns}) {
        m_chart->addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(weights);
        connect(series, &QXYSeries::hovered, this, [this](const QPointF& point, bool state) {
            if (!state) {
                QToolTip::hideText();
                return;
            }
            const std::span<const WeightTrendDay> days = render::shownWeightDays(m_content);
            const auto it = std::min_element(days.begin(), days.end(), [&](const auto& a, const auto& b) {
                return std::abs(msecsOf(a.date) - point.x()) < std::abs(msecsOf(b.date) - point.x());
            });
            if (it != days.end()) {
                QToolTip::showText(QCursor::pos(), hoverText(static_cast<int>(it - days.begin())), m_chartView);
            }
        });
    }
    m_chartView = new QChartView(m_chart);
    m_chartView->setObjectName(QStringLiteral("weightChartView"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumSize(300, 200);
}

QStringList CWeightWindow::sentences() const
{
    return render::weightSentences(m_content);
}

QString CWeightWindow::hoverText(int shownDay) const
{
    const std::span<const WeightTrendDay> days = render::shownWeightDays(m_content);
    if (shownDay < 0 || static_cast<std::size_t>(shownDay) >= days.size()) {
        return {};
    }
    return render::weightDayText(days[static_cast<std::size_t>(shownDay)], m_content.kilograms);
}

void CWeightWindow::reload()
{
    const WeightLogRead read = readWeightLog(m_diary.weightLogFile());
    m_content.log = read.log;
    m_content.kilograms = weightsInKilograms(m_app.settings());
    const std::optional<CaloricNeedInputs> need = storedCaloricNeed(m_app.settings());
    m_content.idealWeightPounds = need ? std::optional(need->idealWeight) : std::nullopt;
    m_content.rangeDays = m_rangeBox->currentData().toInt();
    {
        const WaitCursor wait;
        m_content.outlook = weightOutlook(m_content.log, m_diary, m_app.foods());
    }
    QStringList problems;
    if (read.error) {
        problems.append(QCoreApplication::translate("Mealwright", "%1 cannot be read: %2")
                            .arg(toQString(m_diary.weightLogFile().string()), toQString(read.error.message())));
    }
    for (const QString& line : render::unreadWeightLineTexts(m_content)) {
        problems.append(QCoreApplication::translate("Mealwright", "Not read and kept as it is: %1").arg(line));
    }
    m_problems->setText(problems.join(QLatin1Char('\n')));
    m_problems->setVisible(!problems.isEmpty());
    m_table->setEnabled(!read.error);
    m_sentences->setText(sentences().join(QLatin1Char(' ')));
    fillChart();
    fillTable();
}

void CWeightWindow::fillChart()
{
    const std::span<const WeightTrendDay> days = render::shownWeightDays(m_content);
    const bool kg = m_content.kilograms;
    const auto value = [kg](double pounds) { return kg ? pounds * 453.592 * 0.001 : pounds; };
    QList<QPointF> weighIns;
    QList<QPointF> trend;
    double low = 1e9;
    double high = -1e9;
    for (const WeightTrendDay& day : days) {
        const auto x = static_cast<qreal>(msecsOf(day.date));
        if (day.measured) {
            weighIns.append({x, value(day.weight)});
        }
        trend.append({x, value(day.trend)});
        low = std::min({low, value(day.weight), value(day.trend)});
        high = std::max({high, value(day.weight), value(day.trend)});
    }
    QList<QPointF> ideal;
    if (m_content.idealWeightPounds && !days.empty()) {
        const double y = value(*m_content.idealWeightPounds);
        ideal = {{static_cast<qreal>(msecsOf(days.front().date)), y},
                 {static_cast<qreal>(msecsOf(days.back().date)), y}};
        low = std::min(low, y);
        high = std::max(high, y);
    }
    m_weighIns->replace(weighIns);
    m_trend->replace(trend);
    m_ideal->replace(ideal);
    const QList<QAbstractAxis*> axes = m_chart->axes();
    if (days.empty()) {
        m_chart->setTitle(sentences().front());
        return;
    }
    m_chart->setTitle(QString());
    const qint64 first = msecsOf(days.front().date);
    const qint64 last = std::max(msecsOf(days.back().date), first + 86'400'000);
    axes[0]->setRange(QDateTime::fromMSecsSinceEpoch(first, Qt::UTC), QDateTime::fromMSecsSinceEpoch(last, Qt::UTC));
    const double margin = std::max(1.0, (high - low) * 0.08);
    axes[1]->setRange(std::floor(low - margin), std::ceil(high + margin));
    axes[1]->setTitleText(kg ? QStringLiteral("kg") : QStringLiteral("lb"));
}

void CWeightWindow::fillTable()
{
    m_filling = true;
    const QString unit = m_content.kilograms ? QStringLiteral("kg") : QStringLiteral("lb");
    m_table->setHorizontalHeaderLabels({QCoreApplication::translate("Mealwright", "Date"),
                                        QCoreApplication::translate("Mealwright", "Weight (%1)").arg(unit),
                                        QCoreApplication::translate("Mealwright", "Trend (%1)").arg(unit)});
    const std::vector<WeightEntry>& entries = m_content.log.entries();
    const std::vector<WeightTrendDay>& days = m_content.outlook.trend.days;
    m_table->setRowCount(static_cast<int>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // The newest weigh-in first.
        const WeightEntry& entry = entries[entries.size() - 1 - i];
        const auto row = static_cast<int>(i);
        auto* date = new QTableWidgetItem(toQString(isoDateText(entry.date)));
        date->setFlags(date->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, kDateColumn, date);
        const double weight = m_content.kilograms ? kilogramsOf(entry.tenths) : entry.pounds();
        auto* weightItem = new QTableWidgetItem(QString::number(weight, 'f', 1));
        weightItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, kWeightColumn, weightItem);
        const auto day = static_cast<std::size_t>(daysBetween(days.front().date, entry.date));
        const double trendValue = m_content.kilograms ? days[day].trend * 453.592 * 0.001 : days[day].trend;
        auto* trend = new QTableWidgetItem(QString::number(trendValue, 'f', 1));
        trend->setFlags(trend->flags() & ~Qt::ItemIsEditable);
        trend->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, kTrendColumn, trend);
    }
    m_table->resizeColumnsToContents();
    m_filling = false;
}

void CWeightWindow::weightEdited(QTableWidgetItem* item)
{
    if (m_filling || item->column() != kWeightColumn) {
        return;
    }
    const std::optional<DiaryDate> date = parseIsoDate(toStdString(m_table->item(item->row(), kDateColumn)->text()));
    const WeightInput input = parseWeightInput(toStdString(item->text()), m_content.kilograms);
    if (!date || input.error != WeightInputError::kNone) {
        Prompts::warning(
            this, windowTitleText(),
            QStringLiteral("\"%1\" is not a weight above 0 and at most 1,500 lb (680 kg).").arg(item->text()));
        fillTable();
        return;
    }
    changeWeight(*date, input.tenths, QCoreApplication::translate("Mealwright", "Change Weight"));
}

void CWeightWindow::changeWeight(const DiaryDate& date, std::optional<WeightTenths> weight, const QString& text)
{
    // The weight the log holds now, whatever another program wrote since the window read it.
    const std::optional<WeightTenths> before = readWeightLog(m_diary.weightLogFile()).log.weightOn(date);
    m_undo->push(new WeightChangeCommand(this, date, before, weight, text));
}

bool CWeightWindow::writeWeight(const DiaryDate& date, std::optional<WeightTenths> weight)
{
    const std::error_code error = changeWeightLog(m_diary.weightLogFile(), [&](WeightLog& log) {
        if (weight) {
            log.set(date, *weight);
            return true;
        }
        return log.remove(date);
    });
    if (error) {
        Prompts::warning(this, windowTitleText(),
                         QCoreApplication::translate("Mealwright", "%1 cannot be written: %2")
                             .arg(toQString(m_diary.weightLogFile().string()), toQString(describeSaveError(error))));
    }
    reload();
    return !error;
}

void CWeightWindow::logWeight()
{
    CLogWeightDialog dialog(localToday(), m_content.kilograms, this);
    if (dialog.exec() == QDialog::Accepted) {
        changeWeight(dialog.date(), dialog.weight(), QCoreApplication::translate("Mealwright", "Log Weight"));
    }
}

void CWeightWindow::deleteSelected()
{
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const std::optional<DiaryDate> date =
        parseIsoDate(toStdString(m_table->item(selected.front()->row(), kDateColumn)->text()));
    if (date) {
        changeWeight(*date, std::nullopt, QCoreApplication::translate("Mealwright", "Delete Weight"));
    }
}

void CWeightWindow::print()
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
    render::paintWeightReport(&painter, page, m_content, first, last, [device] { return device->newPage(); });
    painter.end();
}

void CWeightWindow::printPreview()
{
    auto* dialog = new QPrintPreviewDialog(this);
    dialog->setObjectName(QStringLiteral("weightPreviewDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->printer()->setResolution(render::kReportPrinterResolution);
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog, [this](QPrinter* printer) {
        QPainter painter(printer);
        const QRect page(QPoint(0, 0), printer->pageRect(QPrinter::DevicePixel).size().toSize());
        render::paintWeightReport(&painter, page, m_content, 0, -1, [printer] { return printer->newPage(); });
    });
    dialog->open();
}

void CWeightWindow::exportPdf()
{
    const QString path =
        Prompts::saveFileName(this, QCoreApplication::translate("Mealwright", "Export PDF"),
                              QStringLiteral("weight.pdf"), QCoreApplication::translate("Mealwright", "PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    QString error;
    const WaitCursor wait;
    if (!render::exportWeightReportPdf(m_content, path, &error)) {
        Prompts::warning(this, windowTitleText(), error);
    }
}

void CWeightWindow::exportCsv()
{
    const QString path = Prompts::saveFileName(this, QCoreApplication::translate("Mealwright", "Export CSV"),
                                               QStringLiteral("weight-trend.csv"),
                                               QCoreApplication::translate("Mealwright", "CSV (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    if (const std::error_code error =
            writeFileAtomically(toPath(path), render::weightTrendCsv(m_content.outlook.trend))) {
        Prompts::warning(this, windowTitleText(),
                         QCoreApplication::translate("Mealwright", "%1: cannot be written: %2")
                             .arg(path, toQString(error.message())));
    }
}

} // namespace mw::gui
