// Encoding and decoding a full codeplug: 20 groups of 40 channels, both VFOs, every setting.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/context.h"
#include "codeplug/image_codec.h"
#include "codeplug/tone_tables.h"

namespace {

std::unique_ptr<zb::AppContext> FullCodeplug() {
    auto ctx = std::make_unique<zb::AppContext>();
    zb::CodeplugData& d = ctx->Doc.Data;
    for (int g = 0; g < zb::kGroupCount; ++g) {
        d.Groups[g].ChannelCount = zb::kChannelsPerGroup;
        d.Groups[g].Valid = 1;
        d.Groups[g].Name.Set("BAND" + std::to_string(g + 1));
        for (int j = 0; j < zb::kChannelsPerGroup; ++j) {
            zb::ChannelRecord& c = ctx->Doc.Channels[j][g];
            // Entries in reverse channel order, so decoding really reorders them.
            c.ChNo = static_cast<int16_t>(zb::kChannelsPerGroup - j);
            c.Valid = 1;
            c.RxFreq.Set(std::to_string(28'000'000 + 5'000 * (g * 40 + j)));
            c.TxFreq.Set(std::to_string(28'100'000 + 5'000 * j));
            c.Scan = static_cast<int16_t>(j % 2);
            c.DecTone = static_cast<int16_t>((g * 40 + j) % zb::kToneIndexCount);
            c.EncTone = static_cast<int16_t>((g * 7 + j * 3) % zb::kToneIndexCount);
            c.TsqFlag = static_cast<int16_t>(j % 3 == 0);
            c.BusyFlag = static_cast<int16_t>(j % 5 == 0);
            c.RbTone = static_cast<int16_t>(j % 8);
        }
    }
    for (zb::ChannelRecord* v : {&d.VfoA, &d.VfoB}) {
        v->ChNo = 1;
        v->Valid = 1;
        v->RxFreq.Set("28015000");
        v->TxFreq.Set("28015000");
    }
    d.VfoAValid = d.VfoBValid = 1;
    d.OptionSettings.OptionFeatures.PowerOnText.Set("ZB347RX");
    d.OptionSettings.EmbeddedMessage.MessageLine1.Set("10 METRE AMATEUR TRANSCEIVER");
    d.OptionSettings.ResetSelect = {1, 1, 11, 1};
    return ctx;
}

void BM_EncodeImage(benchmark::State& state) {
    auto ctx = FullCodeplug();
    for (auto _ : state) {
        zb::ClearImage(ctx->Image);
        zb::EncodeImage(ctx->Doc, ctx->Image);
        benchmark::DoNotOptimize(ctx->Image.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EncodeImage)->Unit(benchmark::kMicrosecond);

void BM_DecodeImage(benchmark::State& state) {
    auto ctx = FullCodeplug();
    zb::EncodeImage(ctx->Doc, ctx->Image);
    for (auto _ : state) {
        zb::DecodeImage(ctx->Image, ctx->Doc);
        benchmark::DoNotOptimize(ctx->Doc.Channels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

}  // namespace
