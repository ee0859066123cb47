#include "healthy_weight_dialog.h"

#include "dialog_test_support.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

using mw::MemorySettings;
using mw::gui::CHealthyWeightDlg;
using mw::gui::Prompts;

namespace {

template <typename T>
T* child(const QDialog& dialog, const char* name)
{
    return mw::test::child<T>(dialog, QLatin1String(name));
}

QString text(const QDialog& dialog, const char* name)
{
    return child<QLabel>(dialog, name)->text();
}

void click(const QDialog& dialog, const char* name, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
    }
}

bool checked(const QDialog& dialog, const char* name)
{
    return child<QRadioButton>(dialog, name)->isChecked();
}

void store(MemorySettings& settings, int height, int age, int sex)
{
    QVERIFY(!settings.writeInt(mw::setting::kHeightInches.section, mw::setting::kHeightInches.key, height));
    QVERIFY(
        !settings.writeInt(mw::setting::kHealthyWeightAgeGroup.section, mw::setting::kHealthyWeightAgeGroup.key, age));
    QVERIFY(!settings.writeInt(mw::setting::kHealthyWeightSex.section, mw::setting::kHealthyWeightSex.key, sex));
}

int stored(const MemorySettings& settings, std::string_view key)
{
    return settings.readInt(mw::setting::kRecommendedWeight, key, -1);
}

std::unique_ptr<CHealthyWeightDlg> openDialog(MemorySettings& settings)
{
    return mw::test::openDialog<CHealthyWeightDlg>(settings);
}

} // namespace

class HealthyWeightDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void freshProfileOpensAsATallManOverThirtyFour()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);

        QCOMPARE(text(*dialog, "heightLabel"), QStringLiteral("5'10\"  or  177 cm"));
        QVERIFY(checked(*dialog, "maleRadio"));
        QVERIFY(!checked(*dialog, "femaleRadio"));
        QVERIFY(checked(*dialog, "over34Radio"));
        QVERIFY(!checked(*dialog, "age19To34Radio"));
        QCOMPARE(text(*dialog, "guidelines1989Label"), QStringLiteral("156 - 190 lbs  or  70 - 86 kg"));
        QCOMPARE(text(*dialog, "guidelines1996Label"), QStringLiteral("140 - 175 lbs  or  63 - 79 kg"));
        QVERIFY(settings.empty());
        // Only OK: Escape is the way out without storing.
        QCOMPARE(dialog->findChildren<QPushButton*>().size(), 1);
    }

    void clicksRecomputeBothLines()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        click(*dialog, "femaleRadio");
        click(*dialog, "age19To34Radio");
        click(*dialog, "heightDownButton", 6);

        QVERIFY(!checked(*dialog, "maleRadio"));
        QVERIFY(!checked(*dialog, "over34Radio"));
        QCOMPARE(text(*dialog, "heightLabel"), QStringLiteral("5'4\"  or  162 cm"));
        QCOMPARE(text(*dialog, "guidelines1989Label"), QStringLiteral("112 - 138 lbs  or  50 - 62 kg"));
        QCOMPARE(text(*dialog, "guidelines1996Label"), QStringLiteral("112 - 138 lbs  or  50 - 62 kg"));

        // The 1996 line ignores the age group.
        click(*dialog, "over34Radio");
        QCOMPARE(dialog->form().inputs(), (mw::HealthyWeightInputs{64, false, true}));
        QCOMPARE(text(*dialog, "guidelines1996Label"), QStringLiteral("112 - 138 lbs  or  50 - 62 kg"));
        QVERIFY(text(*dialog, "guidelines1989Label") != text(*dialog, "guidelines1996Label"));
        QVERIFY(settings.empty());
    }

    void theHeightStopsAtBothEnds()
    {
        MemorySettings settings;
        store(settings, 58, 0, 1);
        const auto dialog = openDialog(settings);
        click(*dialog, "heightDownButton", 3);

        QCOMPARE(dialog->form().heightInches(), 57);
        QVERIFY(!child<QToolButton>(*dialog, "heightDownButton")->isEnabled());
        QCOMPARE(text(*dialog, "guidelines1989Label"), QStringLiteral("96 - 115 lbs  or  43 - 52 kg"));
        QCOMPARE(text(*dialog, "guidelines1996Label"), QStringLiteral("86 - 106 lbs  or  39 - 48 kg"));

        click(*dialog, "heightUpButton", 40);
        QCOMPARE(dialog->form().heightInches(), 84);
        QCOMPARE(text(*dialog, "heightLabel"), QStringLiteral("7'0\"  or  213 cm"));
        QVERIFY(!child<QToolButton>(*dialog, "heightUpButton")->isEnabled());
        QVERIFY(child<QToolButton>(*dialog, "heightDownButton")->isEnabled());
    }

    void okStoresTheThreeValuesInTheirOwnSection()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        click(*dialog, "femaleRadio");
        click(*dialog, "age19To34Radio");
        click(*dialog, "heightUpButton", 2);
        click(*dialog, "okButton");

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(stored(settings, mw::setting::kHeightInches.key), 72);
        QCOMPARE(stored(settings, mw::setting::kHealthyWeightAgeGroup.key), 1);
        QCOMPARE(stored(settings, mw::setting::kHealthyWeightSex.key), 1);

        const auto reopened = openDialog(settings);
        QCOMPARE(reopened->form().inputs(), (mw::HealthyWeightInputs{72, true, true}));
        QVERIFY(checked(*reopened, "femaleRadio"));
        QVERIFY(checked(*reopened, "age19To34Radio"));
    }
};

QTEST_MAIN(HealthyWeightDialogTest)
#include "healthy_weight_dialog_test.moc"
