// Reload of a CQ WW DX log of 10,000 and of 100,000 contacts through LoggerSession: the column check,
// the removal of the derived files, the recount of every contact (one country lookup each, the
// multiplier lists in memory, a flush every 1000 contacts) and the score display. The time per contact
// must not grow with the log: 100,000 contacts within 12 times the time of 10,000.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/session/logger_session.h"
#include "bench/bench_support.h"
#include "core/text.h"
#include "log/contest_log_writer.h"
#include "log/qso_line.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

fs::path MakeFolder(MemorySettingsBackend& store) {
    const fs::path folder = fs::temp_directory_path() / "tallyhawk-bench-reload";
    fs::remove_all(folder);
    for (const char* sub : {"database", "statistics"}) fs::create_directories(folder / sub);
    CopyShippedCountryFiles(folder);
    (void)LoadSettings(store, ReadSystemClock());
    for (const auto& [name, value] :
         {std::pair{"Callsign", "DL1XYZ"}, {"Contest", "CQ"}, {"Continent", "EU"}, {"CQZone", "14"}}) {
        store.WriteString(kSettingsGroup, name, value);
    }
    return folder;
}

// The log as the saves write it: the calls in turn, each with its country's CQ zone, the band changing
// every thousand contacts.
void WriteLog(const fs::path& folder, int contacts) {
    const std::vector<std::string> calls = BenchCalls();
    CountryTable countries{ProgramFolder(folder)};
    countries.LoadPrefixLists();
    countries.BeginOperation();
    std::string log = FormatLogHeader("CQ", StationProfile{"DL1XYZ"});
    for (int i = 0; i < contacts; ++i) {
        // A stride through the sorted file, so that short and long logs draw on the same mix of countries.
        const std::string& call = calls[static_cast<std::size_t>(i) * 7919 % calls.size()];
        const std::string zone = countries.LookupCountry(call).CqZone();
        const std::string band(BandShortCode(kBands[static_cast<std::size_t>(i / 1000) % kBands.size()]));
        const QsoRecord qso{call, "2026-11-28", "1200", band, "CW", "14", zone.empty() ? "14" : zone};
        log += FormatQsoLine(qso, "DL1XYZ", "0") + "\r\n";
    }
    std::ofstream(folder / "DL1XYZ.cbr", std::ios::binary) << log;
}

void Reload(benchmark::State& state) {
    const int contacts = static_cast<int>(state.range(0));
    MemorySettingsBackend store;
    const fs::path folder = MakeFolder(store);
    WriteLog(folder, contacts);
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
