// One save (the whole save sequence, fsync included) on logs of 100, 10,000 and 100,000 contacts.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/session/logger_session.h"
#include "log/contest_log_writer.h"
#include "log/qso_line.h"

namespace tallyhawk {
namespace {

std::filesystem::path MakeFolderWithLog(int contacts, MemorySettingsBackend& store) {
    const auto folder = std::filesystem::temp_directory_path() / ("tallyhawk-bench-save-" + std::to_string(contacts));
    std::filesystem::remove_all(folder);
    for (const char* sub : {"dxcc", "database", "statistics"}) std::filesystem::create_directories(folder / sub);
    (void)LoadSettings(store, ReadSystemClock());
    store.WriteString(kSettingsGroup, "Callsign", "UA1AAA");
    store.WriteString(kSettingsGroup, "Contest", "CQ");
    store.WriteString(kSettingsGroup, "Band", "20");
    store.WriteString(kSettingsGroup, "Mode", "CW");
    StationProfile station{"UA1AAA", "", "", "", "14", "EU"};
    std::ofstream log(folder / "UA1AAA.cbr", std::ios::binary);
    log << FormatLogHeader("CQ", station);
    for (int i = 0; i < contacts; ++i) {
        const QsoRecord qso{"DL" + std::to_string(i % 10) + "AB", "2002-02-16", "1234", "20", "CW", "16", "14"};
        log << FormatQsoLine(qso, "UA1AAA", "0") << kLineEnd;
    }
    return folder;
}

void SaveOneContact(benchmark::State& state) {
    MemorySettingsBackend store;
    const auto folder = MakeFolderWithLog(static_cast<int>(state.range(0)), store);
    LoggerSession session(ProgramFolder(folder), store);
    (void)session.Start();
    for (auto _ : state) {
        session.SetFieldText(Field::Call, "DL1AB");
        session.SetFieldText(Field::Time, "12:34");
        session.SetFieldText(Field::ExchangeSent, "16");
        session.SetFieldText(Field::ExchangeReceived, "14");
        benchmark::DoNotOptimize(session.SaveContact());
    }
    std::filesystem::remove_all(folder);
}

BENCHMARK(SaveOneContact)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tallyhawk

BENCHMARK_MAIN();
