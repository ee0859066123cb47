#include "fat_warning_dialog.h"

#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>
#include <optional>
#include <string>

using mw::MemorySettings;
using mw::gui::CFatWarningDlg;
using mw::gui::Prompts;

namespace {

std::unique_ptr<CFatWarningDlg> openDialog(MemorySettings& settings)
{
    auto dialog = std::make_unique<CFatWarningDlg>(settings);
    dialog->open();
    return dialog;
}

QSpinBox* percentBox(const QDialog& dialog)
{
    auto* box = dialog.findChild<QSpinBox*>(QStringLiteral("percentSpinBox"));
    if (!box) {
        qFatal("no percent spin box");
    }
    return box;
}

void clickOk(const QDialog& dialog)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void press(QSpinBox* box, Qt::Key key, int times)
{
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(box, key);
    }
}

std::optional<std::string> storedPercent(const MemorySettings& settings)
{
    return settings.readValue(mw::setting::kFatWarningPercent.section, mw::setting::kFatWarningPercent.key);
}

} // namespace

class FatWarningDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void freshProfileShowsThirtyPercentInARangeUpTo99()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("SET FAT WARNING LEVEL"));
        QCOMPARE(percentBox(*dialog)->value(), 30);
        QCOMPARE(percentBox(*dialog)->minimum(), 0);
        QCOMPARE(percentBox(*dialog)->maximum(), 99);
        QVERIFY(settings.empty());
    }

    void storedLevelsOutsideTheRangeShowAsTheNearerEnd_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("in range") << QStringLiteral("45") << 45;
        QTest::newRow("above 99") << QStringLiteral("150") << 99;
        QTest::newRow("negative") << QStringLiteral("-5") << 0;
        QTest::newRow("not a number") << QStringLiteral("lots") << 0;
    }

    void storedLevelsOutsideTheRangeShowAsTheNearerEnd()
    {
        QFETCH(QString, stored);
        QFETCH(int, shown);
        MemorySettings settings;
        QVERIFY(!settings.writeText(mw::setting::kFatWarningPercent.section, mw::setting::kFatWarningPercent.key,
                                    stored.toStdString()));
        const auto dialog = openDialog(settings);
        QCOMPARE(percentBox(*dialog)->value(), shown);
    }

    void arrowsStepByOneAndStopAtTheEnds()
    {
        MemorySettings settings;
        QVERIFY(!mw::storeFatWarningPercent(settings, 97));
        const auto dialog = openDialog(settings);
        QSpinBox* box = percentBox(*dialog);
        press(box, Qt::Key_Up, 1);
        QCOMPARE(box->value(), 98);
        press(box, Qt::Key_Up, 5);
        QCOMPARE(box->value(), 99);
        press(box, Qt::Key_Down, 120);
        QCOMPARE(box->value(), 0);
    }

    void okStoresTheLevel()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        press(percentBox(*dialog), Qt::Key_Up, 5);
        clickOk(*dialog);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(storedPercent(settings), std::optional<std::string>("35"));
        QCOMPARE(mw::fatWarningPercent(settings), 35);
    }

    void typedLevelCountsOnOk()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        QSpinBox* box = percentBox(*dialog);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("12"));
        clickOk(*dialog);
        QCOMPARE(mw::fatWarningPercent(settings), 12);
    }

    void escapeStoresNothing()
    {
        MemorySettings settings;
        QVERIFY(!mw::storeFatWarningPercent(settings, 40));
        const auto dialog = openDialog(settings);
        press(percentBox(*dialog), Qt::Key_Down, 10);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(mw::fatWarningPercent(settings), 40);
        QCOMPARE(settings.writeCount(), 1);
    }
};

QTEST_MAIN(FatWarningDialogTest)
#include "fat_warning_dialog_test.moc"
