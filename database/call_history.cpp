// The call history: lookup file and history rows.
#include "database/call_history.h"

#include <algorithm>
#include <fstream>

#include "core/file_io.h"
#include "core/text.h"
#include "database/logbook_database.h"

namespace tallyhawk {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// Up to `count` characters from `position`; empty past the end.
std::string_view CharactersAt(std::string_view text, std::size_t position, std::size_t count) {
    if (position >= text.size()) return {};
    return text.substr(position, count);
}

// Where a tag starts, or nothing.
std::optional<std::size_t> FindTag(std::string_view record, std::string_view tag) {
    const std::size_t at = record.find(tag);
    if (at == std::string_view::npos) return std::nullopt;
    return at;
}

// The value of a tag written "<NAME:n>value" with a one-digit length n right after the colon.
std::string_view OneDigitLengthValue(std::string_view record, std::size_t tagStart, std::size_t nameLength) {
    const std::string_view digit = CharactersAt(record, tagStart + nameLength + 1, 1);
    const std::size_t length =
        !digit.empty() && IsDigit(digit.front()) ? static_cast<std::size_t>(digit[0] - '0') : 0;
    return CharactersAt(record, tagStart + nameLength + 3, length);
}

std::string HistoryDate(std::string_view record) {
    const auto tag = FindTag(record, "<QSO_DATE:");
    if (!tag) return {};
    // "<QSO_DATE:8:D>" carries a type indicator, "<QSO_DATE:8>" does not.
    const std::string_view after = CharactersAt(record, *tag + 11, 1);
    std::size_t start = 0;
    if (after == ":") {
        start = *tag + 14;
    } else if (after == ">") {
        start = *tag + 12;
    } else {
        return {};
    }
    const std::string_view value = CharactersAt(record, start, 8);
    return std::string(CharactersAt(value, 0, 4)) + "-" + std::string(CharactersAt(value, 4, 2)) + "-" +
           std::string(CharactersAt(value, 6, 2));
}

std::string HistoryTime(std::string_view record) {
    const auto tag = FindTag(record, "<TIME_ON:");
    if (!tag) return {};
    return std::string(CharactersAt(record, *tag + 11, 2)) + ":" +
           std::string(CharactersAt(record, *tag + 13, 2));
}

// A frequency in MHz as the band it lies in; any other value is shown as it is.
std::string BandOfFrequency(std::string_view frequency) {
    struct Start {
        std::string_view prefix;
        std::string_view band;
    };
    static constexpr std::array<Start, 8> kStarts = {{
        {"28", "10"},
        {"29", "10"},
        {"21", "15"},
        {"14", "20"},
        {"7", "40"},
        {"3", "80"},
        {"1.", "160"},
        {"1,", "160"},
    }};
    for (const Start& start : kStarts) {
        if (frequency.starts_with(start.prefix)) return std::string(start.band);
    }
    return std::string(frequency);
}

std::string HistoryBand(std::string_view record) {
    // The first two characters of the band name: "20M" gives 20 (and "160M" gives 16).
    if (const auto band = FindTag(record, "<BAND:")) return std::string(CharactersAt(record, *band + 8, 2));
    if (const auto frequency = FindTag(record, "<FREQ:")) {
        return BandOfFrequency(TrimBlanks(OneDigitLengthValue(record, *frequency, 5)));
    }
    return {};
}

std::string HistoryMode(std::string_view record) {
    const auto tag = FindTag(record, "<MODE:");
    if (!tag) return {};
    const std::string_view mode = OneDigitLengthValue(record, *tag, 5);
    if (mode == "SS") return "PH";
    if (mode == "RY" || mode == "BP" || mode == "PS") return "RY";
    return std::string(mode);
}

std::string HistoryQsl(std::string_view record) {
    const auto flag = [record](std::string_view tag) -> std::string_view {
        const auto at = FindTag(record, tag);
        return at ? CharactersAt(record, *at + 12, 1) : std::string_view{};
    };
    const std::string_view received = flag("<QSL_RCVD:");
    const std::string_view sent = flag("<QSL_SENT:");
    if (received.empty() && sent.empty()) return {};
    return std::string(received) + "/" + std::string(sent);
}

}  // namespace

std::size_t LookupViewRowCount(std::size_t historyRows) {
    return 1 + std::max(kLookupViewEmptyRows, historyRows);
}

std::vector<std::size_t> ExactLogbookMatches(std::string calls, std::string_view call) {
    // Trimmed, the call starts with a non-blank, so blanking an occurrence always changes the text.
    call = TrimBlanks(call);
    std::vector<std::size_t> matches;
    if (call.empty()) return matches;
    // Each occurrence found is blanked so that the next search finds the next one; a new occurrence can
    // only start where the blanked byte falls inside it.
    for (std::size_t from = 0;;) {
        const std::size_t at = calls.find(call, from);
        if (at == std::string::npos) break;
        calls[at] = ' ';
        const std::size_t after = at + call.size();
        if ((at == 0 || calls[at - 1] == ' ') && after < calls.size() && calls[after] == ' ')
            matches.push_back(at);
        from = at + 1 >= call.size() ? at + 1 - call.size() : 0;
    }
    return matches;
}

bool BuildLookupFile(const ProgramFolder& folder, std::string_view call) {
    call = TrimBlanks(call);
    const auto callsPath = folder.DatabasePath(kLogbookCallsFile);
    const auto recordsPath = folder.DatabasePath(kLogbookRecordsFile);
    if (!EnsureFolder(callsPath.parent_path())) return false;
    if (!FileExists(callsPath)) (void)TruncateFile(callsPath);
    if (!FileExists(recordsPath)) (void)TruncateFile(recordsPath);
    const std::string calls = ReadFileOrEmpty(callsPath);

    std::string lookup;
    if (!call.empty() && calls.find(call) != std::string::npos) lookup.append(call).append(kCrLf);
    std::ifstream records(recordsPath, std::ios::binary);
    for (std::size_t at : ExactLogbookMatches(calls, call)) {
        std::string record(kLogbookRecordSize, ' ');
        records.clear();
        if (records.seekg(static_cast<std::streamoff>(kLogbookRecordBytesPerEntryByte * at))) {
            records.read(record.data(), static_cast<std::streamsize>(record.size()));
            record.resize(static_cast<std::size_t>(records.gcount()));
        }
        lookup.append(TrimBlanks(record)).append(kCrLf);
    }
    const auto lookupPath = folder.DatabasePath(kLookupFile);
    return TruncateFile(lookupPath) && AppendToFile(lookupPath, lookup);
}

LookupRow ParseHistoryRecord(std::string_view record) {
    return {HistoryDate(record), HistoryTime(record), HistoryBand(record), HistoryMode(record),
            HistoryQsl(record)};
}

std::vector<LookupRow> HistoryRowsFromLookupFile(std::string_view text) {
    constexpr std::size_t kLongestSkippedLine = 10;
    std::vector<LookupRow> rows;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line =
            TrimLineEnd(text.substr(0, end == std::string_view::npos ? text.size() : end + 1));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.size() > kLongestSkippedLine) rows.push_back(ParseHistoryRecord(line));
    }
    return rows;
}

}  // namespace tallyhawk
