#pragma once

// The commands that put days on paper and in other files: print, print preview and setup, the printer font,
// PDF and CSV export of the active day, and the summary of several days.

#include "model/settings_keys.h"

#include <QObject>

#include <functional>

#include <memory>
#include <optional>

class QPrinter;

namespace mw {
struct DateRange;
struct DaysSummary;
} // namespace mw
class QWidget;

namespace mw::gui {

class ActionRegistry;
class AppContext;
class CDayWindow;
class DayWindowManager;

class ReportCommands : public QObject
{
    Q_OBJECT

public:
    // The frame, its registry and its days must outlive the commands.
    ReportCommands(AppContext& app, ActionRegistry& actions, DayWindowManager& days, QWidget* frame);
    ~ReportCommands() override;

    void filePrint();
    void filePrintPreview();
    void filePrintSetup();
    void choosePrinterFont();
    void exportPdf();
    void exportCsv();
    // Several day files side by side; the open days' files are offered.
    void summarizeDays();
    // The diary's recorded days of the range side by side; the dates without a file are left out and counted.
    void summarizeDiary(const mw::DateRange& range);
    // The dates of the diary's summary from a dialog.
    void summarizeDiaryDates();

signals:
    void statusMessage(const QString& text);

private:
    QPrinter& reportPrinter();
    // The summary in a window of its own, measured against the goals; coverage heads its average.
    void showSummary(const std::function<DaysSummary()>& summarize, const QString& coverage);
    CDayWindow* activeDay() const;

    AppContext& m_app;
    DayWindowManager& m_days;
    QWidget* m_frame;
    // Kept for the run, so that Print Setup's choices hold for every later print.
    std::unique_ptr<QPrinter> m_printer;
    // The printer font chosen in this run, which printing uses even when the profile could not keep it.
    std::optional<PrinterFontSetting> m_chosenPrinterFont;
};

} // namespace mw::gui
