#include "prompts.h"

#include <QFontDatabase>
#include <QTest>

using mw::gui::Prompts;

class PromptsTest : public QObject
{
    Q_OBJECT

private slots:
    void scriptedQuestionsTakeQueuedAnswersThenTheDefault()
    {
        Prompts::setScripted(true);
        Prompts::setNextAnswer(QMessageBox::No);
        QCOMPARE(Prompts::question(nullptr, QStringLiteral("t"), QStringLiteral("first"),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
                 QMessageBox::No);
        QCOMPARE(Prompts::question(nullptr, QStringLiteral("t"), QStringLiteral("second"),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
                 QMessageBox::Yes);
        Prompts::warning(nullptr, QStringLiteral("t"), QStringLiteral("third"));
        QCOMPARE(Prompts::takeShownMessages(),
                 QStringList({QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}));
        QVERIFY(Prompts::openFileName(nullptr, QStringLiteral("c"), QString()).isEmpty());
        Prompts::setNextFileName(QStringLiteral("/tmp/day.ypd"));
        QCOMPARE(Prompts::saveFileName(nullptr, QStringLiteral("c"), QString(), QString()),
                 QStringLiteral("/tmp/day.ypd"));
    }

    void fontsAreInstalledSoTextIsReadable() { QVERIFY(!QFontDatabase::families().isEmpty()); }
};

QTEST_MAIN(PromptsTest)
#include "prompts_test.moc"
