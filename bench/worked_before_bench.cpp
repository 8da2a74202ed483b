// One keystroke in the call field on a contest index of 100,000 contacts: the worked-before check (a
// whole read of the contest index's call file, the prefix search and up to seven record reads), then
// the known calls of the full MASTER.SCP (the partial matches, the N+1 calls and their worked marks).
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>

#include "app/session/logger_session.h"
#include "database/contest_index.h"

namespace tallyhawk {
namespace {

constexpr int kContacts = 100000;

// Calls of many countries with suffixes of one to three letters, the same sequence on every run.
std::string SyntheticCall(std::uint32_t& seed) {
    static constexpr std::array<std::string_view, 24> kPrefixes = {
        "DL", "UA", "W",  "K",  "JA", "G",  "F",  "I",  "SP", "OK", "YU", "LZ",
        "HA", "VE", "PY", "EA", "ON", "PA", "OH", "SM", "UR", "RA", "VK", "ZS"};
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u, seed >> 8; };
    std::string call(kPrefixes[next() % kPrefixes.size()]);
    call += static_cast<char>('0' + next() % 10);
    for (std::uint32_t letters = 1 + next() % 3; letters > 0; --letters)
        call += static_cast<char>('A' + next() % 26);
    return call;
}

std::filesystem::path MakeFolderWithIndex(MemorySettingsBackend& store) {
    const auto folder = std::filesystem::temp_directory_path() / "tallyhawk-bench-worked-before";
    std::filesystem::remove_all(folder);
    for (const char* sub : {"dxcc", "database", "statistics"})
        std::filesystem::create_directories(folder / sub);
    (void)LoadSettings(store, ReadSystemClock());
    for (const auto& [name, value] :
         {std::pair{"Callsign", "UA1AAA"}, {"Contest", "CQ"}, {"Band", "20"}, {"Mode", "CW"}}) {
        store.WriteString(kSettingsGroup, name, value);
    }
    std::string entries;
    std::string records;
    std::uint32_t seed = 1;
    for (int i = 0; i < kContacts; ++i) {
        entries += ContestIndexEntry(i == kContacts / 2 ? "UA1AA" : SyntheticCall(seed));
        records += ContestIndexRecord("2002-02-16,1234,20,CW,16,14");
    }
    const auto files = ContestIndexFilesFor(ProgramFolder(folder), "UA1AAA");
    if (!AppendContestIndex(files, entries, records)) std::abort();
    return folder;
}

// Arguments: 0 "U" (seven matches near the start), 1 "UA1AA" (a duplicate half-way), 2 "QQ" (no
// match: the whole file is searched), 3 "K1" (the shortest partial: 40 known calls to mark), 4 "DL1A"
// (partial and N+1 lists), 5 "W1AW" (a short call with a long N+1 list).
void WorkedBeforeKeystroke(benchmark::State& state) {
    static constexpr std::array<std::string_view, 6> kTyped = {"U", "UA1AA", "QQ", "K1", "DL1A", "W1AW"};
    MemorySettingsBackend store;
    const auto folder = MakeFolderWithIndex(store);
    LoggerSession session(ProgramFolder(folder), store);
    (void)session.Start();
    const std::string_view typed = kTyped[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(session.CallChanged(typed));
    const CallMatches& known = session.CurrentScreen().knownCalls;
    state.counters["known"] = static_cast<double>(session.KnownCallCount());
    state.counters["partial"] = static_cast<double>(known.partial.size());
    state.counters["n1"] = static_cast<double>(known.nearby.size());
    state.SetLabel(std::string(typed));
    std::filesystem::remove_all(folder);
}

BENCHMARK(WorkedBeforeKeystroke)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Arg(4)
    ->Arg(5)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tallyhawk

BENCHMARK_MAIN();
