// Reading a large Version.ini: both counts at their limit (32767) over some 8000 entries each
// (about 290 KB), the kind of file that once took seconds because every look-up scanned it whole.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/context.h"
#include "base/file_util.h"
#include "files/version_table.h"

namespace {

void BM_LoadLargeVersionTable(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("zb_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string text = "[Version]\r\nCurrentVersion=V200\r\nSoftVersionCount=32767\r\n"
                       "FirmVersionCount=32767\r\n[Soft]\r\n";
    for (int i = 0; i < 8000; ++i) text += "Version" + std::to_string(i) + "=V200\r\n";
    text += "[Firm]\r\n";
    for (int i = 0; i < 8000; ++i) text += "Firm" + std::to_string(i) + "=V200V200\r\n";
    zb::WriteFileAtomically((dir / "Version.ini").string(), text);
    zb::AppContext ctx;
    ctx.folders.baseFolder = dir.string();
    for (auto _ : state) {
        zb::LoadVersionTable(ctx);
        benchmark::DoNotOptimize(ctx.versions.Firm.size());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    fs::remove_all(dir);
}
BENCHMARK(BM_LoadLargeVersionTable)->Unit(benchmark::kMillisecond);

}  // namespace
