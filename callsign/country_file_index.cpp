// The in-memory country file and the literal scan it stands in for.
#include "callsign/country_file_index.h"

#include <fstream>

namespace tallyhawk {

std::vector<std::string_view> TextModeLines(std::string_view fileText) {
    std::vector<std::string_view> lines;
    while (!fileText.empty()) {
        const std::size_t end = fileText.find('\n');
        if (end == std::string_view::npos) {
            lines.push_back(fileText);
            break;
        }
        std::string_view line = fileText.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        fileText.remove_prefix(end + 1);
    }
    return lines;
}

CountryFileIndex::CountryFileIndex(std::string_view fileText) {
    for (std::string_view line : TextModeLines(fileText)) m_lines.emplace_back(line);
    for (std::uint32_t number = 0; number < m_lines.size(); ++number) {
        ForEachBlankEnclosedWord(m_lines[number], [&](std::string_view word) {
            auto [entry, inserted] = m_lastLineOfWord.try_emplace(std::string(word), number);
            if (!inserted) entry->second = number;  // a later line wins
        });
    }
}

std::string_view CountryFileIndex::RecordOfLine(std::size_t line) const {
    return std::string_view(m_lines[line]).substr(0, kCountryRecordLength);
}

std::string_view CountryFileIndex::Record(std::string_view key) const {
    if (NeedsLiteralSearch(key)) return ScanRecord(key);
    const auto found = m_lastLineOfWord.find(key);
    return found == m_lastLineOfWord.end() ? std::string_view{} : RecordOfLine(found->second);
}

// Keys that are empty or hold a blank cannot be tabled; they are searched as the text they are.
std::string_view CountryFileIndex::ScanRecord(std::string_view key) const {
    const std::string needle = " " + std::string(key) + " ";
    for (std::size_t line = m_lines.size(); line-- > 0;) {
        if (m_lines[line].find(needle) != std::string::npos) return RecordOfLine(line);
    }
    return {};
}

std::string ScanCountryFile(const std::filesystem::path& path, std::string_view key) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    const std::string needle = " " + std::string(key) + " ";
    std::string record;
    std::string line;
    while (std::getline(file, line)) {
        // Text mode drops the CR of a CR LF; a CR without a LF after it stays part of the line.
        if (!file.eof() && !line.empty() && line.back() == '\r') line.pop_back();
        if (line.find(needle) != std::string::npos) record = line.substr(0, kCountryRecordLength);
    }
    return record;
}

}  // namespace tallyhawk
