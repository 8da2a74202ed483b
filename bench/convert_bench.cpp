// Converting a 100,000-record ADIF file to Cabrillo, and importing it into the logbook database, each
// the whole operation from the file check to the last byte written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "convert/adif_import.h"
#include "convert/log_conversion.h"

namespace tallyhawk {
namespace {

constexpr int kRecords = 100000;

// Records the size and shape of a contest logger's export: about 300 bytes, fields separated by blanks.
std::filesystem::path MakeAdifFile(const std::filesystem::path& folder) {
    const auto path = folder / "export.adi";
    std::ofstream adif(path, std::ios::binary);
    adif << "ADIF export\r\n<ADIF_VER:5>3.1.0 <PROGRAMID:6>Tester\r\n<EOH>\r\n";
    for (int i = 0; i < kRecords; ++i) {
        const std::string call = "DL" + std::to_string(1000 + i % 9000) + "X";
        adif << "<CALL:" << call.size() << ">" << call << " <QSO_DATE:8>2023" << (10 + i % 3) << (10 + i % 18)
             << " <TIME_ON:6>" << (10 + i % 14) << (10 + i % 50) << "00 <BAND:3>20M <FREQ:8>14.02500"
             << " <MODE:2>CW <RST_SENT:3>599 <RST_RCVD:3>579 <STATION_CALLSIGN:6>UA1AAA <OPERATOR:6>UA1AAA"
             << " <CONTEST_ID:13>CQ-WW-DX-CW <STX:3>123 <SRX:2>14 <CQZ:2>14 <QSL_SENT:1>N <QSL_RCVD:1>N"
             << " <COMMENT:20>benchmark record    <EOR>\r\n";
    }
    return path;
}

std::filesystem::path MakeFolder(const char* name) {
    const auto folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "database");
    return folder;
}

void ConvertAdifToCabrillo(benchmark::State& state) {
    const auto folder = MakeFolder("tallyhawk-bench-convert");
    const auto source = MakeAdifFile(folder);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(folder / "Convert.cbr");
        state.ResumeTiming();
        const auto result = ConvertLog(
            {.source = source, .format = LogFormat::Adif, .outputFolder = folder, .callsign = "UA1AAA"},
            [](std::string_view text) { benchmark::DoNotOptimize(text.data()); });
        if (result.records != kRecords) state.SkipWithError("not every record was converted");
    }
    std::filesystem::remove_all(folder);
}

void ImportAdifIntoTheLogbook(benchmark::State& state) {
    const auto folder = MakeFolder("tallyhawk-bench-import");
    const auto source = MakeAdifFile(folder);
    for (auto _ : state) {
        const auto result = ImportAdif(ProgramFolder(folder), source,
                                       [](std::string_view text) { benchmark::DoNotOptimize(text.data()); });
        if (result.records != kRecords) state.SkipWithError("not every record was imported");
    }
    std::filesystem::remove_all(folder);
}

BENCHMARK(ConvertAdifToCabrillo)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ImportAdifIntoTheLogbook)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tallyhawk

BENCHMARK_MAIN();
