#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <filesystem>
#include <memory>

namespace mw {
class Settings;
}

namespace mw::gui {

class AppContext;
class CMainFrame;
class CSplashDlg;

// What the program was asked to do on its command line.
struct CommandLine
{
    enum class Action
    {
        kNewDay,     // no day file named: an empty day
        kNoDocument, // "-e" or "/e" in either case: started for automation, no day
        kOpenFiles,  // the named day files, one window each
        kShowHelp,
        kShowVersion,
        kUsageError, // see error
    };

    Action action = Action::kNewDay;
    QStringList files;
    // Where userfood.txt and fad.dat live; empty: the working folder.
    QString dataDir;
    // The diary's folder for this run; empty: the profile's choice.
    QString diaryDir;
    bool minimized = false;
    // Quit once the first day window (or, with no day, the main window) has been painted: start-up timings.
    bool quitWhenPainted = false;
    QString error;
};

// The arguments after the program's name (Qt's own options already taken out).
CommandLine parseCommandLine(const QStringList& arguments);

// The application: it owns the objects every window shares and the main frame, shows the splash window
// and acts on the command line. One exists for the run of the program.
class CDietApp : public QObject
{
    Q_OBJECT

public:
    // Opens the personal foods and the food flags in dataDir.
    CDietApp(const std::filesystem::path& dataDir, std::unique_ptr<Settings> settings, QObject* parent = nullptr);
    ~CDietApp() override;

    // Problems found before the application existed (the settings profile), shown with its own after start.
    void addStartupWarning(const QString& text) { m_warnings.append(text); }

    // Creates and shows the main frame, the splash window when nothing was named on the command line, then
    // opens what the command line asks for. The command line must not ask for help, the version or hold
    // an error.
    void start(const CommandLine& commandLine);

    AppContext& context() { return *m_context; }
    CMainFrame* mainFrame() const { return m_frame.get(); }
    // While it is shown; nullptr once it has closed or when none was shown.
    CSplashDlg* splash() const;

private:
    QStringList dataFileWarnings() const;
    void showStartupWarnings();

    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<CMainFrame> m_frame;
    QPointer<CSplashDlg> m_splash;
    QStringList m_warnings;
};

// The desktop program: builds the QApplication, runs the start-up and the event loop; the exit code.
int runApplication(int argc, char** argv);

} // namespace mw::gui
