#include "first_start.h"

#include "calc/requirements.h"
#include "caloric_need_dialog.h"
#include "dialog_texts.h"
#include "intake_preference_dialog.h"
#include "prompts.h"
#include "qt_bridge.h"

#include <QEventLoop>
#include <QPointer>

#include <utility>

namespace mw::gui {
namespace {

enum class ModalOutcome
{
    kAccepted,
    kRejected,
    kGone, // the program is quitting or the dialog was destroyed
};

// Runs a dialog modally like exec(), but tells a dialog the user closed from an event loop that was told to
// quit: once the program quits every later exec() returns at once, so asking again would spin for ever.
ModalOutcome runModal(QDialog* dialog)
{
    const QPointer<QDialog> guard(dialog);
    bool finished = false;
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, [&finished, &loop] {
        finished = true;
        loop.quit();
    });
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    loop.exec(QEventLoop::DialogExec);
    if (!finished || guard.isNull()) {
        return ModalOutcome::kGone;
    }
    return dialog->result() == QDialog::Accepted ? ModalOutcome::kAccepted : ModalOutcome::kRejected;
}

// A dialog made with new for one run: deleted afterwards unless its parent took it along already.
template <typename Dialog>
class OneRunDialog
{
public:
    explicit OneRunDialog(Dialog* dialog) : m_dialog(dialog) {}
    ~OneRunDialog() { delete m_dialog.data(); }
    OneRunDialog(const OneRunDialog&) = delete;
    OneRunDialog& operator=(const OneRunDialog&) = delete;

    Dialog* operator->() const { return m_dialog.data(); }
    Dialog* get() const { return m_dialog.data(); }

private:
    QPointer<Dialog> m_dialog;
};

} // namespace

std::optional<RequirementVector> AnalysisSetupSession::ensureRequirements(Settings& settings, QWidget* parent)
{
    std::optional<RequirementVector> found = requirements(settings, parent);
    if (found) {
        tellUnsaved(parent);
    }
    return found;
}

std::optional<AnalysisSetup> AnalysisSetupSession::ensureAnalysisSetup(Settings& settings, QWidget* parent)
{
    const std::optional<RequirementVector> required = requirements(settings, parent);
    if (!required) {
        return std::nullopt;
    }
    std::optional<IntakePreferences> preferred = preferences(settings, *required, parent);
    if (!preferred) {
        return std::nullopt;
    }
    tellUnsaved(parent);
    return AnalysisSetup{*required, *preferred};
}

std::optional<AnalysisSetup> AnalysisSetupSession::knownSetup(const Settings& settings) const
{
    std::optional<RequirementVector> required = LoadStoredRequirements(settings);
    if (!required && m_unsavedInputs) {
        required = ComputeRequirements(*m_unsavedInputs);
    }
    std::optional<IntakePreferences> preferred = loadStoredIntakePreferences(settings);
    if (!preferred && m_unsavedPreferences) {
        preferred = IntakePreferences(*m_unsavedPreferences);
    }
    if (!required || !preferred) {
        return std::nullopt;
    }
    return AnalysisSetup{*required, *preferred};
}

std::optional<RequirementVector> AnalysisSetupSession::requirements(Settings& settings, QWidget* parent)
{
    if (std::optional<RequirementVector> stored = LoadStoredRequirements(settings)) {
        return stored;
    }
    if (m_unsavedInputs) {
        return ComputeRequirements(*m_unsavedInputs);
    }
    // Cancelling brings the dialog back: there is nothing to measure against until it is confirmed.
    for (;;) {
        const OneRunDialog dialog(new CCaloricNeedDlg(settings, parent));
        dialog->setAcceptUnsaved(true);
        const ModalOutcome outcome = runModal(dialog.get());
        if (outcome == ModalOutcome::kGone) {
            return std::nullopt;
        }
        if (outcome == ModalOutcome::kRejected) {
            continue;
        }
        if (dialog->storeError()) {
            m_unsavedInputs = dialog->form().inputs();
            noteUnsaved(dialog->storeError());
            return ComputeRequirements(*m_unsavedInputs);
        }
        return LoadStoredRequirements(settings).value_or(dialog->form().requirements());
    }
}

std::optional<IntakePreferences>
AnalysisSetupSession::preferences(Settings& settings, const RequirementVector& requirements, QWidget* parent)
{
    if (std::optional<IntakePreferences> stored = loadStoredIntakePreferences(settings)) {
        return stored;
    }
    if (m_unsavedPreferences) {
        return IntakePreferences(*m_unsavedPreferences);
    }
    for (;;) {
        IntakePreferences taken;
        const OneRunDialog dialog(new CIntakePreferenceDlg(settings, requirements, taken, parent));
        dialog->setAcceptUnsaved(true);
        const ModalOutcome outcome = runModal(dialog.get());
        if (outcome == ModalOutcome::kGone) {
            return std::nullopt;
        }
        if (outcome == ModalOutcome::kRejected) {
            continue;
        }
        if (dialog->storeError()) {
            m_unsavedPreferences = dialog->table();
            noteUnsaved(dialog->storeError());
        }
        return taken;
    }
}

void AnalysisSetupSession::noteUnsaved(std::error_code error)
{
    if (!m_untoldError) {
        m_untoldError = error;
    }
}

void AnalysisSetupSession::tellUnsaved(QWidget* parent)
{
    const std::error_code error = std::exchange(m_untoldError, std::error_code());
    if (!error || m_told) {
        return;
    }
    m_told = true;
    Prompts::warning(parent, texts::kProgramTitle,
                     QString(texts::kSettingsNotSavedUsedForThisRun).arg(toQString(error.message())));
}

AnalysisSetupSession& analysisSetupSession()
{
    static AnalysisSetupSession session;
    return session;
}

} // namespace mw::gui
