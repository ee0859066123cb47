#include "caloric_need_dialog.h"
#include "dialog_test_support.h"
#include "display_nutrients_dialog.h"
#include "fat_warning_dialog.h"
#include "format/food_attribute_database.h"
#include "generator_options_dialog.h"
#include "healthy_weight_dialog.h"
#include "intake_preference_dialog.h"
#include "mouse_option_dialog.h"
#include "print_nutrients_dialog.h"
#include "prompts.h"
#include "rename_groups_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <iterator>
#include <memory>
#include <type_traits>

using namespace mw;
using namespace mw::gui;
using namespace mw::test;
using namespace Qt::StringLiterals;

namespace {

// The profile, with the food lists and the analysis table that two of the dialogs change too.
struct Profile
{
    MemorySettings settings;
    CFoodAttributeDatabase lists;
    IntakePreferences analysis;
};

// A dialog on screen, its last store error, and what it handed on besides the profile (empty: nothing).
struct Opened
{
    template <typename Dialog>
    explicit Opened(Dialog* shown, std::type_identity_t<std::function<QString(const Dialog&)>> handOn = {})
        : dialog(shown), storeError([=] { return shown->storeError(); }),
          handedOn([=] { return handOn ? handOn(*shown) : QString(); })
    {
        shown->open();
    }
    std::unique_ptr<QDialog> dialog;
    std::function<std::error_code()> storeError;
    std::function<QString()> handedOn;
};

void press(const QDialog& dialog, const QString& name, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(dialog.findChild<QWidget*>(name), key);
    }
}

void typeOver(const QDialog& dialog, const QString& name, const QString& text)
{
    QWidget* field = dialog.findChild<QWidget*>(name);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

struct Row
{
    const char* name;
    std::errc error;
    std::function<Opened(Profile&)> open;
    std::function<void(const QDialog&)> change;        // as the user makes it
    std::function<bool(const MemorySettings&)> stored; // the change, once OK could store it
    QString handedOn = {};                             // after that OK
};

const Row kRows[] = {
    {"mouse option", std::errc::read_only_file_system, [](auto& p) { return Opened(new CMouseOptionDlg(p.settings)); },
     [](auto& d) { press(d, u"leftComboBox"_s, Qt::Key_Up); },
     [](auto& s) {
         return mouseOptions(s) == MouseOptions{MouseChoice::kOff, MouseChoice::kOunce};
     }},
    {"fat warning", std::errc::permission_denied, [](auto& p) { return Opened(new CFatWarningDlg(p.settings)); },
     [](auto& d) { press(d, u"percentSpinBox"_s, Qt::Key_Up); }, [](auto& s) { return fatWarningPercent(s) == 31; }},
    {"display nutrients", std::errc::permission_denied,
     [](auto& p) {
         return Opened(new CDisplayNutrientsDlg(p.settings, DisplayMode{1024, {768, 16}}));
     },
     [](auto& d) { clickBox(nutrientBox(d, 6)); },
     [](auto& s) {
         return s.readText(setting::kOptions, "768x16", "") == "1111110111111111111111111111" &&
                s.readInt(setting::kOneColumn.section, setting::kOneColumn.key, -1) == 0;
     }},
    {"generator options", std::errc::permission_denied,
     [](auto& p) {
         return Opened(new CGeneratorOptionsDlg(p.settings),
                       [](auto& d) { return d.calories() ? QString::number(*d.calories()) : QString(); });
     },
     [](auto& d) {
         d.template findChild<QCheckBox*>(u"randomMenuBox"_s)->setChecked(false);
         typeOver(d, u"caloriesEdit"_s, u"1500"_s);
     },
     [](auto& s) { return menuTargetCalories(s) == 1500; }, u"1500"_s},
    {"healthy weight", std::errc::read_only_file_system,
     [](auto& p) { return Opened(new CHealthyWeightDlg(p.settings)); }, [](auto&) {},
     [](auto& s) { return s.readInt(setting::kHeightInches.section, setting::kHeightInches.key, -1) == 70; }},
    {"print nutrients", std::errc::no_space_on_device,
     [](auto& p) { return Opened(new CPrintNutrientsDlg(p.settings)); }, [](auto& d) { clickBox(nutrientBox(d, 3)); },
     [](auto& s) {
         return s.readText(setting::kPrintedNutrients.section, setting::kPrintedNutrients.key, "") ==
                "1110111111111111111111111111";
     }},
    {"rename groups", std::errc::permission_denied,
     [](auto& p) {
         return Opened(new CRenameGroupsDlg(p.settings, p.lists),
                       [](auto& d) { return d.listsChanged() ? u"changed"_s : QString(); });
     },
     [](auto& d) { typeOver(d, u"nameEdit7"_s, u"Fish"_s); },
     [](auto& s) { return s.readText(setting::kFoodGroups, "7", "") == "Fish"; }, u"changed"_s},
    {"caloric need", std::errc::read_only_file_system, [](auto& p) { return Opened(new CCaloricNeedDlg(p.settings)); },
     [](auto& d) { press(d, u"ageSpinBox"_s, Qt::Key_Up, 2); },
     [](auto& s) { return s.readInt(setting::kAge.section, setting::kAge.key, -1) == 42; }},
    {"intake preference", std::errc::permission_denied,
     [](auto& p) {
         return Opened(
             new CIntakePreferenceDlg(p.settings, ComputeRequirements(40, 160, 5, kMale), p.analysis), [&p](auto&) {
                 return p.analysis == IntakePreferences() ? QString() : QString::number(p.analysis.to(kTotalFat));
             });
     },
     [](auto& d) { typeOver(d, u"from%1"_s.arg(kTotalFat), u"90"_s); },
     [](auto& s) { return s.readText(setting::kNip, "F4", "") == "86" && s.readText(setting::kNip, "T4", "") == "90"; },
     u"90"_s},
};

} // namespace

class SettingsDialogsTest : public QObject
{
    Q_OBJECT

private:
    static void everyDialog()
    {
        QTest::addColumn<int>("index");
        for (int index = 0; index < int(std::size(kRows)); ++index) {
            QTest::newRow(kRows[index].name) << index;
        }
    }

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void okOnAnUnwritableProfileTellsWhyAndStaysOpenUntilItCanStore_data() { everyDialog(); }

    void okOnAnUnwritableProfileTellsWhyAndStaysOpenUntilItCanStore()
    {
        QFETCH(int, index);
        const Row& row = kRows[index];
        Profile profile;
        const std::error_code error = std::make_error_code(row.error);
        profile.settings.failWritesWith(error);
        const Opened opened = row.open(profile);
        row.change(*opened.dialog);
        clickOk(*opened.dialog);
        QVERIFY(opened.dialog->isVisible());
        QCOMPARE(opened.storeError(), error);
        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.front().contains(QString::fromStdString(error.message())), qPrintable(shown.front()));
        QVERIFY(profile.settings.empty());
        QCOMPARE(opened.handedOn(), QString());

        profile.settings.failWritesWith({});
        clickOk(*opened.dialog);
        QCOMPARE(opened.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(opened.storeError(), std::error_code());
        QVERIFY(row.stored(profile.settings));
        QCOMPARE(opened.handedOn(), row.handedOn);
    }

    void escapeAndCancelStoreAndHandOnNothing_data() { everyDialog(); }

    // After a change, Escape (and Cancel where there is one) closes the dialog and the profile stays as it was.
    void escapeAndCancelStoreAndHandOnNothing()
    {
        QFETCH(int, index);
        const Row& row = kRows[index];
        for (const bool escape : {true, false}) {
            Profile profile;
            const Opened opened = row.open(profile);
            row.change(*opened.dialog);
            QPushButton* cancel = dialogButton(*opened.dialog, QDialogButtonBox::Cancel);
            if (escape) {
                QTest::keyClick(opened.dialog.get(), Qt::Key_Escape);
            } else if (cancel) {
                QTest::mouseClick(cancel, Qt::LeftButton);
            } else {
                continue;
            }
            QCOMPARE(opened.dialog->result(), int(QDialog::Rejected));
            QVERIFY(!opened.dialog->isVisible());
            QCOMPARE(profile.settings.writeCount(), 0);
            QCOMPARE(opened.handedOn(), QString());
            QVERIFY(Prompts::takeShownMessages().isEmpty());
        }
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_test.moc"
