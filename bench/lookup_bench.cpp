// Country lookups over the calls of MASTER.SCP: the table in memory within one operation, against a
// literal scan of dxcc/cty.dat for every lookup.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "callsign/country_file_index.h"
#include "callsign/country_table.h"
#include "core/file_io.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

// The real calls of MASTER.SCP, or a made-up mix of call shapes when hamradio-files is not installed.
std::vector<std::string> LoadCalls() {
    std::vector<std::string> calls;
    const std::string text = ReadFileOrEmpty("/usr/share/hamradio-files/MASTER.SCP");
    for (std::string_view line : TextModeLines(text)) {
        line = TrimWhitespace(line);
        if (!line.empty() && line.front() != '#') calls.emplace_back(line);
    }
    if (calls.empty()) {
        for (int i = 0; i < 10000; ++i) {
            for (const char* prefix : {"DL", "UA", "W", "JA", "EA8", "VP2E", "KH6", "R9F"}) {
                calls.push_back(prefix + std::to_string(i % 10) + "AB");
            }
        }
    }
    return calls;
}

class LookupFolder {
public:
    LookupFolder()
        : m_root(std::filesystem::temp_directory_path() /
                 ("tallyhawk-bench-lookup-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_root / "dxcc");
        std::filesystem::copy(
            std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc", m_root / "dxcc",
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    }
    ~LookupFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_root, error);
    }
    ProgramFolder Folder() const { return ProgramFolder(m_root); }

private:
    std::filesystem::path m_root;
};

const std::vector<std::string>& Calls() {
    static const std::vector<std::string> calls = LoadCalls();
    return calls;
}

void LookupInMemory(benchmark::State& state) {
    LookupFolder folder;
    CountryTable table(folder.Folder());
    table.LoadPrefixLists();
    table.BeginOperation();
    const auto& calls = Calls();
    if (table.LookupCountry("DL1ABC").Empty()) state.SkipWithError("the shipped country file is missing");
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.LookupCountry(calls[next]));
        if (++next == calls.size()) next = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void LookupByFreshScan(benchmark::State& state) {
    LookupFolder folder;
    CountryTable table(folder.Folder());
    table.LoadPrefixLists();
    const auto path = table.CountryFilePath();
    const auto& calls = Calls();
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string& call = calls[next];
        if (IsLookupCall(call))
            benchmark::DoNotOptimize(ScanCountryFile(path, CountrySearchKey(call, table.Lists())));
        if (++next == calls.size()) next = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(LookupInMemory);
BENCHMARK(LookupByFreshScan)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallyhawk

BENCHMARK_MAIN();
