// Opening the FleetSync window: its lists hold 250 fleets, 4000 IDs and 6001 delay values.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "app/context.h"
#include "codeplug/defaults.h"
#include "features/ui/frm_fleet_sync.h"

namespace {

// state.range(0): 0 = no own fleet (both lists with their blank item), 1 = fleet and ID set.
void BM_OpenFleetSyncWindow(benchmark::State& state) {
    zb::AppContext ctx;
    zb::ApplyDefaults(ctx);
    if (state.range(0) == 1) {
        ctx.Doc.Data.OptionSettings.FleetSyncSettings.OwnFleet = 120;
        ctx.Doc.Data.OptionSettings.FleetSyncSettings.OwnId = 3000;
    }
    for (auto _ : state) {
        zb::ui::FrmFleetSync window(ctx);
        window.show();
        QApplication::processEvents();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OpenFleetSyncWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
