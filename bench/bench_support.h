// What the benchmarks share: real contest calls and the shipped country files.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/session/logger_session.h"
#include "core/text.h"
#include "log/contest_log_writer.h"
#include "log/qso_line.h"

namespace tallyhawk {

// Real contest calls from the Super Check Partial file when installed, else made-up ones.
inline std::vector<std::string> BenchCalls() {
    std::vector<std::string> calls;
    std::ifstream in("/usr/share/hamradio-files/MASTER.SCP");
    for (std::string line; std::getline(in, line);) {
        const std::string_view call = TrimWhitespace(line);
        if (!call.empty() && call.front() != '#') calls.emplace_back(call);
    }
    for (int i = 0; calls.size() < 1000; ++i)
        calls.push_back("DL" + std::to_string(i % 10) + "A" + char('A' + i % 26));
    return calls;
}

// Copies data/dxcc into the folder's dxcc/.
inline void CopyShippedCountryFiles(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "dxcc");
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc")) {
        std::filesystem::copy_file(entry.path(), folder / "dxcc" / entry.path().filename());
    }
}

// A fresh program folder in the temporary folder with the shipped country files, and settings for
// DL1XYZ (CQ zone 14, Europe) in CQ WW DX.
inline std::filesystem::path MakeCqWwFolder(MemorySettingsBackend& store, std::string_view folderName) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::remove_all(folder);
    for (const char* sub : {"database", "statistics"}) std::filesystem::create_directories(folder / sub);
    CopyShippedCountryFiles(folder);
    (void)LoadSettings(store, ReadSystemClock());
    for (const auto& [name, value] : {std::pair{"Callsign", "DL1XYZ"}, {"Contest", "CQ"}, {"Continent", "EU"},
                                      {"CQZone", "14"}, {"Band", "20"}, {"Mode", "CW"}}) {
        store.WriteString(kSettingsGroup, name, value);
    }
    return folder;
}

// The contest log DL1XYZ.cbr as the saves write it: the calls in turn, each with its country's CQ zone,
// the band changing every thousand contacts.
inline void WriteCqWwLog(const std::filesystem::path& folder, int contacts) {
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

}  // namespace tallyhawk
