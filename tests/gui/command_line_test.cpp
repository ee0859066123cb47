#include "application.h"

#include <QTest>

using mw::gui::CommandLine;
using mw::gui::parseCommandLine;
using Action = CommandLine::Action;

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void nothingNamedGivesANewDay()
    {
        const CommandLine line = parseCommandLine({});
        QCOMPARE(line.action, Action::kNewDay);
        QVERIFY(line.files.isEmpty());
        QVERIFY(line.dataDir.isEmpty());
        QVERIFY(!line.minimized);
    }

    void theAutomationSwitchInAnySpellingOpensNothing()
    {
        for (const char* sw : {"-e", "-E", "/e", "/E"}) {
            QCOMPARE(parseCommandLine({QString::fromLatin1(sw)}).action, Action::kNoDocument);
        }
        // It wins over a file named with it.
        QCOMPARE(parseCommandLine({QStringLiteral("/e"), QStringLiteral("day.ypd")}).action, Action::kNoDocument);
    }

    void aPathBeginningWithSlashEIsAFile()
    {
        const CommandLine line = parseCommandLine({QStringLiteral("/etc/day.ypd")});
        QCOMPARE(line.action, Action::kOpenFiles);
        QCOMPARE(line.files, QStringList({QStringLiteral("/etc/day.ypd")}));
    }

    void everyOtherArgumentIsADayFile()
    {
        const CommandLine line =
            parseCommandLine({QStringLiteral("monday.ypd"), QStringLiteral("My Days/tuesday.ypd")});
        QCOMPARE(line.action, Action::kOpenFiles);
        QCOMPARE(line.files, QStringList({QStringLiteral("monday.ypd"), QStringLiteral("My Days/tuesday.ypd")}));
    }

    void afterTheEndOfOptionsADashIsPartOfAName()
    {
        const CommandLine line =
            parseCommandLine({QStringLiteral("--"), QStringLiteral("-e"), QStringLiteral("--help")});
        QCOMPARE(line.action, Action::kOpenFiles);
        QCOMPARE(line.files, QStringList({QStringLiteral("-e"), QStringLiteral("--help")}));
    }

    void helpAndVersion()
    {
        QCOMPARE(parseCommandLine({QStringLiteral("--help")}).action, Action::kShowHelp);
        QCOMPARE(parseCommandLine({QStringLiteral("-h")}).action, Action::kShowHelp);
        QCOMPARE(parseCommandLine({QStringLiteral("day.ypd"), QStringLiteral("--version")}).action,
                 Action::kShowVersion);
    }

    void theDataFolderInBothForms()
    {
        CommandLine line =
            parseCommandLine({QStringLiteral("--data-dir"), QStringLiteral("/srv/diet"), QStringLiteral("day.ypd")});
        QCOMPARE(line.dataDir, QStringLiteral("/srv/diet"));
        QCOMPARE(line.files, QStringList({QStringLiteral("day.ypd")}));
        line = parseCommandLine({QStringLiteral("--data-dir=/srv/diet"), QStringLiteral("--diary=/sync/diary")});
        QCOMPARE(line.dataDir, QStringLiteral("/srv/diet"));
        QCOMPARE(line.diaryDir, QStringLiteral("/sync/diary"));
        QCOMPARE(line.action, Action::kNewDay);
        QCOMPARE(parseCommandLine({QStringLiteral("--diary"), QStringLiteral("/sync/diary")}).diaryDir,
                 QStringLiteral("/sync/diary"));
    }

    void usageErrors()
    {
        for (const QStringList& arguments :
             {QStringList({QStringLiteral("--data-dir")}), QStringList({QStringLiteral("--data-dir=")}),
              QStringList({QStringLiteral("--diary")}), QStringList({QStringLiteral("--colour")}),
              QStringList({QStringLiteral("-x")})}) {
            const CommandLine line = parseCommandLine(arguments);
            QCOMPARE(line.action, Action::kUsageError);
            QVERIFY(!line.error.isEmpty());
        }
        QVERIFY(parseCommandLine({QStringLiteral("--colour")}).error.contains(QStringLiteral("--colour")));
    }

    void minimized()
    {
        const CommandLine line = parseCommandLine({QStringLiteral("--minimized")});
        QVERIFY(line.minimized);
        QCOMPARE(line.action, Action::kNewDay);
        QVERIFY(!line.quitWhenPainted);
        QVERIFY(parseCommandLine({QStringLiteral("--quit-when-painted")}).quitWhenPainted);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
