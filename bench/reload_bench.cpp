// Reload of a CQ WW DX log of 10,000 and of 100,000 contacts through LoggerSession: the column check,
// the removal of the derived files, the recount of every contact (one country lookup each, the
// multiplier lists in memory, a flush every 1000 contacts) and the score display. The time per contact
// must not grow with the log: 100,000 contacts within 12 times the time of 10,000.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/session/logger_session.h"
#include "bench/bench_support.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

void Reload(benchmark::State& state) {
    const int contacts = static_cast<int>(state.range(0));
    MemorySettingsBackend store;
    const fs::path folder = MakeCqWwFolder(store, "tallyhawk-bench-reload");
    WriteCqWwLog(folder, contacts);
    LoggerSession session(ProgramFolder(folder), store);
    (void)session.Start();
    for (auto _ : state) {
        const ReloadResult result = session.ReloadContestLog();
        if (result.status != ReloadStatus::Reloaded) state.SkipWithError("the log was refused");
    }
    state.counters["contacts"] = contacts;
    state.counters["us_per_contact"] = benchmark::Counter(
        static_cast<double>(contacts) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::OneK::kIs1000);
    state.counters["score"] = benchmark::Counter(std::stod("0" + session.CurrentScreen().scoreLabel));
    fs::remove_all(folder);
}

BENCHMARK(Reload)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace
}  // namespace tallyhawk

BENCHMARK_MAIN();
