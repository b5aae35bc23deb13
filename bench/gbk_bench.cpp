// Converting radio texts between the code page (GBK) and the characters a window shows: a
// full 32-byte message line each way, and the first lookup, which builds the reverse table.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <span>
#include <string>

#include "codeplug/gbk_text.h"

namespace {

// 16 double-byte characters: the worst case of a 32-byte line.
const std::string kLine = [] {
    std::string line;
    for (int i = 0; i < 16; ++i) line += "\xB2\xE2";
    return line;
}();

std::span<const uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Runs first: the one lookup that builds the table sorted by character.
void BM_GbkFirstReverseLookup(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zb::UnicodeToGbk(U'\u6D4B'));
}
BENCHMARK(BM_GbkFirstReverseLookup)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_GbkLineToCharacters(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zb::GbkToUtf8(Bytes(kLine)));
}
BENCHMARK(BM_GbkLineToCharacters)->Unit(benchmark::kMicrosecond);

void BM_GbkCharactersToLine(benchmark::State& state) {
    const std::u32string text(16, U'\u6D4B');
    for (auto _ : state) benchmark::DoNotOptimize(zb::UnicodeToGbk(text, 32));
}
BENCHMARK(BM_GbkCharactersToLine)->Unit(benchmark::kMicrosecond);

}  // namespace
