#include "application.h"

#include <QTest>

using mw::gui::CommandLine;
using mw::gui::parseCommandLine;
using Action = CommandLine::Action;
using namespace Qt::StringLiterals;

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void argumentsAreRead_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("options"); // "m" minimised, "q" quit when painted
        QTest::addColumn<QString>("error");   // what a usage error names
        const auto row = [](const char* name, const QStringList& arguments, Action action,
                            const QStringList& files = {}, const QString& dataDir = {}, const QString& options = {},
                            const QString& error = {}) {
            QTest::newRow(name) << arguments << int(action) << files << dataDir << options << error;
        };
        row("nothing named: a new day", {}, Action::kNewDay);
        // The automation switch in any spelling opens nothing, and wins over a file named with it.
        for (const char* automation : {"-e", "-E", "/e", "/E"}) {
            row(automation, {QString::fromLatin1(automation)}, Action::kNoDocument);
        }
        row("automation and a file", {u"/e"_s, u"day.ypd"_s}, Action::kNoDocument, {u"day.ypd"_s});
        row("a path beginning with /e", {u"/etc/day.ypd"_s}, Action::kOpenFiles, {u"/etc/day.ypd"_s});
        row("day files", {u"monday.ypd"_s, u"My Days/tuesday.ypd"_s}, Action::kOpenFiles,
            {u"monday.ypd"_s, u"My Days/tuesday.ypd"_s});
        row("after the end of options a dash is part of a name", {u"--"_s, u"-e"_s, u"--help"_s}, Action::kOpenFiles,
            {u"-e"_s, u"--help"_s});
        row("--help", {u"--help"_s}, Action::kShowHelp);
        row("-h", {u"-h"_s}, Action::kShowHelp);
        row("--version", {u"day.ypd"_s, u"--version"_s}, Action::kShowVersion, {u"day.ypd"_s});
        row("data folder", {u"--data-dir"_s, u"/srv/diet"_s, u"day.ypd"_s}, Action::kOpenFiles, {u"day.ypd"_s},
            u"/srv/diet"_s);
        row("data folder with =", {u"--data-dir=/srv/diet"_s}, Action::kNewDay, {}, u"/srv/diet"_s);
        row("minimised", {u"--minimized"_s}, Action::kNewDay, {}, {}, u"m"_s);
        row("quit when painted", {u"--quit-when-painted"_s}, Action::kNewDay, {}, {}, u"q"_s);
        row("data folder missing", {u"--data-dir"_s}, Action::kUsageError, {}, {}, {}, u"--data-dir"_s);
        row("data folder empty", {u"--data-dir="_s}, Action::kUsageError, {}, {}, {}, u"--data-dir"_s);
        row("diary folder missing", {u"--diary"_s}, Action::kUsageError, {}, {}, {}, u"--diary"_s);
        row("unknown long option", {u"--colour"_s}, Action::kUsageError, {}, {}, {}, u"--colour"_s);
        row("unknown short option", {u"-x"_s}, Action::kUsageError, {}, {}, {}, u"-x"_s);
    }

    void argumentsAreRead()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QStringList, files);
        QFETCH(QString, dataDir);
        QFETCH(QString, options);
        QFETCH(QString, error);
        const CommandLine line = parseCommandLine(arguments);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.files, files);
        QCOMPARE(line.dataDir, dataDir);
        QCOMPARE(line.minimized, options.contains(u'm'));
        QCOMPARE(line.quitWhenPainted, options.contains(u'q'));
        QCOMPARE(line.error.isEmpty(), error.isEmpty());
        QVERIFY2(line.error.contains(error), qPrintable(line.error));
    }

    void theDiaryFolderInBothForms()
    {
        QCOMPARE(parseCommandLine({u"--data-dir=/srv/diet"_s, u"--diary=/sync/diary"_s}).diaryDir, u"/sync/diary"_s);
        QCOMPARE(parseCommandLine({u"--diary"_s, u"/sync/diary"_s}).diaryDir, u"/sync/diary"_s);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
