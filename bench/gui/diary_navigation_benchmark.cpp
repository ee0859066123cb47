// How long the desktop program takes to move a diary window to the day before or after, when each day holds
// 1,000 entries: the file read, the day summed, its history ended and the window painted.
#include "app_context.h"
#include "command_ids.h"
#include "day_window.h"
#include "fof_view.h"
#include "main_window.h"

#include "calc/intake_preferences.h"
#include "calc/requirements.h"
#include "format/day_file.h"
#include "format/diary_folder.h"
#include "model/settings.h"
#include "model/settings_keys.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QCoreApplication>
#include <QPixmap>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

std::unique_ptr<mw::Settings> storedAnalysisProfile()
{
    auto settings = std::make_unique<mw::MemorySettings>();
    const mw::CaloricNeedInputs inputs{40, 160, 5, 0};
    mw::storeCaloricNeed(*settings, inputs);
    mw::storePreferences(*settings, mw::defaultPreferences(mw::ComputeRequirements(inputs)));
    return settings;
}

// Breakfast and dinner of count entries together, the standard foods in turn.
void writeDiaryDay(const mw::DiaryFolder& diary, const mw::DiaryDate& date, int count)
{
    mw::DayMeals meals;
    for (int k = 0; k < count; ++k) {
        meals[k % 2 == 0 ? mw::kBreakfast : mw::kDinner].append(mw::CFood(static_cast<mw::FoodId>(k % 643), 100));
    }
    std::filesystem::create_directories(diary.path());
    std::ofstream(diary.dayFile(date), std::ios::binary) << mw::encodeDayFile(meals);
}

void BM_DiaryPreviousNextDay(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "mealwright-diary-benchmark";
    const mw::DiaryFolder diary(folder / "diary");
    const mw::DiaryDate today = mw::localToday();
    const int entries = static_cast<int>(state.range(0));
    writeDiaryDay(diary, today, entries);
    writeDiaryDay(diary, mw::addDays(today, -1), entries);
    {
        mw::gui::AppContext app(folder, storedAnalysisProfile());
        app.setDiaryFolderForRun(diary.path());
        mw::gui::CMainFrame frame(app, 1024);
        frame.resize(1000, 700);
        frame.show();
        frame.openToday();
        QAction* moves[] = {frame.commandAction(mw::gui::cmd::kDiaryPreviousDay),
                            frame.commandAction(mw::gui::cmd::kDiaryNextDay)};
        int turn = 0;
        for (auto _ : state) {
            moves[turn++ % 2]->trigger();
            QCoreApplication::processEvents();
            benchmark::DoNotOptimize(frame.activeDayWindow()->view()->grab());
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DiaryPreviousNextDay)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
