// The country file held in memory: its lines as a text-mode read gives them, and for every word the
// last line that lists it, so that a lookup costs one hash probe instead of a scan of the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "callsign/blank_words.h"
#include "callsign/country_record.h"

namespace tallyhawk {

class CountryFileIndex {
public:
    CountryFileIndex() = default;
    explicit CountryFileIndex(std::string_view fileText);

    // The record of the last line that contains " " + key + " "; empty when no line does.
    std::string_view Record(std::string_view key) const;

    std::size_t LineCount() const { return m_lines.size(); }

private:
    std::string_view ScanRecord(std::string_view key) const;
    std::string_view RecordOfLine(std::size_t line) const;

    std::vector<std::string> m_lines;
    WordMap<std::uint32_t> m_lastLineOfWord;
};

// The lines of a file read in text mode: split at LF, a CR before the LF dropped; no line after a final LF.
std::vector<std::string_view> TextModeLines(std::string_view fileText);

// The record of a literal scan of the file on disk: read line by line, the last line holding
// " " + key + " " wins. Empty for a missing file or no match. The in-memory index agrees with it.
std::string ScanCountryFile(const std::filesystem::path& path, std::string_view key);

}  // namespace tallyhawk
