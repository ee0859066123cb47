#pragma once

#include "calc/intake_preferences.h"
#include "model/nutrient_vector.h"
#include "model/settings_keys.h"

#include <optional>
#include <system_error>

class QWidget;

namespace mw {
class Settings;
}

namespace mw::gui {

// What a day view measures its intake against.
struct AnalysisSetup
{
    RequirementVector requirements;
    IntakePreferences preferences;
};

// Finds the requirements and preference table of one run of the program, asking the user for whatever the
// profile does not hold: the caloric-need dialog until it is confirmed, then the preference dialog until a
// table is taken. When the profile cannot be written, what the user confirmed is kept here and used for the
// rest of the run instead of asking again, and the user is told once.
class AnalysisSetupSession
{
public:
    // The stored requirements, after running the caloric-need dialog if none are stored. nullopt only when
    // the program quits (or the parent goes away) while the dialog is open.
    std::optional<RequirementVector> ensureRequirements(Settings& settings, QWidget* parent);
    // The requirements as above and the stored preference table, after running the preference dialog if none
    // is stored. nullopt only when the program quits (or the parent goes away) while a dialog is open.
    std::optional<AnalysisSetup> ensureAnalysisSetup(Settings& settings, QWidget* parent);
    // What the profile holds, or what the user confirmed this run when the profile could not keep it; asks
    // nothing.
    std::optional<AnalysisSetup> knownSetup(const Settings& settings) const;

private:
    std::optional<RequirementVector> requirements(Settings& settings, QWidget* parent);
    std::optional<IntakePreferences> preferences(Settings& settings, const RequirementVector& requirements,
                                                 QWidget* parent);
    void noteUnsaved(std::error_code error);
    void tellUnsaved(QWidget* parent);

    std::optional<CaloricNeedInputs> m_unsavedInputs;
    std::optional<PreferenceTable> m_unsavedPreferences;
    std::error_code m_untoldError;
    bool m_told = false;
};

// The program's one session: what every day view calls at its initial update.
AnalysisSetupSession& analysisSetupSession();
inline std::optional<AnalysisSetup> ensureAnalysisSetup(Settings& settings, QWidget* parent)
{
    return analysisSetupSession().ensureAnalysisSetup(settings, parent);
}
// For the preference command, whose dialog derives its defaults from the requirements.
inline std::optional<RequirementVector> ensureRequirements(Settings& settings, QWidget* parent)
{
    return analysisSetupSession().ensureRequirements(settings, parent);
}

} // namespace mw::gui
