#include "frame_texts.h"
#include "qt_bridge.h"

#include "support/temp_dir.h"

#include <QFile>
#include <QMap>
#include <QTest>
#include <QXmlStreamReader>

// The menu entry and the file type must agree with each other and with the program, or a day file
// double-clicked in a file manager does not reach it.
class DesktopIntegrationTest : public QObject
{
    Q_OBJECT

private:
    static QString source(const char* relative) { return mw::fromPath(mw::test::sourcePath(relative)); }

    static QMap<QString, QString> desktopEntry()
    {
        QFile file(source("resources/mealwright.desktop"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            return {};
        }
        QMap<QString, QString> keys;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        if (lines.value(0) != QStringLiteral("[Desktop Entry]")) {
            return {};
        }
        for (const QString& line : lines.mid(1)) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0) {
                keys.insert(line.left(equals), line.mid(equals + 1));
            }
        }
        return keys;
    }

    struct MimeType
    {
        QString name;
        QStringList globs;
    };

    static MimeType mimeType()
    {
        QFile file(source("resources/mealwright-mime.xml"));
        MimeType found;
        if (!file.open(QIODevice::ReadOnly)) {
            return found;
        }
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("mime-type")) {
                found.name = xml.attributes().value(QLatin1String("type")).toString();
            } else if (xml.name() == QLatin1String("glob")) {
                found.globs.append(xml.attributes().value(QLatin1String("pattern")).toString());
            }
        }
        return xml.hasError() ? MimeType{} : found;
    }

private slots:
    void theMenuEntryStartsTheProgramWithTheFiles()
    {
        const QMap<QString, QString> entry = desktopEntry();
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Name")), mw::toQString(mw::gui::texts::kMainFrameTitle));
        QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("mealwright %F"));
        QCOMPARE(entry.value(QStringLiteral("Icon")), QStringLiteral("mealwright"));
        QVERIFY(QFile::exists(source("resources/icons/mealwright.svg")));
        QVERIFY(entry.value(QStringLiteral("Categories")).endsWith(QLatin1Char(';')));
    }

    void theDayFileTypeIsTheOneTheEntryOpens()
    {
        const MimeType type = mimeType();
        QCOMPARE(type.name, QStringLiteral("application/x-mealwright-day"));
        QCOMPARE(type.globs, QStringList({QLatin1Char('*') + mw::toQString(mw::gui::texts::kDayFileExtension)}));
        QCOMPARE(desktopEntry().value(QStringLiteral("MimeType")), type.name + QLatin1Char(';'));
    }
};

QTEST_GUILESS_MAIN(DesktopIntegrationTest)
#include "desktop_integration_test.moc"
