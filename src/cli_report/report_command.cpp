#include "report_command.h"

#include "dated_day.h"
#include "json_writer.h"

#include "qt_bridge.h"
#include "report_pdf.h"

#include "model/day_document.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>

namespace mw::cli {
namespace {

// A PDF needs fonts but no screen: unless the user names a platform, Qt runs on the offscreen one, so the
// command works the same over ssh, in cron or with a DISPLAY that points nowhere, and never waits for one.
// Qt's notes about the session (no runtime folder, no session bus) say nothing about the PDF.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "mealwright-cli: %s\n", message.toLocal8Bit().constData());
    }
}

class HeadlessGuiApplication
{
public:
    HeadlessGuiApplication()
    {
        if (QCoreApplication::instance() != nullptr) {
            return;
        }
        // Qt takes the numeric locale from the environment; the rest of the tool writes numbers as C does.
        const std::string numericLocale = std::setlocale(LC_NUMERIC, nullptr);
        m_argc = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? 1 : 3;
        m_previousHandler = qInstallMessageHandler(keepSeriousMessages);
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
        std::setlocale(LC_NUMERIC, numericLocale.c_str());
    }

    ~HeadlessGuiApplication()
    {
        if (m_app != nullptr) {
            m_app.reset();
            qInstallMessageHandler(m_previousHandler);
        }
    }

    HeadlessGuiApplication(const HeadlessGuiApplication&) = delete;
    HeadlessGuiApplication& operator=(const HeadlessGuiApplication&) = delete;

    bool canDraw() const { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

private:
    char m_name[15] = "mealwright-cli";
    char m_platformOption[10] = "-platform";
    char m_platform[10] = "offscreen";
    char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
    int m_argc = 1;
    QtMessageHandler m_previousHandler = nullptr;
    std::unique_ptr<QGuiApplication> m_app;
};

std::string absoluteText(const std::string& file)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute.lexically_normal().string();
}

class ReportCommand final : public Command
{
public:
    std::string_view name() const override { return "report"; }
    std::string_view summary() const override { return "print a day's nutritional analysis to a PDF"; }
    std::string_view help() const override
    {
        return "Usage: mealwright-cli report FILE|--date DATE -o OUT.pdf\n\n"
               "Prints the nutritional analysis of the day in FILE to a PDF, as the desktop program's Print\n"
               "does: each meal with its foods, servings, printed nutrients and fat share, then the day's\n"
               "totals. The nutrients printed, the fat warning level and the printer font come from the\n"
               "settings profile. Needs no display.\n\n"
               "  -o OUT.pdf   the file to write; - writes the PDF to standard output\n"
               "  --json       {\"file\", \"pages\"}\n";
    }
    std::vector<OptionRule> options() const override { return {{"-o", true}, kDateOption}; }

    int run(Context& context) override
    {
        const DayArgument day = dayArgument(context);
        const std::string& file = day.file;
        const std::string output = outputOption(context.args());
        if (output == "-" && context.json()) {
            throw UsageError("--json cannot go with -o -: standard output takes the PDF");
        }
        CFofDoc document(context.foods());
        loadDayArgument(day, document);
        const render::DayReport report =
            render::dayReport(document, context.foods(), context.profile(), mw::toQString(absoluteText(file)));

        const HeadlessGuiApplication application;
        if (!application.canDraw()) {
            throw FileError(output + ": the report cannot be drawn without a graphical application");
        }
        if (QFontDatabase::families().isEmpty()) {
            context.err() << "mealwright-cli: warning: no fonts are installed; the report's text will not show\n";
        }
        int pages = 0;
        render::ReportFontSize fontSize;
        if (output == "-") {
            const QByteArray pdf = render::dayReportPdf(report, &pages, &fontSize);
            if (pdf.isEmpty()) {
                throw FileError("standard output: the report could not be drawn as a PDF");
            }
            context.out().write(pdf.constData(), pdf.size());
            noteShrunkFont(context, fontSize);
            return 0;
        }
        QString error;
        if (!render::exportDayReportPdf(report, mw::toQString(output), &error, &pages, &fontSize)) {
            throw FileError(mw::toStdString(error));
        }
        noteShrunkFont(context, fontSize);
        print(context, output, pages);
        return 0;
    }

private:
    // The PDF is written all the same; the note only says why its text is smaller than the chosen font.
    static void noteShrunkFont(Context& context, const render::ReportFontSize& size)
    {
        const QString note = render::reportFontNote(size);
        if (!note.isEmpty()) {
            context.err() << "mealwright-cli: note: " << mw::toStdString(note) << '\n';
        }
    }

    static void print(Context& context, const std::string& output, int pages)
    {
        if (context.json()) {
            JsonWriter json(context.out());
            json.beginObject().key("file").value(output).key("pages").value(pages).endObject();
            context.out() << '\n';
            return;
        }
        context.out() << output << ": " << pages << (pages == 1 ? " page\n" : " pages\n");
    }
};

} // namespace

std::unique_ptr<Command> makeReportCommand()
{
    return std::make_unique<ReportCommand>();
}

} // namespace mw::cli
