// After the contest, on a CQ WW DX log of 100,000 contacts: the Cabrillo 3.0 log for the sponsor, the
// contest's ADIF, the check before sending, the logbook from a logger's ADIF of 100,000 records (two
// lines each), and taking over another program's Cabrillo log of 100,000 contacts with its reload.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/session/contest_log_import.h"
#include "app/session/logger_session.h"
#include "bench/bench_support.h"
#include "log/contest_log_writer.h"
#include "log/qso_line.h"

namespace tallyhawk {
namespace {

constexpr int kContacts = 100000;

std::filesystem::path MakeFolder(const char* name) {
    const auto folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "database");
    std::filesystem::create_directories(folder / "statistics");
    CopyShippedCountryFiles(folder);
    return folder;
}

std::string Time(int i) {
    const int minute = (i / 50) % (48 * 60);
    const std::string hours = std::to_string(100 + (minute / 60) % 24).substr(1);
    return hours + std::to_string(100 + minute % 60).substr(1);
}

// The contest log of the program itself, as the saves write it.
void WriteContestLog(const std::filesystem::path& folder, const std::vector<std::string>& calls) {
    std::ofstream log(folder / "DL1XYZ.cbr", std::ios::binary);
    log << FormatLogHeader("CQ", {.callsign = "DL1XYZ"});
    for (int i = 0; i < kContacts; ++i) {
        const QsoRecord qso{.call = calls[static_cast<std::size_t>(i) % calls.size()],
                            .date = i < kContacts / 2 ? "2024-11-23" : "2024-11-24", .time = Time(i),
                            .band = std::string(BandShortCode(kBands[static_cast<std::size_t>(i) % 6])), .mode = "CW",
                            .exchangeSent = "14", .exchangeReceived = std::to_string(1 + i % 40)};
        log << FormatQsoLine(qso, "DL1XYZ", "0") << kLineEnd;
    }
}

class ContestFolder {
public:
    ContestFolder() : m_folder(MakeFolder("tallyhawk-bench-after")) {
        WriteContestLog(m_folder, BenchCalls());
        (void)LoadSettings(m_settings, ReadSystemClock());
        for (const auto& [name, value] : {std::pair{"Callsign", "DL1XYZ"}, std::pair{"Contest", "CQ"},
                                          std::pair{"Mode", "CW"}, std::pair{"Continent", "EU"},
                                          std::pair{"CategoryPower", "LOW"}, std::pair{"Email", "a@b.c"}}) {
            (void)WriteSetting(m_settings, name, value);
        }
    }
    ~ContestFolder() { std::filesystem::remove_all(m_folder); }
    LoggerSession Started() {
        LoggerSession session(ProgramFolder(m_folder), m_settings);
        (void)session.Start();
        return session;
    }

private:
    std::filesystem::path m_folder;
    MemorySettingsBackend m_settings;
};

void ExportCabrilloForTheSponsor(benchmark::State& state) {
    ContestFolder folder;
    const LoggerSession session = folder.Started();
    for (auto _ : state) {
        if (session.ExportCabrillo().contacts != kContacts) state.SkipWithError("contacts missing");
    }
}

void ExportAdifOfTheContest(benchmark::State& state) {
    ContestFolder folder;
    const LoggerSession session = folder.Started();
    for (auto _ : state) {
        if (session.ExportAdif().contacts != kContacts) state.SkipWithError("contacts missing");
    }
}

void CheckBeforeSending(benchmark::State& state) {
    ContestFolder folder;
    const LoggerSession session = folder.Started();
    for (auto _ : state) {
        const SubmissionCheck check = session.CheckSubmission();
        // The log holds duplicates, so each run lists findings. No counter reports their number: the
        // CSV output of ./run bench takes a counter only when every benchmark of the program has it.
        if (check.contacts != kContacts || check.findings.empty()) state.SkipWithError("contacts or findings missing");
    }
}

// An HRD-style export: each record over two lines, lower-case tags, typed fields.
std::filesystem::path MakeAnyAdifFile(const std::filesystem::path& folder, const std::vector<std::string>& calls) {
    const auto path = folder / "logger.adi";
    std::ofstream adif(path, std::ios::binary);
    adif << "Logger export\r\n<adif_ver:5>3.1.4 <programid:6>Logger <eoh>\r\n";
    for (int i = 0; i < kContacts; ++i) {
        const std::string& call = calls[static_cast<std::size_t>(i) % calls.size()];
        adif << "<call:" << call.size() << ">" << call << " <qso_date:8:d>20240315 <time_on:6>" << Time(i)
             << "00 <freq:9:n>14.074123 <mode:3>FT8 <rst_sent:3>-10 <rst_rcvd:3>+02 <gridsquare:4>JO62\r\n"
             << "<qsl_sent:1>N <qsl_rcvd:1>N <comment:24>FT8  Sent: -10 Rcvd: +02 <eor>\r\n";
    }
    return path;
}

void ImportAnyLoggersAdif(benchmark::State& state) {
    const auto folder = MakeFolder("tallyhawk-bench-any-adif");
    const auto source = MakeAnyAdifFile(folder, BenchCalls());
    for (auto _ : state) {
        if (ImportAnyAdif(ProgramFolder(folder), source).imported != kContacts) state.SkipWithError("records missing");
    }
    std::filesystem::remove_all(folder);
}

// Another program's Cabrillo 3.0 log of the same contacts, taken over and reloaded.
void ImportAnotherProgramsLogAndReload(benchmark::State& state) {
    ContestFolder contest;
    const std::filesystem::path folder = MakeFolder("tallyhawk-bench-import-log");
    const std::filesystem::path source = folder / "other.log";
    (void)contest.Started().ExportCabrillo(source);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(folder / "DL1XYZ.cbr");
        MemorySettingsBackend settings;
        state.ResumeTiming();
        const auto imported = ImportContestLog(ProgramFolder(folder), settings, source, ReadSystemClock());
        LoggerSession session(ProgramFolder(folder), settings);
        (void)session.Start();
        if (!imported.log || session.ReloadContestLog().status != ReloadStatus::Reloaded) state.SkipWithError("refused");
    }
    std::filesystem::remove_all(folder);
}

BENCHMARK(ExportCabrilloForTheSponsor)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ExportAdifOfTheContest)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(CheckBeforeSending)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ImportAnyLoggersAdif)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ImportAnotherProgramsLogAndReload)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tallyhawk

BENCHMARK_MAIN();
