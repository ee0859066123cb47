#include "recent_file_list.h"

#include "qt_bridge.h"

#include "format/ini_file.h"
#include "model/settings.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QTest>

#include <filesystem>

using mw::fromPath;
using mw::gui::RecentFileList;

class RecentFileListTest : public QObject
{
    Q_OBJECT

private slots:
    void newestFirstAtMostFourWithoutDuplicates()
    {
        mw::MemorySettings settings;
        RecentFileList recent(settings);
        QVERIFY(recent.files().isEmpty());
        for (const char* name : {"/days/a.ypd", "/days/b.ypd", "/days/c.ypd", "/days/d.ypd", "/days/e.ypd"}) {
            QVERIFY(!recent.add(QString::fromLatin1(name)));
        }
        QCOMPARE(recent.files(), QStringList({QStringLiteral("/days/e.ypd"), QStringLiteral("/days/d.ypd"),
                                              QStringLiteral("/days/c.ypd"), QStringLiteral("/days/b.ypd")}));
        // Another spelling of a listed file moves it up instead of adding it twice.
        recent.add(QStringLiteral("/days/x/../c.ypd"));
        QCOMPARE(recent.files(), QStringList({QStringLiteral("/days/c.ypd"), QStringLiteral("/days/e.ypd"),
                                              QStringLiteral("/days/d.ypd"), QStringLiteral("/days/b.ypd")}));
        recent.remove(QStringLiteral("/days/e.ypd"));
        QCOMPARE(recent.files(), QStringList({QStringLiteral("/days/c.ypd"), QStringLiteral("/days/d.ypd"),
                                              QStringLiteral("/days/b.ypd")}));
        QCOMPARE(settings.readText("Recent File List", "File4", "?"), std::string());
    }

    void relativeNamesAreStoredAbsolute()
    {
        mw::MemorySettings settings;
        RecentFileList recent(settings);
        recent.add(QStringLiteral("monday.ypd"));
        QCOMPARE(recent.files(), QStringList({QDir::current().absoluteFilePath(QStringLiteral("monday.ypd"))}));
    }

    void gapsAndDuplicatesInAHandEditedProfileAreSkipped()
    {
        mw::MemorySettings settings;
        settings.writeText("Recent File List", "File1", "/a.ypd");
        settings.writeText("Recent File List", "File2", "");
        settings.writeText("Recent File List", "File3", "/a.ypd");
        settings.writeText("Recent File List", "File4", "/b.ypd");
        QCOMPARE(RecentFileList(settings).files(), QStringList({QStringLiteral("/a.ypd"), QStringLiteral("/b.ypd")}));
    }

    void aFailedWriteIsReturnedAndChangesNothing()
    {
        mw::MemorySettings settings;
        RecentFileList recent(settings);
        recent.add(QStringLiteral("/a.ypd"));
        settings.failWritesWith(std::make_error_code(std::errc::read_only_file_system));
        QCOMPARE(recent.add(QStringLiteral("/b.ypd")), std::make_error_code(std::errc::read_only_file_system));
        QCOMPARE(recent.files(), QStringList({QStringLiteral("/a.ypd")}));
    }

    void theListLivesInTheProfileFileSoTheNextRunSeesIt()
    {
        mw::test::TempDir dir;
        const auto profile = dir.file("mealwright.ini");
        {
            mw::IniSettings settings(profile);
            RecentFileList(settings).add(QStringLiteral("/home/me/Tuesday with spaces.ypd"));
        }
        mw::IniSettings again(profile);
        QCOMPARE(RecentFileList(again).files(), QStringList({QStringLiteral("/home/me/Tuesday with spaces.ypd")}));
        QVERIFY(mw::test::readFile(profile).find("[Recent File List]") != std::string::npos);
    }
};

QTEST_MAIN(RecentFileListTest)
#include "recent_file_list_test.moc"
