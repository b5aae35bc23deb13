// Showing a full group of 40 channels in the channel table window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <string>

#include "app/context.h"
#include "channels/channel_edit.h"
#include "channels/freq_rules.h"
#include "channels/ui/channel_table_window.h"

namespace {

void BM_SetGridDataFullGroup(benchmark::State& state) {
    zb::AppContext ctx;
    ctx.Doc.Data.Groups[0].Valid = 1;
    ctx.Doc.Data.RogerBeepTones[0].RecycleTimes = 1;
    ctx.Doc.Data.RogerBeepTones[0].Tone[0] = {100, 10};
    for (int ch = 1; ch <= 40; ++ch) {
        zb::AddChannel(ctx, ch, 0, zb::FormatFreqHz(28'100'000 + ch * 5'000));
        ctx.Doc.Channels[ch - 1][0].DecTone = static_cast<int16_t>(ch * 6);
    }
    zb::frmCommChInfo window(ctx);
    ctx.channelViews = &window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window not shown");
        return;
    }
    for (auto _ : state) {
        window.SetGridData();
        benchmark::ClobberMemory();
    }
    QApplication::processEvents();
    ctx.channelViews = &ctx.defaultChannelViews;
}
BENCHMARK(BM_SetGridDataFullGroup)->Unit(benchmark::kMicrosecond);

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
