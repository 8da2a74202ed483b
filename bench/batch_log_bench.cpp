// `log --batch` of 100,000 contacts through LoggerSession with the log buffered, in WPX DX and CQ WW DX:
// the whole save sequence per contact (index, statistics, log line, score display). Reports the median
// time of one save and the mean of the first and of the last thousand, which must stay close: the cost
// of a save must not grow with the log.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>

#include "app/session/logger_session.h"
#include "bench/bench_support.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

constexpr int kWindow = 1000;

// 100,000 contacts; TALLYHAWK_BENCH_CONTACTS sets another count (at least 1000) for a quick look.
int ContactsToLog() {
    const char* wanted = std::getenv("TALLYHAWK_BENCH_CONTACTS");
    return wanted ? std::max(kWindow, std::atoi(wanted)) : 100000;
}

fs::path MakeFolder(std::string_view contest, MemorySettingsBackend& store) {
    const fs::path folder = fs::temp_directory_path() / ("tallyhawk-bench-batch-" + std::string(contest));
    fs::remove_all(folder);
    CopyShippedCountryFiles(folder);
    (void)LoadSettings(store, ReadSystemClock());
    for (const auto& [name, value] : {std::pair{"Callsign", "DL1XYZ"}, {"Continent", "EU"}, {"CQZone", "14"}}) {
        store.WriteString(kSettingsGroup, name, value);
    }
    store.WriteString(kSettingsGroup, "Contest", contest);
    return folder;
}

// The received exchange: a serial number in WPX, the CQ zone of the call's country in CQ WW.
std::vector<std::string> Exchanges(const std::vector<std::string>& calls, std::string_view contest,
                                   const fs::path& folder) {
    CountryTable countries{ProgramFolder(folder)};
    countries.LoadPrefixLists();
    countries.BeginOperation();
    std::vector<std::string> exchanges;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const std::string zone = countries.LookupCountry(calls[i]).CqZone();
        exchanges.push_back(contest == "WPX" ? std::to_string(i % 3000 + 1) : (zone.empty() ? "14" : zone));
    }
    return exchanges;
}

double MeanMicros(std::vector<double>::const_iterator first, std::vector<double>::const_iterator last) {
    return std::accumulate(first, last, 0.0) / static_cast<double>(last - first);
}

void BatchLog(benchmark::State& state, std::string_view contest) {
    const std::vector<std::string> calls = BenchCalls();
    const int contacts = ContactsToLog();
    for (auto _ : state) {
        MemorySettingsBackend store;
        const fs::path folder = MakeFolder(contest, store);
        const std::vector<std::string> exchanges = Exchanges(calls, contest, folder);
        LoggerSession session(ProgramFolder(folder), store);
        (void)session.Start();
        session.SetLogDurability(Durability::Buffered);
        std::vector<double> micros(static_cast<std::size_t>(contacts));
        for (int i = 0; i < contacts; ++i) {
            const std::size_t pick = static_cast<std::size_t>(i) % calls.size();
            session.SetFieldText(Field::Band, BandShortCode(kBands[static_cast<std::size_t>(i / kWindow) % 6]));
            session.SetFieldText(Field::Mode, "CW");
            session.SetFieldText(Field::Date, "2026-12-05");
            session.SetFieldText(Field::Call, calls[pick]);
            session.SetFieldText(Field::Time, "12:00");
            session.SetFieldText(Field::ExchangeSent, contest == "WPX" ? std::to_string(i + 1) : "14");
            session.SetFieldText(Field::ExchangeReceived, exchanges[pick]);
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(session.SaveContact());
            micros[static_cast<std::size_t>(i)] =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        }
        benchmark::DoNotOptimize(session.SyncContestLog());
        state.counters["first_1000_us"] = MeanMicros(micros.begin(), micros.begin() + kWindow);
        state.counters["last_1000_us"] = MeanMicros(micros.end() - kWindow, micros.end());
        const auto middle = micros.begin() + contacts / 2;
        std::nth_element(micros.begin(), middle, micros.end());
        state.counters["median_us"] = *middle;
        state.counters["score"] = benchmark::Counter(std::stod("0" + session.CurrentScreen().scoreLabel));
        fs::remove_all(folder);
    }
}

BENCHMARK_CAPTURE(BatchLog, WpxDx, std::string_view("WPX"))->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BatchLog, CqWwDx, std::string_view("CQ"))->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tallyhawk

BENCHMARK_MAIN();
