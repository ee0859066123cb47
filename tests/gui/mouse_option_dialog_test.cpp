#include "mouse_option_dialog.h"

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

namespace {

std::unique_ptr<CMouseOptionDlg> openDialog(MemorySettings& settings)
{
    auto dialog = std::make_unique<CMouseOptionDlg>(settings);
    dialog->open();
    return dialog;
}

QComboBox* choiceList(const QDialog& dialog, const char* name)
{
    auto* list = dialog.findChild<QComboBox*>(QLatin1String(name));
    if (!list) {
        qFatal("no list %s", name);
    }
    return list;
}

void clickOk(const QDialog& dialog)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
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

    void numbersThatNameNoChoiceShowAsOff()
    {
        MemorySettings settings;
        storeRaw(settings, 4, -1);
        const auto dialog = openDialog(settings);
        QCOMPARE(choiceList(*dialog, "leftComboBox")->currentIndex(), 0);
        QCOMPARE(choiceList(*dialog, "rightComboBox")->currentIndex(), 0);
        clickOk(*dialog);
        QCOMPARE(mw::mouseOptions(settings), (MouseOptions{MouseChoice::kOff, MouseChoice::kOff}));
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

    void escapeStoresNothing()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        QTest::keyClick(choiceList(*dialog, "leftComboBox"), Qt::Key_Down);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(settings.empty());
    }
};

QTEST_MAIN(MouseOptionDialogTest)
#include "mouse_option_dialog_test.moc"
