#include "application.h"

#include "app_context.h"
#include "day_window.h"
#include "frame_test_support.h"
#include "icon_frame_button.h"
#include "main_window.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "splash_window.h"

#include "model/settings_table.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

using mw::gui::CDietApp;
using mw::gui::CSplashDlg;
using mw::gui::parseCommandLine;
using mw::gui::Prompts;

class ApplicationTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<mw::test::TempDir> m_dir;

    std::unique_ptr<CDietApp> start(const QStringList& arguments)
    {
        auto app = std::make_unique<CDietApp>(m_dir->path(), mw::test::profileWithAnalysisSettings());
        app->start(parseCommandLine(arguments));
        return app;
    }

    static QString goldenDay() { return mw::fromPath(mw::test::sourcePath("tests/data/golden/day_example.ypd")); }

private slots:
    void init()
    {
        Prompts::setScripted(true);
        m_dir = std::make_unique<mw::test::TempDir>();
    }

    void cleanup()
    {
        mw::test::deleteClosedWindows();
        m_dir.reset();
    }

    void anEmptyCommandLineOpensANewDayUnderTheSplash()
    {
        const auto app = start({});
        QVERIFY(app->mainFrame()->isVisible());
        QVERIFY(app->mainFrame()->isMaximized());
        const QList<mw::gui::CDayWindow*> days = app->mainFrame()->dayWindows();
        QCOMPARE(days.size(), qsizetype(1));
        QCOMPARE(days.at(0)->title(), QStringLiteral("MenuDay1"));
        CSplashDlg* splash = app->splash();
        QVERIFY(splash != nullptr);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->findChild<mw::gui::CIconFrameButton*>() != nullptr);
        QCOMPARE(splash->findChild<QLabel*>(QStringLiteral("splashTitle"))->text(),
                 QStringLiteral("Mealwright Youthplate Diet"));
        QVERIFY(!splash->findChild<QLabel*>(QStringLiteral("splashWarning"))->text().isEmpty());
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        // Dialogs get the platform's plain buttons, whatever icons the style would add.
        const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QVERIFY(buttons.button(QDialogButtonBox::Ok)->icon().isNull());
        QVERIFY(buttons.button(QDialogButtonBox::Cancel)->icon().isNull());
    }

    void openTodayAtStartStartsOnTodaysDiaryDay()
    {
        auto profile = mw::test::profileWithAnalysisSettings();
        QVERIFY(!mw::storeSetting(*profile, mw::setting::kOpenTodayAtStart, true));
        CDietApp app(m_dir->path(), std::move(profile));
        app.start(parseCommandLine({QStringLiteral("--diary"), mw::fromPath(m_dir->file("diary"))}));
        const QList<mw::gui::CDayWindow*> days = app.mainFrame()->dayWindows();
        QCOMPARE(days.size(), qsizetype(1));
        QCOMPARE(days.at(0)->date(), std::optional(mw::localToday()));
        QVERIFY(days.at(0)->filePath().startsWith(mw::fromPath(m_dir->file("diary"))));
    }

    void theSplashClosesOnItsOwnOnceItsTimeIsUp()
    {
        QElapsedTimer sinceStart;
        sinceStart.start();
        const auto app = start({});
        QVERIFY(app->splash() != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(app->splash() == nullptr || !app->splash()->isVisible(), 8000);
        QVERIFY2(sinceStart.elapsed() >= 2500, qPrintable(QString::number(sinceStart.elapsed())));
        mw::test::deleteClosedWindows();
        QVERIFY(app->splash() == nullptr);
    }

    // A key or a click closes the splash at once and does nothing else.
    void aKeyOrAClickClosesTheSplashAtOnce()
    {
        for (const bool key : {true, false}) {
            QElapsedTimer sinceStart;
            sinceStart.start();
            const auto app = start({});
            if (key) {
                QTest::keyClick(app->mainFrame()->mdiArea(), Qt::Key_Shift);
            } else {
                QTest::mouseClick(app->mainFrame()->mdiArea()->viewport(), Qt::RightButton);
            }
            mw::test::deleteClosedWindows();
            QVERIFY(app->splash() == nullptr);
            QVERIFY(sinceStart.elapsed() < 2500);
            QCOMPARE(app->mainFrame()->dayWindows().size(), qsizetype(1));
        }
    }

    // The splash shows only over a plain start: not for automation, a named file or a minimised start.
    void startsWithoutTheSplash_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("day"); // the one day window's title, or empty for none
        QTest::newRow("automation") << QStringList{QStringLiteral("-E")} << QString();
        QTest::newRow("named file") << QStringList{goldenDay()} << QStringLiteral("day_example.ypd");
        QTest::newRow("minimised") << QStringList{QStringLiteral("--minimized")} << QStringLiteral("MenuDay1");
    }

    void startsWithoutTheSplash()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, day);
        const auto app = start(arguments);
        QVERIFY(app->splash() == nullptr);
        QVERIFY(app->mainFrame()->isVisible() || app->mainFrame()->isMinimized());
        QCOMPARE(app->mainFrame()->isMinimized(), arguments.contains(QStringLiteral("--minimized")));
        const QList<mw::gui::CDayWindow*> days = app->mainFrame()->dayWindows();
        QCOMPARE(days.size(), qsizetype(day.isEmpty() ? 0 : 1));
        if (!day.isEmpty()) {
            QCOMPARE(days.at(0)->title(), day);
        }
    }

    void anUnreadableNamedFileIsReportedAndTheProgramRunsOnEmpty()
    {
        mw::test::writeFile(m_dir->file("broken.ypd"), std::string(5, '\0'));
        const auto app = start({mw::fromPath(m_dir->file("broken.ypd"))});
        QVERIFY(app->mainFrame()->isVisible());
        QVERIFY(app->mainFrame()->dayWindows().isEmpty());
        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), qsizetype(1));
        QVERIFY(shown.at(0).contains(QStringLiteral("broken.ypd")));
    }

    void aTimingRunQuitsOnceTheDayIsPainted()
    {
        const auto app = start({QStringLiteral("--quit-when-painted"), goldenDay()});
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(app->mainFrame()->dayWindows().size(), qsizetype(1));
    }

    void dataFilesThatCannotBeUsedAreReportedOnce()
    {
        std::filesystem::create_directory(m_dir->file("userfood.txt"));
        std::filesystem::create_directory(m_dir->file("fad.dat"));
        const auto app = start({});
        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), qsizetype(2));
        QVERIFY2(shown.at(0).contains(QStringLiteral("userfood.txt")), qPrintable(shown.at(0)));
        QVERIFY2(shown.at(1).contains(QStringLiteral("fad.dat")), qPrintable(shown.at(1)));
        // A warning box would sit under the splash, so there is none.
        QVERIFY(app->splash() == nullptr);
        QCOMPARE(app->mainFrame()->dayWindows().size(), qsizetype(1));
    }

    void profileWarningsFromBeforeTheStartAreShown()
    {
        auto app = std::make_unique<CDietApp>(m_dir->path(), mw::test::profileWithAnalysisSettings());
        app->addStartupWarning(QStringLiteral("profile trouble"));
        app->start(parseCommandLine({}));
        QCOMPARE(Prompts::takeShownMessages(), QStringList({QStringLiteral("profile trouble")}));
    }

    void aFirstStartAsksItsQuestionsWithoutTheSplash()
    {
        QStringList asked;
        mw::test::whenDialogOpens([&asked](QDialog* caloricNeed) {
            asked.append(QString::fromLatin1(caloricNeed->metaObject()->className()));
            mw::test::whenDialogOpens([&asked](QDialog* preferences) {
                asked.append(QString::fromLatin1(preferences->metaObject()->className()));
                preferences->accept();
            });
            caloricNeed->accept();
        });
        CDietApp app(m_dir->path(), std::make_unique<mw::MemorySettings>());
        app.start(parseCommandLine({}));
        QCOMPARE(asked, QStringList({QStringLiteral("mw::gui::CCaloricNeedDlg"),
                                     QStringLiteral("mw::gui::CIntakePreferenceDlg")}));
        QVERIFY(app.splash() == nullptr);
        QCOMPARE(app.mainFrame()->dayWindows().size(), qsizetype(1));
        QVERIFY(mw::hasStoredPreferences(app.context().settings()));
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
