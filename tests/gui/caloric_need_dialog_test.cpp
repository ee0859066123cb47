#include "caloric_need_dialog.h"

#include "dialog_test_support.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>
#include <system_error>

using mw::MemorySettings;
using mw::gui::CCaloricNeedDlg;
using mw::gui::Prompts;
using mw::test::child;
using mw::test::clickButton;
using mw::test::press;

namespace {

QSpinBox* spinBox(const QDialog& dialog, const char* name)
{
    return child<QSpinBox>(dialog, QLatin1String(name));
}

QString labelText(const QDialog& dialog, const QString& name)
{
    const auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

QString requirementText(const QDialog& dialog, int nutrient)
{
    return labelText(dialog, QStringLiteral("requirementValue%1").arg(nutrient));
}

std::unique_ptr<CCaloricNeedDlg> openDialog(MemorySettings& settings)
{
    return mw::test::openDialog<CCaloricNeedDlg>(settings);
}

} // namespace

class CaloricNeedDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void freshProfileOpensWithDefaultsAndTheirRequirements()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);

        QCOMPARE(spinBox(*dialog, "ageSpinBox")->value(), 40);
        QCOMPARE(spinBox(*dialog, "idealWeightSpinBox")->value(), 160);
        QCOMPARE(spinBox(*dialog, "idealWeightSpinBox")->minimum(), 70);
        QCOMPARE(spinBox(*dialog, "idealWeightSpinBox")->maximum(), 300);
        QCOMPARE(spinBox(*dialog, "activitySpinBox")->value(), 5);
        QCOMPARE(labelText(*dialog, QStringLiteral("kilogramsLabel")), QStringLiteral("72"));
        auto* category = dialog->findChild<QComboBox*>(QStringLiteral("categoryComboBox"));
        QCOMPARE(category->count(), 5);
        QCOMPARE(category->currentText(), QStringLiteral("Male"));
        QVERIFY(category->isEnabled());

        QCOMPARE(requirementText(*dialog, mw::kCalories), QStringLiteral("2604"));
        QCOMPARE(labelText(*dialog, QStringLiteral("energyValue")), QStringLiteral("10936"));
        QCOMPARE(requirementText(*dialog, mw::kProtein), QStringLiteral("58"));
        QCOMPARE(requirementText(*dialog, mw::kPotassium), QStringLiteral("2500"));
        QCOMPARE(labelText(*dialog, QStringLiteral("alcoholValue")), QStringLiteral("0"));
        QVERIFY(settings.empty());
    }

    void everyStepRecomputesTheRequirements()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);

        QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("categoryComboBox")), Qt::Key_Down);
        press(spinBox(*dialog, "ageSpinBox"), Qt::Key_Down, 10);
        press(spinBox(*dialog, "idealWeightSpinBox"), Qt::Key_Down, 30);
        press(spinBox(*dialog, "activitySpinBox"), Qt::Key_Down, 2);

        QCOMPARE(dialog->form().inputs(), (mw::CaloricNeedInputs{30, 130, 3, mw::kFemale}));
        QCOMPARE(requirementText(*dialog, mw::kCalories), QStringLiteral("1825"));
        QCOMPARE(requirementText(*dialog, mw::kProtein), QStringLiteral("47"));
        QCOMPARE(labelText(*dialog, QStringLiteral("kilogramsLabel")), QStringLiteral("58"));
        QCOMPARE(labelText(*dialog, QStringLiteral("energyValue")), QStringLiteral("7665"));
    }

    void childAgesNarrowTheRangesAndDisableTheCategory()
    {
        MemorySettings settings;
        QVERIFY(!mw::storeCaloricNeed(settings, {12, 160, 9, mw::kFemale}));
        const auto dialog = openDialog(settings);
        QSpinBox* age = spinBox(*dialog, "ageSpinBox");
        QSpinBox* weight = spinBox(*dialog, "idealWeightSpinBox");
        QSpinBox* activity = spinBox(*dialog, "activitySpinBox");
        auto* category = dialog->findChild<QComboBox*>(QStringLiteral("categoryComboBox"));
        QCOMPARE(activity->maximum(), 10);

        press(age, Qt::Key_Down, 2);
        QCOMPARE(age->value(), 10);
        QVERIFY(!category->isEnabled());
        QCOMPARE(category->currentIndex(), int(mw::kFemale)); // kept while disabled
        QCOMPARE(weight->minimum(), 30);
        QCOMPARE(weight->maximum(), 150);
        QCOMPARE(weight->value(), 150);
        QCOMPARE(activity->minimum(), 4);
        QCOMPARE(activity->maximum(), 7);
        QCOMPARE(activity->value(), 7);

        press(age, Qt::Key_Up, 1);
        QCOMPARE(age->value(), 11);
        QVERIFY(category->isEnabled());
        QCOMPARE(activity->maximum(), 7);
        press(age, Qt::Key_Up, 1);
        QCOMPARE(activity->maximum(), 10);
    }

    void typedAgeMovesTheOtherValuesAsArrowClicksWouldAndEnterConfirms()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        QSpinBox* age = spinBox(*dialog, "ageSpinBox");
        QTest::keyClick(age, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(age, QStringLiteral("3"));
        QCOMPARE(dialog->form().age(), 40); // nothing counts until the number is finished
        QTest::keyClick(age, Qt::Key_Return);

        QCOMPARE(dialog->form().inputs(), (mw::CaloricNeedInputs{3, 70, 5, mw::kMale}));
        QCOMPARE(spinBox(*dialog, "idealWeightSpinBox")->maximum(), 70);
        QVERIFY(!dialog->findChild<QComboBox*>(QStringLiteral("categoryComboBox"))->isEnabled());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(settings.readInt(mw::setting::kAge.section, mw::setting::kAge.key, -1), 3);
        QCOMPARE(settings.readInt(mw::setting::kIdealWeight.section, mw::setting::kIdealWeight.key, -1), 70);
    }

    void okStoresAllFiveKeys()
    {
        MemorySettings settings;
        const auto dialog = openDialog(settings);
        auto* category = dialog->findChild<QComboBox*>(QStringLiteral("categoryComboBox"));
        QTest::keyClick(category, Qt::Key_Down);
        QTest::keyClick(category, Qt::Key_Down);
        press(spinBox(*dialog, "ageSpinBox"), Qt::Key_Down, 12);
        press(spinBox(*dialog, "idealWeightSpinBox"), Qt::Key_Down, 20);
        press(spinBox(*dialog, "activitySpinBox"), Qt::Key_Down, 1);
        QCOMPARE(requirementText(*dialog, mw::kCalories), QStringLiteral("2391"));
        QCOMPARE(requirementText(*dialog, mw::kFolate), QStringLiteral("400"));

        clickButton(*dialog, QDialogButtonBox::Ok);

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(settings.readInt(mw::setting::kAge.section, mw::setting::kAge.key, -1), 28);
        QCOMPARE(settings.readInt(mw::setting::kDialogWeight.section, mw::setting::kDialogWeight.key, -1), 140);
        QCOMPARE(settings.readInt(mw::setting::kIdealWeight.section, mw::setting::kIdealWeight.key, -1), 140);
        QCOMPARE(settings.readInt(mw::setting::kActivity.section, mw::setting::kActivity.key, -1), 4);
        QCOMPARE(settings.readInt(mw::setting::kSexCategory.section, mw::setting::kSexCategory.key, -1),
                 int(mw::kPregnant));
        QCOMPARE(settings.writeCount(), 1);
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void acceptingUnsavedInputsClosesWithoutAWord()
    {
        MemorySettings settings;
        settings.failWritesWith(std::make_error_code(std::errc::no_space_on_device));
        const auto dialog = openDialog(settings);
        dialog->setAcceptUnsaved(true);
        press(spinBox(*dialog, "activitySpinBox"), Qt::Key_Up, 1);
        clickButton(*dialog, QDialogButtonBox::Ok);

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->storeError(), std::make_error_code(std::errc::no_space_on_device));
        QCOMPARE(dialog->form().activity(), 6);
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QVERIFY(settings.empty());
    }
};

QTEST_MAIN(CaloricNeedDialogTest)
#include "caloric_need_dialog_test.moc"
