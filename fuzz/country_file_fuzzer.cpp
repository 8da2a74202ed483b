// The country file and the prefix lists: the in-memory index must answer exactly as a literal scan
// of the same text. The first line of the input is the key, the rest the file.
#include <cstdlib>

#include "callsign/country_file_index.h"
#include "callsign/country_table.h"
#include "fuzz/fuzz_input.h"

namespace {

std::string_view LiteralScan(std::string_view fileText, std::string_view key) {
    const std::string needle = " " + std::string(key) + " ";
    std::string_view record;
    for (const std::string_view line : tallyhawk::TextModeLines(fileText)) {
        if (line.find(needle) != std::string_view::npos) record = line.substr(0, tallyhawk::kCountryRecordLength);
    }
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = tallyhawk::FuzzText(data, size);
    const auto newline = input.find('\n');
    if (newline == std::string_view::npos) return 0;
    const std::string_view key = input.substr(0, newline);
    const std::string_view fileText = input.substr(newline + 1);
    const tallyhawk::CountryFileIndex index(fileText);
    if (index.Record(key) != LiteralScan(fileText, key)) std::abort();
    (void)tallyhawk::PrefixListFromText(fileText);
    return 0;
}
