// How long the food lists take to measure a row whose name is as long as a personal food line can make it.
#include "food_item_delegate.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

namespace {

using mw::gui::FoodItemDelegate;

// A name of length characters in words of seven letters, as a pasted paragraph would be.
QString longFoodName(qsizetype length)
{
    QString text;
    while (text.size() < length) {
        text += QStringLiteral("abcdefg ");
    }
    return text;
}

// A fresh delegate each round, so its size cache does not hide the work of the first measurement.
void BM_MeasureLongFoodName(benchmark::State& state)
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), longFoodName(state.range(0)), Qt::DisplayRole);
    const mw::CFoodAttributeDatabase attributes;
    const mw::gui::FoodItemMarkers markers;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 300, 20);
    option.font = QApplication::font();
    for (auto _ : state) {
        const FoodItemDelegate delegate(attributes, markers);
        benchmark::DoNotOptimize(delegate.sizeHint(option, model.index(0, 0)));
    }
}
BENCHMARK(BM_MeasureLongFoodName)->Arg(80)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
