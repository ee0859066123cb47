#pragma once

#include "calc/linear_congruential_random.h"
#include "format/food_attribute_database.h"
#include "format/personal_food_database.h"
#include "model/food_operations.h"
#include "model/settings.h"

#include <QObject>

#include <filesystem>
#include <memory>
#include <system_error>

namespace mw::gui {

// The objects every window of the program shares: the personal foods, the food attribute flags,
// the settings profile and the food operations over them. One lives for the whole run.
class AppContext : public QObject
{
    Q_OBJECT

public:
    // Opens userfood.txt and fad.dat in dataDir (creating userfood.txt when it is missing).
    AppContext(std::filesystem::path dataDir, std::unique_ptr<Settings> settings, QObject* parent = nullptr);
    ~AppContext() override;

    const std::filesystem::path& dataDir() const { return m_dataDir; }
    Settings& settings() { return *m_settings; }
    PersonalFoodDatabase& personalFoods() { return m_personalFoods; }
    const FoodOperations& foods() const { return m_foods; }
    CFoodAttributeDatabase& attributes() { return m_attributes; }

    const PersonalFoodOpenResult& personalFoodsOpened() const { return m_personalOpened; }
    const FoodAttributeLoadResult& attributesLoaded() const { return m_attributesLoaded; }

    // Call after changing hidden flags or list memberships: saves fad.dat at once (so a crash loses
    // nothing) and tells every view to repaint its lists. Returns the save's error, if any.
    std::error_code foodFlagsChanged();
    // Call after a personal food was added.
    void personalFoodAdded();
    // Call after a personal food was changed in place: every open day sums its meals anew and every list
    // shows the food's new name.
    void personalFoodChanged(mw::FoodId id);
    // Reads the personal foods other programs appended meanwhile (done whenever the program becomes
    // active again, and before a day is opened, whose entries may name them); tells the views when
    // there were any.
    void catchUpWithPersonalFoods();
    // Call after the requirement or intake-preference settings changed.
    void analysisSettingsChanged();

    // Where the diary's days live: the folder named for this run (--diary), else the profile's choice, else
    // the default; empty when none can be named.
    std::filesystem::path diaryFolder() const;
    // A folder for this run only; empty gives the profile's choice back.
    void setDiaryFolderForRun(std::filesystem::path folder) { m_runDiaryFolder = std::move(folder); }

    // The menu generator's random numbers, seeded from the clock when the context is made.
    LinearCongruentialRandom& random() { return m_random; }
    // The food-group box lists the groups in reverse order in every view; normal at every start.
    bool reversedGroupOrder() const { return m_reversedGroupOrder; }
    // Tells the views when the order changes.
    void setReversedGroupOrder(bool reversed);

signals:
    void foodFlagsChangedSignal();
    // A personal food was added here, or others' were read in.
    void personalFoodAddedSignal();
    void personalFoodChangedSignal(mw::FoodId id);
    void analysisSettingsChangedSignal();
    void groupOrderChangedSignal();

private:
    std::filesystem::path m_dataDir;
    std::unique_ptr<Settings> m_settings;
    PersonalFoodDatabase m_personalFoods;
    FoodOperations m_foods;
    CFoodAttributeDatabase m_attributes;
    PersonalFoodOpenResult m_personalOpened;
    FoodAttributeLoadResult m_attributesLoaded;
    LinearCongruentialRandom m_random{clockSeed()};
    bool m_reversedGroupOrder = false;
    std::filesystem::path m_runDiaryFolder;
};

} // namespace mw::gui
