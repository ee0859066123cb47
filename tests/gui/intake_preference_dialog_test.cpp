#include "intake_preference_dialog.h"

#include "calc/requirements.h"
#include "dialog_test_support.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>
#include <system_error>

using mw::IntakePreferences;
using mw::MemorySettings;
using mw::gui::CIntakePreferenceDlg;
using mw::gui::Prompts;
using mw::test::clickButton;

namespace {

// A man of 40 with 160 lbs and activity 5: 2604 kcal, 58 g protein.
mw::RequirementVector manOfForty()
{
    return mw::ComputeRequirements(40, 160, 5, mw::kMale);
}

QLineEdit* fromEdit(const QDialog& dialog, int nutrient)
{
    return mw::test::child<QLineEdit>(dialog, QStringLiteral("from%1").arg(nutrient));
}

QLineEdit* toEdit(const QDialog& dialog, int nutrient)
{
    return mw::test::child<QLineEdit>(dialog, QStringLiteral("to%1").arg(nutrient));
}

QString range(const QDialog& dialog, int nutrient)
{
    return fromEdit(dialog, nutrient)->text() + QStringLiteral("..") + toEdit(dialog, nutrient)->text();
}

void typeInto(QLineEdit* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

std::string stored(const MemorySettings& settings, const char* key)
{
    return settings.readText(mw::setting::kNip, key, "<missing>");
}

struct OpenDialog
{
    IntakePreferences analysis;
    std::unique_ptr<CIntakePreferenceDlg> dialog;
};

std::unique_ptr<OpenDialog> openDialog(MemorySettings& settings)
{
    auto open = std::make_unique<OpenDialog>();
    open->dialog = std::make_unique<CIntakePreferenceDlg>(settings, manOfForty(), open->analysis);
    open->dialog->open();
    return open;
}

} // namespace

class IntakePreferenceDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void freshProfileShowsTheDefaultsOfTheRequirements()
    {
        MemorySettings settings;
        const auto open = openDialog(settings);
        const QDialog& dialog = *open->dialog;

        QCOMPARE(range(dialog, mw::kCalories), QStringLiteral("2343..2864"));
        QCOMPARE(range(dialog, mw::kProtein), QStringLiteral("52..69"));
        QCOMPARE(range(dialog, mw::kTotalFat), QStringLiteral("43..86"));
        QCOMPARE(range(dialog, mw::kAlcohol), QStringLiteral("0..0"));
        for (int k = mw::kCalories; k <= mw::kAlcohol; ++k) {
            auto* rda = dialog.findChild<QPushButton*>(QStringLiteral("rda%1").arg(k));
            QVERIFY(rda);
            QCOMPARE(rda->text(), QStringLiteral("RDA"));
            QCOMPARE(rda->toolTip(), QStringLiteral("Click to use RDA values for this nutrient."));
        }
        QVERIFY(settings.empty());
    }

    void storedKeysWinAndMissingKeysShowTheDefault()
    {
        MemorySettings settings;
        QVERIFY(!settings.writeText(mw::setting::kNip, "F1", "2000"));
        QVERIFY(!settings.writeText(mw::setting::kNip, "T4", "70"));
        QVERIFY(!settings.writeText(mw::setting::kNip, "T5", "12345"));
        const auto open = openDialog(settings);

        QCOMPARE(range(*open->dialog, mw::kCalories), QStringLiteral("2000..2864"));
        QCOMPARE(range(*open->dialog, mw::kTotalFat), QStringLiteral("43..70"));
        QCOMPARE(range(*open->dialog, mw::kSaturatedFat), QStringLiteral("14..9999"));
    }

    void okNormalisesStoresAndHandsTheTableToTheAnalysis()
    {
        MemorySettings settings;
        const auto open = openDialog(settings);
        typeInto(fromEdit(*open->dialog, mw::kSaturatedFat), QStringLiteral("10"));
        typeInto(toEdit(*open->dialog, mw::kSaturatedFat), QStringLiteral("120"));
        clickButton(*open->dialog, QDialogButtonBox::Ok);

        QCOMPARE(open->dialog->result(), int(QDialog::Accepted));
        QCOMPARE(stored(settings, "F5"), std::string("10"));
        QCOMPARE(stored(settings, "T5"), std::string("86"));
        QCOMPARE(stored(settings, "F1"), std::string("2343"));
        QCOMPARE(stored(settings, "T27"), std::string("0"));
        QCOMPARE(open->analysis.to(mw::kSaturatedFat), 86.0f);
        QCOMPARE(open->analysis.from(mw::kCalories), 2343.0f);
        QCOMPARE(open->dialog->table()[mw::kSaturatedFat], (mw::PreferenceRange{10, 86}));
        QCOMPARE(settings.writeCount(), 1);
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void rdaPutsBackOnlyItsOwnRow()
    {
        MemorySettings settings;
        const auto open = openDialog(settings);
        typeInto(fromEdit(*open->dialog, mw::kCalories), QStringLiteral("1"));
        typeInto(toEdit(*open->dialog, mw::kCalories), QStringLiteral("xyz"));
        typeInto(fromEdit(*open->dialog, mw::kProtein), QStringLiteral("5"));

        QTest::mouseClick(open->dialog->findChild<QPushButton*>(QStringLiteral("rda1")), Qt::LeftButton);

        QCOMPARE(range(*open->dialog, mw::kCalories), QStringLiteral("2343..2864"));
        QCOMPARE(range(*open->dialog, mw::kProtein), QStringLiteral("5..69"));
        QVERIFY(open->dialog->isVisible());
        QVERIFY(settings.empty());

        // All rows at once.
        QTest::mouseClick(open->dialog->findChild<QPushButton*>(QStringLiteral("allFromRequirementsButton")),
                          Qt::LeftButton);
        QCOMPARE(range(*open->dialog, mw::kProtein), QStringLiteral("52..69"));
        QVERIFY(settings.empty());
    }

    void newRequirementsAreOfferedAsTheRanges()
    {
        MemorySettings settings;
        // Without stored ranges there is nothing to replace.
        QVERIFY(!mw::gui::offerPreferencesFromRequirements(settings, manOfForty(), nullptr));
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QVERIFY(!settings.writeText(mw::setting::kNip, "F1", "1000"));
        Prompts::setNextAnswer(QMessageBox::No);
        QVERIFY(!mw::gui::offerPreferencesFromRequirements(settings, manOfForty(), nullptr));
        QCOMPARE(stored(settings, "F1"), std::string("1000"));
        QVERIFY(mw::gui::offerPreferencesFromRequirements(settings, manOfForty(), nullptr));
        QCOMPARE(stored(settings, "F1"), std::string("2343"));
        QCOMPARE(stored(settings, "T2"), std::string("69"));
        QCOMPARE(Prompts::takeShownMessages().size(), 2);
    }

    void aBadFieldIsNamedFocusedAndNothingIsStored()
    {
        MemorySettings settings;
        const auto open = openDialog(settings);
        QLineEdit* polyunsaturatedTo = toEdit(*open->dialog, mw::kPolyunsaturatedFat);
        typeInto(polyunsaturatedTo, QStringLiteral("abc"));
        clickButton(*open->dialog, QDialogButtonBox::Ok);

        QCOMPARE(Prompts::takeShownMessages(),
                 QStringList{QStringLiteral("Polyun. Fat, To: Please enter an integer.")});
        QVERIFY(open->dialog->isVisible());
        QCOMPARE(open->dialog->focusWidget(), polyunsaturatedTo);
        QCOMPARE(polyunsaturatedTo->selectedText(), QStringLiteral("abc"));

        // The first bad field in reading order is the one reported.
        typeInto(fromEdit(*open->dialog, mw::kCarbohydrate), QStringLiteral("10000"));
        clickButton(*open->dialog, QDialogButtonBox::Ok);
        QCOMPARE(Prompts::takeShownMessages(),
                 QStringList{QStringLiteral("Carbohydrate, From: Please enter an integer between 0 and 9999.")});
        QCOMPARE(open->dialog->focusWidget(), fromEdit(*open->dialog, mw::kCarbohydrate));
        typeInto(toEdit(*open->dialog, mw::kAlcohol), QStringLiteral("-1"));

        QVERIFY(settings.empty());
        QCOMPARE(open->analysis, IntakePreferences());

        typeInto(fromEdit(*open->dialog, mw::kCarbohydrate), QStringLiteral("300"));
        typeInto(polyunsaturatedTo, QStringLiteral("30"));
        clickButton(*open->dialog, QDialogButtonBox::Ok);
        QCOMPARE(Prompts::takeShownMessages(),
                 QStringList{QStringLiteral("Alcohol, To: Please enter an integer between 0 and 9999.")});
        typeInto(toEdit(*open->dialog, mw::kAlcohol), QStringLiteral("0"));
        clickButton(*open->dialog, QDialogButtonBox::Ok);
        QCOMPARE(open->dialog->result(), int(QDialog::Accepted));
        QCOMPARE(stored(settings, "F3"), std::string("300"));
        QCOMPARE(stored(settings, "T7"), std::string("30"));
    }

    void acceptingAnUnsavedTableHandsItToTheAnalysisWithoutAWord()
    {
        MemorySettings settings;
        settings.failWritesWith(std::make_error_code(std::errc::read_only_file_system));
        const auto open = openDialog(settings);
        open->dialog->setAcceptUnsaved(true);
        typeInto(fromEdit(*open->dialog, mw::kTotalFat), QStringLiteral("90"));
        typeInto(toEdit(*open->dialog, mw::kTotalFat), QStringLiteral("60"));
        clickButton(*open->dialog, QDialogButtonBox::Ok);

        QCOMPARE(open->dialog->result(), int(QDialog::Accepted));
        QCOMPARE(open->dialog->table()[mw::kTotalFat], (mw::PreferenceRange{60, 90}));
        QCOMPARE(open->analysis.from(mw::kTotalFat), 60.0f);
        QCOMPARE(open->analysis.to(mw::kCalories), 2864.0f);
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QVERIFY(settings.empty());
    }
};

QTEST_MAIN(IntakePreferenceDialogTest)
#include "intake_preference_dialog_test.moc"
