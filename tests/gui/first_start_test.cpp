#include "first_start.h"

#include "calc/requirements.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QQueue>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <system_error>

using mw::MemorySettings;
using mw::gui::AnalysisSetup;
using mw::gui::AnalysisSetupSession;
using mw::gui::Prompts;

namespace {

constexpr auto kCaloricNeed = "caloricNeedDialog";
constexpr auto kIntakePreference = "intakePreferenceDialog";

// Acts on each modal dialog as it comes up, one queued action per dialog. A dialog beyond the script is
// destroyed, which ends the flow instead of hanging the test.
class ModalScript : public QObject
{
public:
    using Action = std::function<void(QDialog&)>;

    ModalScript()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalScript::actOnModalDialog);
        m_timer.start(5);
    }

    ModalScript& then(Action action)
    {
        m_actions.enqueue(std::move(action));
        return *this;
    }

    // The object names of the dialogs that came up, in order.
    const QStringList& seen() const { return m_seen; }
    bool finished() const { return m_actions.isEmpty(); }

private:
    void actOnModalDialog()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("scripted").toBool()) {
            return;
        }
        dialog->setProperty("scripted", true);
        m_seen.append(dialog->objectName());
        if (m_actions.isEmpty()) {
            delete dialog;
            return;
        }
        m_actions.dequeue()(*dialog);
    }

    QTimer m_timer;
    QQueue<Action> m_actions;
    QStringList m_seen;
};

void clickButton(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    QTest::mouseClick(buttons->button(which), Qt::LeftButton);
}

void confirm(QDialog& dialog)
{
    clickButton(dialog, QDialogButtonBox::Ok);
}

void escape(QDialog& dialog)
{
    QTest::keyClick(&dialog, Qt::Key_Escape);
}

QStringList names(std::initializer_list<const char*> objectNames)
{
    QStringList list;
    for (const char* name : objectNames) {
        list.append(QLatin1String(name));
    }
    return list;
}

} // namespace

class FirstStartTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void aProfileWithEverythingStoredAsksNothing()
    {
        MemorySettings settings;
        QVERIFY(!mw::storeCaloricNeed(settings, {30, 130, 3, mw::kFemale}));
        mw::PreferenceTable table = mw::defaultPreferences(mw::ComputeRequirements(30, 130, 3, mw::kFemale));
        table[mw::kCalories] = {1500, 1900};
        QVERIFY(!mw::storePreferences(settings, table));
        ModalScript script;

        AnalysisSetupSession session;
        const std::optional<AnalysisSetup> setup = session.ensureAnalysisSetup(settings, nullptr);

        QVERIFY(setup);
        QCOMPARE(setup->requirements, mw::ComputeRequirements(30, 130, 3, mw::kFemale));
        QCOMPARE(setup->preferences.from(mw::kCalories), 1500.0f);
        QVERIFY(script.seen().isEmpty());
    }

    void aFreshProfileAsksUntilBothDialogsAreConfirmed()
    {
        MemorySettings settings;
        ModalScript script;
        script.then(escape)
            .then([](QDialog& dialog) {
                QTest::keyClick(dialog.findChild<QSpinBox*>(QStringLiteral("ageSpinBox")), Qt::Key_Down);
                clickButton(dialog, QDialogButtonBox::Cancel);
            })
            .then(confirm)
            .then(escape)
            .then([](QDialog& dialog) {
                auto* from = dialog.findChild<QLineEdit*>(QStringLiteral("from1"));
                QCOMPARE(from->text(), QStringLiteral("2343"));
                from->setText(QStringLiteral("2000"));
                confirm(dialog);
            });

        AnalysisSetupSession session;
        const std::optional<AnalysisSetup> setup = session.ensureAnalysisSetup(settings, nullptr);

        QCOMPARE(script.seen(),
                 names({kCaloricNeed, kCaloricNeed, kCaloricNeed, kIntakePreference, kIntakePreference}));
        QVERIFY(setup);
        QCOMPARE(setup->requirements, mw::ComputeRequirements(40, 160, 5, mw::kMale));
        QCOMPARE(setup->preferences.from(mw::kCalories), 2000.0f);
        QCOMPARE(setup->preferences.to(mw::kCalories), 2864.0f);
        QCOMPARE(settings.readInt(mw::setting::kIdealWeight.section, mw::setting::kIdealWeight.key, 0), 160);
        QCOMPARE(settings.readText(mw::setting::kNip, "F1", ""), std::string("2000"));
        QVERIFY(Prompts::takeShownMessages().isEmpty());

        // Everything is stored now: the next day window asks nothing.
        const std::optional<AnalysisSetup> next = AnalysisSetupSession().ensureAnalysisSetup(settings, nullptr);
        QVERIFY(next);
        QCOMPARE(next->preferences, setup->preferences);
        QCOMPARE(script.seen().size(), 5);
    }

    void storedRequirementsLeaveOnlyThePreferenceDialog()
    {
        MemorySettings settings;
        QVERIFY(!mw::storeCaloricNeed(settings, {30, 130, 3, mw::kFemale}));
        ModalScript script;
        script.then([](QDialog& dialog) {
            // The defaults derive from the stored requirements: 0.9 of 1825 kcal.
            QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("from1"))->text(), QStringLiteral("1642"));
            confirm(dialog);
        });

        const std::optional<AnalysisSetup> setup = AnalysisSetupSession().ensureAnalysisSetup(settings, nullptr);

        QCOMPARE(script.seen(), names({kIntakePreference}));
        QVERIFY(setup);
        QCOMPARE(setup->preferences,
                 mw::IntakePreferences(mw::defaultPreferences(mw::ComputeRequirements(30, 130, 3, mw::kFemale))));
    }

    void anUnwritableProfileUsesTheConfirmedValuesAndTellsOnce()
    {
        MemorySettings settings;
        const std::error_code readOnly = std::make_error_code(std::errc::read_only_file_system);
        settings.failWritesWith(readOnly);
        ModalScript script;
        script
            .then([](QDialog& dialog) {
                QTest::keyClick(dialog.findChild<QSpinBox*>(QStringLiteral("ageSpinBox")), Qt::Key_Up);
                confirm(dialog);
            })
            .then([](QDialog& dialog) {
                dialog.findChild<QLineEdit*>(QStringLiteral("from4"))->setText(QStringLiteral("20"));
                dialog.findChild<QLineEdit*>(QStringLiteral("to4"))->setText(QStringLiteral("10"));
                confirm(dialog);
            });

        AnalysisSetupSession session;
        const std::optional<AnalysisSetup> setup = session.ensureAnalysisSetup(settings, nullptr);

        QCOMPARE(script.seen(), names({kCaloricNeed, kIntakePreference}));
        QVERIFY(setup);
        QCOMPARE(setup->requirements, mw::ComputeRequirements(41, 160, 5, mw::kMale));
        // Normalised as a stored table would be: swapped, and saturated fat kept within total fat.
        QCOMPARE(setup->preferences.from(mw::kTotalFat), 10.0f);
        QCOMPARE(setup->preferences.to(mw::kTotalFat), 20.0f);
        QCOMPARE(setup->preferences.from(mw::kSaturatedFat), 10.0f);
        QCOMPARE(setup->preferences.to(mw::kSaturatedFat), 20.0f);
        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.front().contains(QString::fromStdString(readOnly.message())), qPrintable(shown.front()));
        QVERIFY2(shown.front().contains(QStringLiteral("used until Mealwright is closed")), qPrintable(shown.front()));
        QVERIFY(settings.empty());

        // Later day windows of this run take the same values without asking or telling again.
        const std::optional<AnalysisSetup> next = session.ensureAnalysisSetup(settings, nullptr);
        QVERIFY(next);
        QCOMPARE(next->requirements, setup->requirements);
        QCOMPARE(next->preferences, setup->preferences);
        QCOMPARE(session.ensureRequirements(settings, nullptr), std::optional(setup->requirements));
        QCOMPARE(script.seen().size(), 2);
        QVERIFY(Prompts::takeShownMessages().isEmpty());

        // Once the profile takes writes again, what it holds wins.
        settings.failWritesWith({});
        QVERIFY(!mw::storeCaloricNeed(settings, {30, 130, 3, mw::kFemale}));
        QCOMPARE(session.ensureRequirements(settings, nullptr),
                 std::optional(mw::ComputeRequirements(30, 130, 3, mw::kFemale)));
    }

    void anUnwritablePreferenceTableAloneIsToldOnce()
    {
        MemorySettings settings;
        QVERIFY(!mw::storeCaloricNeed(settings, {40, 160, 5, mw::kMale}));
        settings.failWritesWith(std::make_error_code(std::errc::no_space_on_device));
        ModalScript script;
        script.then(confirm);

        AnalysisSetupSession session;
        QVERIFY(session.ensureAnalysisSetup(settings, nullptr));
        QVERIFY(session.ensureAnalysisSetup(settings, nullptr));

        QCOMPARE(script.seen(), names({kIntakePreference}));
        QCOMPARE(Prompts::takeShownMessages().size(), 1);
    }

    void aParentThatGoesAwayEndsTheFlow()
    {
        MemorySettings settings;
        auto* parent = new QWidget;
        parent->show();
        ModalScript script;
        script.then([parent](QDialog& dialog) {
            QCOMPARE(dialog.parentWidget(), parent);
            delete parent;
        });

        const std::optional<AnalysisSetup> setup = AnalysisSetupSession().ensureAnalysisSetup(settings, parent);

        QVERIFY(!setup);
        QVERIFY(script.finished());
        QVERIFY(settings.empty());
    }

    void quittingWhileADialogIsOpenEndsTheFlow()
    {
        MemorySettings settings;
        ModalScript script;
        script.then([](QDialog&) { QCoreApplication::quit(); });
        std::optional<std::optional<AnalysisSetup>> result;

        // Quitting ends the program's main loop, so the flow runs inside one, as it does in the program.
        QTimer::singleShot(
            0, [&settings, &result] { result = AnalysisSetupSession().ensureAnalysisSetup(settings, nullptr); });
        QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);

        QVERIFY(result);
        QVERIFY(!*result);
        QCOMPARE(script.seen(), names({kCaloricNeed}));
        QVERIFY(settings.empty());
    }
};

QTEST_MAIN(FirstStartTest)
#include "first_start_test.moc"
