#include "report_commands.h"

#include "action_registry.h"
#include "app_context.h"
#include "command_ids.h"
#include "date_picker_dialog.h"
#include "day_window.h"
#include "day_window_manager.h"
#include "diary_texts.h"
#include "first_start.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "report_painter.h"
#include "report_printer.h"
#include "summary_window.h"
#include "tools_texts.h"
#include "wait_cursor.h"

#include "calc/days_summary.h"
#include "calc/diary_summary.h"
#include "format/atomic_file.h"
#include "format/day_csv.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <vector>

namespace mw::gui {
namespace {

QString messageTitle()
{
    return toQString(texts::kMainFrameTitle);
}

// What the report's header names: the day's file, or its title while it has none.
QString reportDocumentPath(const CDayWindow& day)
{
    return day.filePath().isEmpty() ? day.title() : QDir::toNativeSeparators(day.filePath());
}

// A file name next to the day's file (or in the home folder), with the day's name and the extension.
QString suggestedExportName(const CDayWindow& day, std::string_view extension)
{
    const QString base = day.filePath().isEmpty()
                             ? QDir::home().filePath(day.title())
                             : QFileInfo(day.filePath()).dir().filePath(QFileInfo(day.filePath()).completeBaseName());
    return base + toQString(extension);
}

QString withExtension(const QString& fileName, std::string_view extension)
{
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + toQString(extension) : fileName;
}

// How many pages the report takes on the printer as it is set up now.
int reportPageCount(const render::DayReport& report, QPrinter& printer)
{
    const QSize page = printer.pageRect(QPrinter::DevicePixel).size().toSize();
    const render::ReportPageMetrics metrics = render::reportPageMetrics(page, &printer);
    const render::ReportFontSet fonts = render::fittedReportFonts(report.content, report.font, metrics, &printer);
    const render::DeviceTextMeasure measure(fonts, &printer);
    return static_cast<int>(render::layoutReport(report.content, metrics, measure).size());
}

} // namespace

ReportCommands::ReportCommands(AppContext& app, ActionRegistry& actions, DayWindowManager& days, QWidget* frame)
    : QObject(frame), m_app(app), m_days(days), m_frame(frame)
{
    const auto on = [&](int id, auto slot) { connect(actions.action(id), &QAction::triggered, this, slot); };
    on(cmd::kFilePrint, &ReportCommands::filePrint);
    on(cmd::kFilePrintPreview, &ReportCommands::filePrintPreview);
    on(cmd::kFilePrintSetup, &ReportCommands::filePrintSetup);
    on(cmd::kPrinterFont, &ReportCommands::choosePrinterFont);
    on(cmd::kFileExportPdf, &ReportCommands::exportPdf);
    on(cmd::kFileExportCsv, &ReportCommands::exportCsv);
    on(cmd::kFileSummarizeDays, &ReportCommands::summarizeDays);
    on(cmd::kSummarizeLast7Days, [this] { summarizeDiary(lastDays(localToday(), 7)); });
    on(cmd::kSummarizeLast30Days, [this] { summarizeDiary(lastDays(localToday(), 30)); });
    on(cmd::kSummarizeThisMonth, [this] {
        const DiaryDate today = localToday();
        summarizeDiary(DateRange{monthOf(today).first, today});
    });
    on(cmd::kSummarizeDateRange, &ReportCommands::summarizeDiaryDates);
}

ReportCommands::~ReportCommands() = default;

// ---- Printing and exporting --------------------------------------------------------------------------------

QPrinter& ReportCommands::reportPrinter()
{
    if (!m_printer) {
        m_printer = makeReportPrinter();
    }
    return *m_printer;
}

CDayWindow* ReportCommands::activeDay() const
{
    return m_days.activeDayWindow();
}

void ReportCommands::filePrint()
{
    CDayWindow* day = activeDay();
    if (day == nullptr) {
        return;
    }
    render::DayReport report =
        render::dayReport(day->document(), m_app.foods(), m_app.settings(), reportDocumentPath(*day));
    report.font = m_chosenPrinterFont.value_or(report.font);
    QPrinter& printer = reportPrinter();
    QPrintDialog dialog(&printer, m_frame);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, std::max(1, reportPageCount(report, printer)));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const WaitCursor wait;
    if (!printDayReport(&printer, report)) {
        Prompts::warning(m_frame, messageTitle(), toQString(texts::kPrintNotStarted));
    }
}

void ReportCommands::filePrintPreview()
{
    CDayWindow* day = activeDay();
    if (day == nullptr) {
        return;
    }
    render::DayReport report =
        render::dayReport(day->document(), m_app.foods(), m_app.settings(), reportDocumentPath(*day));
    report.font = m_chosenPrinterFont.value_or(report.font);
    QPrintPreviewDialog* preview = createDayReportPreview(report, m_frame);
    // The pages as Print Setup set them up.
    preview->printer()->setPageLayout(reportPrinter().pageLayout());
    // Large enough to read a page, as the frame it opens over.
    preview->resize(m_frame->size() * 4 / 5);
    preview->open();
}

void ReportCommands::filePrintSetup()
{
    QPageSetupDialog dialog(&reportPrinter(), m_frame);
    dialog.setObjectName(QStringLiteral("pageSetupDialog"));
    dialog.exec();
}

void ReportCommands::choosePrinterFont()
{
    // A PDF needs no printer, so the font can be chosen without one; the status bar says why none was asked.
    if (const QString problem = printerFontProblem(); !problem.isEmpty()) {
        emit statusMessage(toQString(texts::kPrinterFontWithoutPrinter).arg(problem));
    }
    const PrinterFontSetting current = m_chosenPrinterFont.value_or(printerFont(m_app.settings()));
    QFontDialog dialog(render::printerFontInPoints(current), m_frame);
    dialog.setObjectName(QStringLiteral("printerFontDialog"));
    dialog.setWindowTitle(toQString(texts::kPrinterFontTitle));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const PrinterFontSetting chosen = render::printerFontSetting(dialog.selectedFont());
    m_chosenPrinterFont = chosen;
    if (const std::error_code error = storePrinterFont(m_app.settings(), chosen)) {
        Prompts::warning(m_frame, messageTitle(), toQString(texts::kSettingNotSaved).arg(toQString(error.message())));
    }
}

void ReportCommands::exportPdf()
{
    CDayWindow* day = activeDay();
    if (day == nullptr) {
        return;
    }
    const QString chosen =
        Prompts::saveFileName(m_frame, toQString(texts::kExportPdfTitle),
                              suggestedExportName(*day, texts::kPdfExtension), toQString(texts::kExportPdfFilter));
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = withExtension(chosen, texts::kPdfExtension);
    render::DayReport report =
        render::dayReport(day->document(), m_app.foods(), m_app.settings(), reportDocumentPath(*day));
    report.font = m_chosenPrinterFont.value_or(report.font);
    QString error;
    const WaitCursor wait;
    if (!render::exportDayReportPdf(report, path, &error)) {
        Prompts::warning(m_frame, messageTitle(), error);
        return;
    }
    emit statusMessage(toQString(texts::kExportedTo).arg(QDir::toNativeSeparators(path)));
}

void ReportCommands::exportCsv()
{
    CDayWindow* day = activeDay();
    if (day == nullptr) {
        return;
    }
    const QString chosen =
        Prompts::saveFileName(m_frame, toQString(texts::kExportCsvTitle),
                              suggestedExportName(*day, texts::kCsvExtension), toQString(texts::kExportCsvFilter));
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = withExtension(chosen, texts::kCsvExtension);
    if (const std::error_code error = writeFileAtomically(toPath(path), dayCsv(day->document()))) {
        Prompts::warning(
            m_frame, messageTitle(),
            toQString(texts::kCsvNotWritten).arg(QDir::toNativeSeparators(path), toQString(error.message())));
        return;
    }
    emit statusMessage(toQString(texts::kExportedTo).arg(QDir::toNativeSeparators(path)));
}

void ReportCommands::summarizeDays()
{
    QStringList offered;
    for (const CDayWindow* day : m_days.dayWindows()) {
        if (!day->filePath().isEmpty()) {
            offered.append(day->filePath());
        }
    }
    const QStringList chosen =
        Prompts::openFileNames(m_frame, QCoreApplication::translate("Mealwright", "Summarize Days"),
                               toQString(texts::kDayFileFilter), offered);
    if (chosen.isEmpty()) {
        return;
    }
    std::vector<std::filesystem::path> files;
    files.reserve(static_cast<std::size_t>(chosen.size()));
    for (const QString& file : chosen) {
        files.push_back(toPath(file));
    }
    showSummary([&] { return mw::summarizeDays(files, m_app.foods()); }, QString());
}

void ReportCommands::summarizeDiary(const DateRange& range)
{
    const std::filesystem::path folder = m_app.diaryFolder();
    if (folder.empty()) {
        Prompts::warning(m_frame, messageTitle(), toQString(texts::kNoDiaryFolder));
        return;
    }
    const DiaryFolder diary(folder);
    const std::size_t recorded = diary.recordedDates(range).size();
    if (recorded == 0) {
        Prompts::information(m_frame, messageTitle(),
                             toQString(texts::kNoDayRecorded)
                                 .arg(toQString(isoDateText(range.first)), toQString(isoDateText(range.last)),
                                      QDir::toNativeSeparators(fromPath(folder))));
        return;
    }
    const long long total = range.dayCount();
    const QString coverage = total == 1 ? toQString(texts::kDayRecordedOfOne).arg(recorded)
                                        : toQString(texts::kDaysRecorded).arg(recorded).arg(total);
    showSummary([&] { return mw::summarizeDiary(diary, range, m_app.foods()); }, coverage);
}

void ReportCommands::summarizeDiaryDates()
{
    if (const std::optional<DateRange> range = DateRangeDialog::pick(lastDays(localToday(), 7), m_frame)) {
        summarizeDiary(*range);
    }
}

void ReportCommands::showSummary(const std::function<DaysSummary()>& summarize, const QString& coverage)
{
    // A personal food added meanwhile by another program may be named in the days.
    m_app.catchUpWithPersonalFoods();
    Settings& settings = m_app.settings();
    const std::optional<AnalysisSetup> setup = ensureAnalysisSetup(settings, m_frame);
    AnalysisGoals goals = analysisGoals(settings, setup ? setup->requirements : RequirementVector{});
    if (setup) {
        goals.preferences = setup->preferences;
    }
    CSummaryWindow* window = nullptr;
    {
        const WaitCursor wait;
        window = new CSummaryWindow(render::daysSummaryContent(summarize(), goals), m_frame);
    }
    if (!coverage.isEmpty()) {
        window->setCoverage(coverage);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace mw::gui
