#include "print_nutrients_dialog.h"

#include "dialog_test_support.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>

using mw::MemorySettings;
using mw::gui::CPrintNutrientsDlg;
using mw::gui::Prompts;
using mw::test::clickBox;
using mw::test::clickOk;
using mw::test::nutrientBox;
using mw::test::tickedText;

namespace {

std::unique_ptr<CPrintNutrientsDlg> openDialog(MemorySettings& settings)
{
    return mw::test::openDialog<CPrintNutrientsDlg>(settings);
}

std::string storedText(const MemorySettings& settings)
{
    return settings.readText(mw::setting::kPrintedNutrients.section, mw::setting::kPrintedNutrients.key, "<missing>");
}

const std::string kAll(28, '1');

} // namespace

class PrintNutrientsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void freshProfileTicksAllInThreeColumns()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Select Nutrients for Printing"));
        QCOMPARE(tickedText(*dialog), kAll);
        QCOMPARE(nutrientBox(*dialog, 0)->text(), QStringLiteral("Weight"));
        QCOMPARE(nutrientBox(*dialog, 1)->text(), QStringLiteral("Energy"));
        QCOMPARE(nutrientBox(*dialog, 6)->text(), QStringLiteral("MonoUnsat Fat"));
        QCOMPARE(nutrientBox(*dialog, 27)->text(), QStringLiteral("Alcohol"));

        // Ten, ten and eight boxes, top to bottom in each column.
        QCOMPARE(nutrientBox(*dialog, 10)->y(), nutrientBox(*dialog, 0)->y());
        QCOMPARE(nutrientBox(*dialog, 20)->y(), nutrientBox(*dialog, 0)->y());
        QVERIFY(nutrientBox(*dialog, 10)->x() > nutrientBox(*dialog, 9)->x());
        QVERIFY(nutrientBox(*dialog, 20)->x() > nutrientBox(*dialog, 19)->x());
        QCOMPARE(nutrientBox(*dialog, 19)->x(), nutrientBox(*dialog, 10)->x());
        QCOMPARE(nutrientBox(*dialog, 27)->y(), nutrientBox(*dialog, 7)->y());
        QVERIFY(settings.empty());
    }

    // The boxes show what will be printed: a nutrient past the end of a shorter text is printed.
    void storedTextsTickWhatIsPrinted_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("ticked");
        QTest::newRow("empty") << QString() << QString::fromStdString(kAll);
        QTest::newRow("five zeros and two ones")
            << QStringLiteral("0000011") << QStringLiteral("0000011111111111111111111111");
        QTest::newRow("all 28") << QStringLiteral("1010101010101010101010101010")
                                << QStringLiteral("1010101010101010101010101010");
        QTest::newRow("other characters are not 1")
            << QStringLiteral("x1 y") << QStringLiteral("0100111111111111111111111111");
        QTest::newRow("longer than 28") << QStringLiteral("00000000000000000000000000001111")
                                        << QStringLiteral("0000000000000000000000000000");
    }

    void storedTextsTickWhatIsPrinted()
    {
        QFETCH(QString, stored);
        QFETCH(QString, ticked);
        MemorySettings settings;
        QVERIFY(!settings.writeText(mw::setting::kPrintedNutrients.section, mw::setting::kPrintedNutrients.key,
                                    stored.toStdString()));
        const auto dialog = openDialog(settings);
        QCOMPARE(tickedText(*dialog), ticked.toStdString());
        QCOMPARE(dialog->selection(), mw::printedNutrients(settings));
    }

    void okStoresAll28()
    {
        MemorySettings settings;
        QVERIFY(!settings.writeText(mw::setting::kPrintedNutrients.section, mw::setting::kPrintedNutrients.key, "01"));
        const auto dialog = openDialog(settings);
        clickBox(nutrientBox(*dialog, 1));
        clickBox(nutrientBox(*dialog, 27));
        clickBox(nutrientBox(*dialog, 0));
        clickOk(*dialog);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(storedText(settings), std::string("1011111111111111111111111110"));
    }

    void okWithEverythingTickedStillWritesTheText()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        clickOk(*dialog);
        QCOMPARE(storedText(settings), kAll);
    }
};

QTEST_MAIN(PrintNutrientsDialogTest)
#include "print_nutrients_dialog_test.moc"
