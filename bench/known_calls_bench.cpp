// The known calls of the full MASTER.SCP (about 85,000 calls): reading and indexing the file once at
// start-up, and the two searches of a keystroke without the contest index.
#include <benchmark/benchmark.h>

#include <array>

#include "callsign/super_check_partial.h"
#include "core/file_io.h"

namespace tallyhawk {
namespace {

const std::string& ScpText() {
    static const std::string text = ReadFileOrEmpty(std::filesystem::path(kSystemScpPath));
    return text;
}

void ScpIndexBuild(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ScpIndex(ReadScpCalls(ScpText())));
    state.counters["calls"] = static_cast<double>(ScpIndex(ReadScpCalls(ScpText())).Size());
}
BENCHMARK(ScpIndexBuild)->Unit(benchmark::kMillisecond);

constexpr std::array<std::string_view, 5> kTyped = {"K1", "DL1A", "1AB", "W1AW", "UA9XXX"};

void ScpPartialMatches(benchmark::State& state) {
    const ScpIndex index(ReadScpCalls(ScpText()));
    const std::string_view typed = kTyped[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(index.PartialMatches(typed, 40));
    state.SetLabel(std::string(typed));
}
BENCHMARK(ScpPartialMatches)->DenseRange(0, kTyped.size() - 1)->Unit(benchmark::kMicrosecond);

void ScpNearCalls(benchmark::State& state) {
    const ScpIndex index(ReadScpCalls(ScpText()));
    const std::string_view typed = kTyped[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(index.NearCalls(typed, 40));
    state.SetLabel(std::string(typed));
}
BENCHMARK(ScpNearCalls)->DenseRange(1, kTyped.size() - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallyhawk

BENCHMARK_MAIN();
