#include "display_nutrients_dialog.h"

#include "dialog_test_support.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

using mw::MemorySettings;
using mw::PanelLayout;
using mw::gui::CDisplayNutrientsDlg;
using mw::gui::DisplayMode;
using mw::gui::Prompts;
using mw::test::clickBox;
using mw::test::clickOk;
using mw::test::nutrientBox;
using mw::test::tickedText;

namespace {

const DisplayMode kXga{1024, {768, 16}};
const DisplayMode kVga{640, {480, 16}};
const std::string kAll(28, '1');

std::unique_ptr<CDisplayNutrientsDlg> openDialog(MemorySettings& settings, const DisplayMode& mode)
{
    return mw::test::openDialog<CDisplayNutrientsDlg>(settings, mode);
}

QCheckBox* oneColumnBox(const QDialog& dialog)
{
    return mw::test::child<QCheckBox>(dialog, QStringLiteral("oneColumnCheckBox"));
}

QString labelText(const QDialog& dialog, const char* name)
{
    const auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

std::string storedSelection(const MemorySettings& settings, const std::string& key)
{
    return settings.readText(mw::setting::kOptions, key, "<missing>");
}

} // namespace

class DisplayNutrientsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void svgaScreenOffersTheLayoutWithTheRoomOfEach()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings, kXga);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Select Nutrients to Display"));
        QCOMPARE(labelText(*dialog, "displayModeLabel"), QStringLiteral("SVGA 1024 x 768"));
        QVERIFY(oneColumnBox(*dialog)->isEnabled());
        QVERIFY(!oneColumnBox(*dialog)->isChecked());
        QCOMPARE(labelText(*dialog, "maximumItemsLabel"), QStringLiteral("48"));
        QCOMPARE(tickedText(*dialog), kAll);

        clickBox(oneColumnBox(*dialog));
        QCOMPARE(labelText(*dialog, "maximumItemsLabel"), QStringLiteral("24"));
        QCOMPARE(dialog->layout(), PanelLayout::kOneColumn);
        clickBox(oneColumnBox(*dialog));
        QCOMPARE(labelText(*dialog, "maximumItemsLabel"), QStringLiteral("48"));
        QVERIFY(settings.empty());
    }

    // The label, the layout choice and the room follow the screen, the font and a stored layout, including at the
    // edges; on a short screen the box shows the layout the panel uses, whatever is stored.
    void modesAtTheirEdges_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("stored"); // a PanelLayout, or -1 for none
        QTest::addColumn<QString>("modeText");
        QTest::addColumn<bool>("choosable");
        QTest::addColumn<bool>("oneColumn");
        QTest::addColumn<int>("maximum");
        const int one = int(PanelLayout::kOneColumn);
        const int two = int(PanelLayout::kTwoColumns);
        QTest::newRow("vga") << 640 << 480 << 16 << -1 << QStringLiteral("VGA 640 x 480") << false << true << 10;
        QTest::newRow("481 high") << 720 << 481 << 16 << -1 << QStringLiteral("SVGA 720 x 481") << false << true << 15;
        QTest::newRow("599 high") << 800 << 599 << 18 << -1 << QStringLiteral("SVGA 800 x 599") << false << true << 11;
        QTest::newRow("600 high") << 800 << 600 << 16 << -1 << QStringLiteral("SVGA 800 x 600") << true << false << 30;
        QTest::newRow("large font") << 1024 << 768 << 24 << -1 << QStringLiteral("SVGA 1024 x 768") << true << false
                                    << 32;
        // The room of the panel, not the 28 nutrients there are.
        QTest::newRow("tall screen") << 1920 << 1080 << 16 << -1 << QStringLiteral("SVGA 1920 x 1080") << true << false
                                     << 56;
        QTest::newRow("tiny screen") << 400 << 300 << 16 << -1 << QStringLiteral("VGA 400 x 300") << false << true << 5;
        QTest::newRow("one column stored")
            << 1024 << 768 << 16 << one << QStringLiteral("SVGA 1024 x 768") << true << true << 24;
        QTest::newRow("two columns stored, short screen")
            << 720 << 500 << 16 << two << QStringLiteral("SVGA 720 x 500") << false << false << 30;
    }

    void modesAtTheirEdges()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, font);
        QFETCH(int, stored);
        QFETCH(QString, modeText);
        QFETCH(bool, choosable);
        QFETCH(bool, oneColumn);
        QFETCH(int, maximum);
        MemorySettings settings;
        if (stored >= 0) {
            QVERIFY(!mw::storePanelLayout(settings, PanelLayout(stored)));
        }
        const auto dialog = openDialog(settings, DisplayMode{width, {height, font}});
        QCOMPARE(labelText(*dialog, "displayModeLabel"), modeText);
        QCOMPARE(oneColumnBox(*dialog)->isEnabled(), choosable);
        QCOMPARE(oneColumnBox(*dialog)->isChecked(), oneColumn);
        QCOMPARE(labelText(*dialog, "maximumItemsLabel"), QString::number(maximum));
    }

    void theFirstFiveStayTickedAndSaySo()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings, kXga);
        for (int nutrient = 0; nutrient < 5; ++nutrient) {
            clickBox(nutrientBox(*dialog, nutrient));
            QVERIFY(nutrientBox(*dialog, nutrient)->isChecked());
            QCOMPARE(Prompts::takeShownMessages(), QStringList{QStringLiteral("The first 5 items must be displayed.")});
        }
        nutrientBox(*dialog, 2)->setFocus();
        QTest::keyClick(nutrientBox(*dialog, 2), Qt::Key_Space);
        QVERIFY(nutrientBox(*dialog, 2)->isChecked());
        QCOMPARE(Prompts::takeShownMessages().size(), 1);

        clickBox(nutrientBox(*dialog, 5));
        QVERIFY(!nutrientBox(*dialog, 5)->isChecked());
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QVERIFY(settings.empty());
    }

    // Positions 0..4 are shown whatever the text says; positions past its end are off.
    void storedSelectionsOfTheMode_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("ticked");
        QTest::newRow("empty selects all") << QString() << QString::fromStdString(kAll);
        QTest::newRow("short") << QStringLiteral("1111101") << QStringLiteral("1111101000000000000000000000");
        QTest::newRow("first five off") << QStringLiteral("0000011111111111111111111111")
                                        << QString::fromStdString(kAll);
        QTest::newRow("all 28") << QStringLiteral("1111100000000000000000000001")
                                << QStringLiteral("1111100000000000000000000001");
    }

    void storedSelectionsOfTheMode()
    {
        QFETCH(QString, stored);
        QFETCH(QString, ticked);
        MemorySettings settings;
        QVERIFY(!settings.writeText(mw::setting::kOptions, "768x16", stored.toStdString()));
        const auto dialog = openDialog(settings, kXga);
        QCOMPARE(tickedText(*dialog), ticked.toStdString());
    }

    void eachScreenModeKeepsItsOwnSelection()
    {
        MemorySettings settings;
        QVERIFY(!settings.writeText(mw::setting::kOptions, "768x16", "11111"));
        const auto otherFont = openDialog(settings, DisplayMode{1024, {768, 20}});
        QCOMPARE(tickedText(*otherFont), kAll);
        const auto otherScreen = openDialog(settings, DisplayMode{1280, {1024, 16}});
        QCOMPARE(tickedText(*otherScreen), kAll);
        const auto same = openDialog(settings, kXga);
        QCOMPARE(tickedText(*same), std::string(5, '1') + std::string(23, '0'));
    }

    void okStoresTheSelectionAndLayoutThenTellsWhenItCounts()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings, kXga);
        clickBox(nutrientBox(*dialog, 10));
        clickBox(nutrientBox(*dialog, 27));
        clickBox(oneColumnBox(*dialog));
        clickOk(*dialog);

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(storedSelection(settings, "768x16"), std::string("1111111111011111111111111110"));
        QCOMPARE(settings.readInt(mw::setting::kOneColumn.section, mw::setting::kOneColumn.key, -1), 1);
        QCOMPARE(Prompts::takeShownMessages(),
                 QStringList{QStringLiteral("New selections will be in effect when you restart program.")});
        // What the panel will show at the next start: the first 24 selected.
        const std::vector<mw::NutrientIndex> shown =
            mw::displayedNutrients(settings, kXga.screen, mw::panelLayout(settings, 768));
        QCOMPARE(shown.size(), std::size_t(24));
        QCOMPARE(int(shown.back()), 24);
    }

    void okOnAShortScreenLeavesTheLayoutAlone()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings, kVga);
        clickBox(nutrientBox(*dialog, 9));
        clickOk(*dialog);
        QCOMPARE(storedSelection(settings, "480x16"), std::string("1111111110111111111111111111"));
        QVERIFY(!settings.readValue(mw::setting::kOneColumn.section, mw::setting::kOneColumn.key));
    }
};

QTEST_MAIN(DisplayNutrientsDialogTest)
#include "display_nutrients_dialog_test.moc"
