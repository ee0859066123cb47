// How long the desktop program takes to open a day of many entries and paint its window, meal list included.
#include "app_context.h"
#include "day_window.h"

#include "calc/intake_preferences.h"
#include "calc/requirements.h"
#include "format/day_file.h"
#include "model/settings.h"
#include "model/settings_keys.h"

#include <benchmark/benchmark.h>

#include <QPixmap>
#include <QString>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

std::unique_ptr<mw::Settings> profileWithAnalysisSettings()
{
    auto settings = std::make_unique<mw::MemorySettings>();
    const mw::CaloricNeedInputs inputs{40, 160, 5, 0};
    mw::storeCaloricNeed(*settings, inputs);
    mw::storePreferences(*settings, mw::defaultPreferences(mw::ComputeRequirements(inputs)));
    return settings;
}

// A breakfast of count entries, the standard foods in turn.
std::filesystem::path writeLargeDay(const std::filesystem::path& folder, int count)
{
    mw::DayMeals meals;
    meals[mw::kBreakfast].reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        meals[mw::kBreakfast].append(mw::CFood(static_cast<mw::FoodId>(k % 643), 100));
    }
    const std::filesystem::path path = folder / ("day-" + std::to_string(count) + ".ypd");
    std::ofstream(path, std::ios::binary) << mw::encodeDayFile(meals);
    return path;
}

void BM_OpenAndPaintLargeDay(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "mealwright-day-benchmark";
    std::filesystem::create_directories(folder);
    const QString path = QString::fromStdString(writeLargeDay(folder, static_cast<int>(state.range(0))).string());
    mw::gui::AppContext app(folder, profileWithAnalysisSettings());
    for (auto _ : state) {
        QString error;
        std::unique_ptr<mw::gui::CDayWindow> window(mw::gui::CDayWindow::openFile(app, path, &error));
        if (!window) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        window->createView();
        window->resize(1000, 700);
        benchmark::DoNotOptimize(window->grab());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_OpenAndPaintLargeDay)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
