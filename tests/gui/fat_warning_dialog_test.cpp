#include "fat_warning_dialog.h"

#include "dialog_test_support.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>
#include <string>

using mw::MemorySettings;
using mw::gui::CFatWarningDlg;
using mw::gui::Prompts;
using mw::test::clickOk;
using mw::test::press;

namespace {

std::unique_ptr<CFatWarningDlg> openDialog(MemorySettings& settings)
{
    return mw::test::openDialog<CFatWarningDlg>(settings);
}

QSpinBox* percentBox(const QDialog& dialog)
{
    return mw::test::child<QSpinBox>(dialog, QStringLiteral("percentSpinBox"));
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

    void typedLevelCountsOnOk()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        QSpinBox* box = percentBox(*dialog);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("12"));
        clickOk(*dialog);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(settings.readText(mw::setting::kFatWarningPercent.section, mw::setting::kFatWarningPercent.key, ""),
                 std::string("12"));
    }
};

QTEST_MAIN(FatWarningDialogTest)
#include "fat_warning_dialog_test.moc"
