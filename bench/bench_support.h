// What the benchmarks share: real contest calls and the shipped country files.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/text.h"

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

}  // namespace tallyhawk
