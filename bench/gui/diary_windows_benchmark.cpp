// How long the windows beside a day take to show what they are for: the weight window over ten years of daily
// weigh-ins, opened and painted, and Balance the Day's dialog from opening to its first plan on a generated
// 1,600-kcal day.
#include "app_context.h"
#include "balance_day_dialog.h"
#include "weight_window.h"

#include "calc/intake_preferences.h"
#include "calc/linear_congruential_random.h"
#include "calc/menu_generator.h"
#include "calc/requirements.h"
#include "format/diary_folder.h"
#include "model/day_document.h"
#include "model/diary_date.h"
#include "model/settings.h"
#include "model/settings_keys.h"

#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QPixmap>
#include <QUndoStack>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using namespace std::chrono;

std::unique_ptr<mw::Settings> manOfForty()
{
    auto settings = std::make_unique<mw::MemorySettings>();
    const mw::CaloricNeedInputs inputs{40, 160, 5, 0};
    mw::storeCaloricNeed(*settings, inputs);
    mw::storePreferences(*settings, mw::defaultPreferences(mw::ComputeRequirements(inputs)));
    return settings;
}

// weight.csv with a weigh-in for each of 3,650 days, drifting down and up around 170 lb.
std::filesystem::path tenYearsOfWeighIns()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "mealwright-bench-weight-window";
    std::filesystem::create_directories(folder);
    std::ofstream out(mw::DiaryFolder(folder).weightLogFile(), std::ios::binary | std::ios::trunc);
    out << "date,weight_lb\n";
    const mw::DiaryDate first{year{2016}, January, day{1}};
    for (int d = 0; d < 3650; ++d) {
        const int tenths = 1700 + (d % 120 < 60 ? d % 60 : 60 - d % 60) - 30;
        out << mw::isoDateText(mw::addDays(first, d)) << ',' << tenths / 10 << '.' << tenths % 10 << '\n';
    }
    return folder;
}

void BM_OpenWeightWindow(benchmark::State& state)
{
    const std::filesystem::path folder = tenYearsOfWeighIns();
    mw::gui::AppContext app(folder, manOfForty());
    for (auto _ : state) {
        mw::gui::CWeightWindow window(app, mw::DiaryFolder(folder));
        window.resize(1000, 700);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenWeightWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BalanceDialogFirstPlan(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "mealwright-bench-balance-dialog";
    std::filesystem::create_directories(folder);
    mw::gui::AppContext app(folder, manOfForty());
    mw::CFofDoc menuDay(app.foods());
    mw::LinearCongruentialRandom random(7);
    mw::MenuGenerator(menuDay, random).GenerateMenu(1600);
    QUndoStack history;
    for (auto _ : state) {
        mw::gui::CBalanceDayDlg dialog(menuDay, history, app.foods(), app.attributes(), app.settings(), mw::kBreakfast);
        QEventLoop loop;
        QObject::connect(&dialog, &mw::gui::CBalanceDayDlg::planShown, &loop, &QEventLoop::quit);
        dialog.show();
        loop.exec();
        benchmark::DoNotOptimize(dialog.result().objective);
    }
}
BENCHMARK(BM_BalanceDialogFirstPlan)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
