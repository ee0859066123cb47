#include "application.h"

#include "analysis_panel.h"
#include "app_context.h"
#include "frame_texts.h"
#include "main_window.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "resources.h"
#include "splash_window.h"

#include "format/ini_file.h"
#include "format/personal_food_database.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "model/settings_table.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QProxyStyle>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <utility>

namespace mw::gui {
namespace {

bool isAutomationSwitch(const QString& argument)
{
    return argument.size() == 2 && (argument.at(0) == QLatin1Char('-') || argument.at(0) == QLatin1Char('/')) &&
           argument.at(1).toLower() == QLatin1Char('e');
}

bool isHelpSwitch(const QString& argument)
{
    return argument == QStringLiteral("--help") || argument == QStringLiteral("-h") || argument == QStringLiteral("-?");
}

CommandLine usageError(const QString& text)
{
    CommandLine result;
    result.action = CommandLine::Action::kUsageError;
    result.error = text;
    return result;
}

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// --help and --version need no window system, so they are answered before Qt looks for a display.
std::optional<int> answerWithoutWindows(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QStringLiteral("--")) {
            break;
        }
        if (isHelpSwitch(argument)) {
            print(stdout, toQString(texts::kUsage));
            return 0;
        }
        if (argument == QStringLiteral("--version")) {
            print(stdout, toQString(texts::kVersionText).arg(QStringLiteral(MEALWRIGHT_VERSION)));
            return 0;
        }
    }
    return std::nullopt;
}

QString shownPath(const std::filesystem::path& path)
{
    return QDir::toNativeSeparators(fromPath(path));
}

// The profile of this user, or one in memory (with a warning) when none can be named.
std::unique_ptr<Settings> openProfile(QStringList& warnings)
{
    const std::filesystem::path path = defaultProfilePath();
    if (path.empty()) {
        warnings.append(toQString(texts::kNoProfileFolder));
        return std::make_unique<MemorySettings>();
    }
    auto profile = std::make_unique<IniSettings>(path);
    const IniLoadResult loaded = profile->load();
    if (!loaded.missing && loaded.error) {
        warnings.append(toQString(texts::kProfileUnreadable).arg(shownPath(path), toQString(loaded.error.message())));
    }
    return profile;
}

// Ends the event loop after the first paint of a day's panel, or of the main window when no day is to be
// opened. The quit is queued, so the rest of that window is painted in the same pass.
class QuitWhenPainted : public QObject
{
public:
    QuitWhenPainted(const QWidget* frame, bool dayExpected, QObject* parent)
        : QObject(parent), m_frame(frame), m_dayExpected(dayExpected)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_quitting && isAwaitedWindow(watched)) {
            m_quitting = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool isAwaitedWindow(const QObject* watched) const
    {
        return m_dayExpected ? qobject_cast<const AnalysisPanel*>(watched) != nullptr : watched == m_frame;
    }

    const QWidget* m_frame;
    bool m_dayExpected;
    bool m_quitting = false;
};

// "--data-dir DIR", "--data-dir=DIR" and the same of "--diary"; i moves past a separate value.
struct FolderOption
{
    QString name;
    QString value;
};

std::optional<FolderOption> folderOption(const QStringList& arguments, qsizetype& i)
{
    const QString& argument = arguments.at(i);
    for (const QString& name : {QStringLiteral("--data-dir"), QStringLiteral("--diary")}) {
        if (argument == name) {
            return FolderOption{name, i + 1 < arguments.size() ? arguments.at(++i) : QString()};
        }
        if (argument.startsWith(name + QLatin1Char('='))) {
            return FolderOption{name, argument.mid(name.size() + 1)};
        }
    }
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    bool automation = false;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || argument.isEmpty()) {
            if (!argument.isEmpty()) {
                result.files.append(argument);
            }
            continue;
        }
        if (argument == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (isHelpSwitch(argument)) {
            result.action = CommandLine::Action::kShowHelp;
            return result;
        } else if (argument == QStringLiteral("--version")) {
            result.action = CommandLine::Action::kShowVersion;
            return result;
        } else if (isAutomationSwitch(argument)) {
            automation = true;
        } else if (argument == QStringLiteral("--minimized")) {
            result.minimized = true;
        } else if (argument == QStringLiteral("--quit-when-painted")) {
            result.quitWhenPainted = true;
        } else if (const std::optional<FolderOption> option = folderOption(arguments, i)) {
            if (option->value.isEmpty()) {
                return usageError(toQString(texts::kMissingOptionValue).arg(option->name));
            }
            (option->name == QStringLiteral("--diary") ? result.diaryDir : result.dataDir) = option->value;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            // A day file whose name begins with "-" can be named after "--" or as "./-name".
            return usageError(toQString(texts::kUnknownOption).arg(argument));
        } else {
            result.files.append(argument);
        }
    }
    if (automation) {
        result.action = CommandLine::Action::kNoDocument;
    } else if (!result.files.isEmpty()) {
        result.action = CommandLine::Action::kOpenFiles;
    }
    return result;
}

// The platform's own dialog buttons, without the icons some styles put on OK and Cancel (a green curved arrow
// that reads as "undo").
class PlainDialogButtonsStyle final : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override
    {
        if (hint == QStyle::SH_DialogButtonBox_ButtonsHaveIcons) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

CDietApp::CDietApp(const std::filesystem::path& dataDir, std::unique_ptr<Settings> settings, QObject* parent)
    : QObject(parent), m_context(std::make_unique<AppContext>(dataDir, std::move(settings)))
{
    initResources();
    if (dynamic_cast<PlainDialogButtonsStyle*>(QApplication::style()) == nullptr) {
        QApplication::setStyle(new PlainDialogButtonsStyle);
    }
    if (QApplication::windowIcon().isNull()) {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/mealwright.svg")));
    }
}

CDietApp::~CDietApp()
{
    // The frame, its days and the splash go before the objects they share.
    m_frame.reset();
}

CSplashDlg* CDietApp::splash() const
{
    return m_splash.data();
}

void CDietApp::start(const CommandLine& commandLine)
{
    if (!commandLine.diaryDir.isEmpty()) {
        m_context->setDiaryFolderForRun(toPath(QDir(commandLine.diaryDir).absolutePath()));
    }
    m_frame = std::make_unique<CMainFrame>(*m_context);
    if (commandLine.quitWhenPainted) {
        const bool dayExpected =
            commandLine.action == CommandLine::Action::kNewDay || commandLine.action == CommandLine::Action::kOpenFiles;
        qApp->installEventFilter(new QuitWhenPainted(m_frame.get(), dayExpected, this));
    }
    if (commandLine.minimized) {
        m_frame->showMinimized();
    } else {
        m_frame->showMaximized();
    }
    // Painted at once, before any day or dialog keeps the event loop busy.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    m_warnings.append(dataFileWarnings());
    // A warning or the first-start dialogs would come up under the splash, so then there is none.
    const bool firstStart = !storedCaloricNeed(m_context->settings()) || !hasStoredPreferences(m_context->settings());
    const bool splashWanted = commandLine.action == CommandLine::Action::kNewDay && !m_frame->isMinimized() &&
                              !commandLine.minimized && m_warnings.isEmpty() && !firstStart;
    if (splashWanted) {
        m_splash = new CSplashDlg(m_frame.get());
        connect(m_splash, &CSplashDlg::dismissed, m_frame.get(), [this] { m_frame->update(); });
        m_splash->showCentred();
    }

    showStartupWarnings();
    switch (commandLine.action) {
    case CommandLine::Action::kNewDay:
        if (!readSetting(m_context->settings(), setting::kOpenTodayAtStart) || m_frame->openToday() == nullptr) {
            m_frame->newDay();
        }
        break;
    case CommandLine::Action::kOpenFiles:
        for (const QString& file : commandLine.files) {
            m_frame->openDay(file);
        }
        break;
    default:
        break;
    }
}

QStringList CDietApp::dataFileWarnings() const
{
    QStringList warnings;
    const QString personalFile = shownPath(m_context->dataDir() / std::string(PersonalFoodDatabase::kFileName));
    const PersonalFoodOpenResult& personal = m_context->personalFoodsOpened();
    const QString offset = QString::number(personal.byteOffset);
    switch (personal.status) {
    case PersonalFoodStatus::kReadOnly:
        warnings.append(toQString(texts::kPersonalFoodsReadOnly).arg(personalFile));
        break;
    case PersonalFoodStatus::kCannotCreate:
        warnings.append(toQString(texts::kPersonalFoodsCannotCreate).arg(personalFile));
        break;
    case PersonalFoodStatus::kNotAFile:
        warnings.append(toQString(texts::kPersonalFoodsNotAFile).arg(personalFile));
        break;
    case PersonalFoodStatus::kUnreadable:
        warnings.append(toQString(texts::kPersonalFoodsUnreadable).arg(personalFile, offset));
        break;
    case PersonalFoodStatus::kTooLarge:
        warnings.append(toQString(texts::kPersonalFoodsTooLarge).arg(personalFile, offset));
        break;
    case PersonalFoodStatus::kTooManyLines:
        warnings.append(toQString(texts::kPersonalFoodsTooManyLines).arg(personalFile, offset));
        break;
    default:
        break;
    }
    const FoodAttributeLoadResult& flags = m_context->attributesLoaded();
    if (flags.status == FoodAttributeLoadStatus::kUnreadable) {
        warnings.append(toQString(texts::kFoodFlagsUnreadable)
                            .arg(shownPath(m_context->attributes().filePath()), toQString(flags.ioError.message())));
    }
    return warnings;
}

void CDietApp::showStartupWarnings()
{
    for (const QString& warning : std::exchange(m_warnings, QStringList())) {
        Prompts::warning(m_frame.get(), toQString(texts::kMainFrameTitle), warning);
    }
}

int runApplication(int argc, char** argv)
{
    if (const std::optional<int> answered = answerWithoutWindows(argc, argv)) {
        return *answered;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mealwright"));
    QApplication::setOrganizationName(QStringLiteral("Mealwright"));
    QApplication::setApplicationVersion(QStringLiteral(MEALWRIGHT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("mealwright"));
    initResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/mealwright.svg")));

    const CommandLine commandLine = parseCommandLine(QApplication::arguments().mid(1));
    switch (commandLine.action) {
    case CommandLine::Action::kShowHelp:
        print(stdout, toQString(texts::kUsage));
        return 0;
    case CommandLine::Action::kShowVersion:
        print(stdout, toQString(texts::kVersionText).arg(QApplication::applicationVersion()));
        return 0;
    case CommandLine::Action::kUsageError:
        print(stderr, commandLine.error + QLatin1Char('\n') + toQString(texts::kTryHelp) + QLatin1Char('\n'));
        return 1;
    default:
        break;
    }

    const QString dataDir = commandLine.dataDir.isEmpty() ? QDir::currentPath() : commandLine.dataDir;
    if (!QFileInfo(dataDir).isDir()) {
        print(stderr, toQString(texts::kNoDataDir).arg(QDir::toNativeSeparators(dataDir)) + QLatin1Char('\n'));
        return 1;
    }

    QStringList warnings;
    std::unique_ptr<Settings> profile = openProfile(warnings);
    CDietApp app(toPath(QDir(dataDir).absolutePath()), std::move(profile));
    for (const QString& warning : warnings) {
        app.addStartupWarning(warning);
    }
    app.start(commandLine);
    return QApplication::exec();
}

} // namespace mw::gui
