#include "mouse_option_dialog.h"

#include "dialog_test_support.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <memory>

using mw::MemorySettings;
using mw::MouseChoice;
using mw::MouseOptions;
using mw::gui::CMouseOptionDlg;
using mw::gui::Prompts;
using mw::test::clickOk;

namespace {

std::unique_ptr<CMouseOptionDlg> openDialog(MemorySettings& settings)
{
    return mw::test::openDialog<CMouseOptionDlg>(settings);
}

QComboBox* choiceList(const QDialog& dialog, const char* name)
{
    return mw::test::child<QComboBox>(dialog, QLatin1String(name));
}

void storeRaw(MemorySettings& settings, int left, int right)
{
    QVERIFY(!settings.writeInt(mw::setting::kMouseLeft.section, mw::setting::kMouseLeft.key, left));
    QVERIFY(!settings.writeInt(mw::setting::kMouseRight.section, mw::setting::kMouseRight.key, right));
}

} // namespace

class MouseOptionDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void freshProfileOffersServingsLeftAndOuncesRight()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Set Mouse Button Option"));
        QComboBox* left = choiceList(*dialog, "leftComboBox");
        QComboBox* right = choiceList(*dialog, "rightComboBox");
        QCOMPARE(left->count(), 4);
        QCOMPARE(right->count(), 4);
        const QStringList choices = {QStringLiteral("Off"), QStringLiteral("Serving portion"), QStringLiteral("Ounce"),
                                     QStringLiteral("Gram")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(left->itemText(i), choices[i]);
            QCOMPARE(right->itemText(i), choices[i]);
        }
        QCOMPARE(left->currentText(), QStringLiteral("Serving portion"));
        QCOMPARE(right->currentText(), QStringLiteral("Ounce"));
        QVERIFY(settings.empty());
    }

    void storedChoicesAreSelected()
    {
        MemorySettings settings;
        storeRaw(settings, 3, 0);
        const auto dialog = openDialog(settings);
        QCOMPARE(choiceList(*dialog, "leftComboBox")->currentText(), QStringLiteral("Gram"));
        QCOMPARE(choiceList(*dialog, "rightComboBox")->currentText(), QStringLiteral("Off"));
        QCOMPARE(dialog->options(), (MouseOptions{MouseChoice::kGram, MouseChoice::kOff}));
    }

    void okStoresBothButtons()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        QTest::keyClick(choiceList(*dialog, "leftComboBox"), Qt::Key_Down);
        QTest::keyClick(choiceList(*dialog, "rightComboBox"), Qt::Key_Up);
        QTest::keyClick(choiceList(*dialog, "rightComboBox"), Qt::Key_Up);
        clickOk(*dialog);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(settings.readInt(mw::setting::kMouseLeft.section, mw::setting::kMouseLeft.key, -1), 2);
        QCOMPARE(settings.readInt(mw::setting::kMouseRight.section, mw::setting::kMouseRight.key, -1), 0);
        QCOMPARE(settings.writeCount(), 1);
    }
};

QTEST_MAIN(MouseOptionDialogTest)
#include "mouse_option_dialog_test.moc"
