#include "generator_options_dialog.h"

#include "dialog_test_support.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using mw::MemorySettings;
using mw::gui::CGeneratorOptionsDlg;
using mw::gui::Prompts;
using mw::test::clickOk;

namespace {

QLineEdit* caloriesEdit(const QDialog& dialog)
{
    return mw::test::child<QLineEdit>(dialog, QStringLiteral("caloriesEdit"));
}

QCheckBox* randomMenuBox(const QDialog& dialog)
{
    return dialog.findChild<QCheckBox*>(QStringLiteral("randomMenuBox"));
}

// Typing a target means choosing one rather than a random menu.
void typeInto(QLineEdit* field, const QString& text)
{
    randomMenuBox(*qobject_cast<QDialog*>(field->window()))->setChecked(false);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

std::string storedText(const MemorySettings& settings)
{
    return settings.readText(mw::setting::kMenuTargetCalories.section, mw::setting::kMenuTargetCalories.key,
                             "<missing>");
}

std::unique_ptr<CGeneratorOptionsDlg> openDialog(MemorySettings& settings)
{
    return mw::test::openDialog<CGeneratorOptionsDlg>(settings);
}

} // namespace

class GeneratorOptionsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void opensWithTheStoredTargetInRange_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("random");
        QTest::newRow("missing: random menu") << QString() << QStringLiteral("800") << true;
        QTest::newRow("0: random menu") << QStringLiteral("0") << QStringLiteral("800") << true;
        QTest::newRow("in range") << QStringLiteral("2000") << QStringLiteral("2000") << false;
        QTest::newRow("negative") << QStringLiteral("-40") << QStringLiteral("800") << false;
        QTest::newRow("not a number") << QStringLiteral("lots") << QStringLiteral("800") << true;
    }

    void opensWithTheStoredTargetInRange()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(bool, random);
        MemorySettings settings;
        if (!stored.isNull()) {
            QVERIFY(!settings.writeText(mw::setting::kMenuTargetCalories.section, mw::setting::kMenuTargetCalories.key,
                                        stored.toStdString()));
        }
        const int writes = settings.writeCount();
        const auto dialog = openDialog(settings);

        QCOMPARE(caloriesEdit(*dialog)->text(), shown);
        QCOMPARE(randomMenuBox(*dialog)->isChecked(), random);
        QCOMPARE(caloriesEdit(*dialog)->isEnabled(), !random);
        QCOMPARE(settings.writeCount(), writes);
        QVERIFY(!dialog->calories());
    }

    void hasOkCancelAndItsIcon()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 2);
        QVERIFY(buttons.front()->isDefault());
        auto* icon = dialog->findChild<QLabel*>(QStringLiteral("generatorIcon"));
        QVERIFY(icon);
        QVERIFY(!icon->pixmap().isNull());
    }

    // Blanks around the number are no fault, and both bounds are allowed; Return is OK too.
    void aGoodTargetIsStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("byReturn");
        QTest::newRow("blanks around") << QStringLiteral(" 1850 ") << 1850 << false;
        QTest::newRow("lowest") << QStringLiteral("800") << 800 << true;
        QTest::newRow("highest") << QStringLiteral("3000") << 3000 << false;
    }

    void aGoodTargetIsStored()
    {
        QFETCH(QString, typed);
        QFETCH(int, target);
        QFETCH(bool, byReturn);
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        typeInto(caloriesEdit(*dialog), typed);
        if (byReturn) {
            QTest::keyClick(caloriesEdit(*dialog), Qt::Key_Return);
        } else {
            clickOk(*dialog);
        }
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->calories(), std::optional<int>(target));
        QCOMPARE(storedText(settings), std::to_string(target));
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void aBadTargetIsReportedAndNothingIsStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral("Please enter an integer between 800 and 3000.");
        const QString positive = QStringLiteral("Please enter a positive integer.");
        QTest::newRow("below") << QStringLiteral("799") << range;
        QTest::newRow("above") << QStringLiteral("3001") << range;
        QTest::newRow("zero") << QStringLiteral("0") << range;
        QTest::newRow("negative") << QStringLiteral("-1200") << range;
        QTest::newRow("more digits than fit") << QStringLiteral("99999999999999999999") << range;
        QTest::newRow("empty") << QString() << positive;
        QTest::newRow("words") << QStringLiteral("lots") << positive;
        QTest::newRow("decimal") << QStringLiteral("1500.5") << positive;
        QTest::newRow("comma") << QStringLiteral("1,500") << positive;
    }

    void aBadTargetIsReportedAndNothingIsStored()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        QLineEdit* edit = caloriesEdit(*dialog);
        typeInto(edit, typed);
        clickOk(*dialog);

        QCOMPARE(Prompts::takeShownMessages(), QStringList{message});
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->focusWidget(), edit);
        QCOMPARE(edit->selectedText(), edit->text());
        QVERIFY(settings.empty());
        QVERIFY(!dialog->calories());

        typeInto(edit, QStringLiteral("1200"));
        clickOk(*dialog);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(storedText(settings), std::string("1200"));
    }

    void okKeepsARandomMenuAndTicksOneBack()
    {
        MemorySettings settings;
        clickOk(*openDialog(settings));
        QCOMPARE(storedText(settings), std::string("0"));
        QVERIFY(!mw::storeMenuTargetCalories(settings, 1500));
        const auto dialog = openDialog(settings);
        randomMenuBox(*dialog)->setChecked(true);
        clickOk(*dialog);
        QCOMPARE(dialog->calories(), std::optional<int>(0));
        QCOMPARE(mw::menuTargetCalories(settings), 0);
    }
};

QTEST_MAIN(GeneratorOptionsDialogTest)
#include "generator_options_dialog_test.moc"
