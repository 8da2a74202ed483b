// The exact frequency of each logged contact, kept beside the contest index.
#include "log/contact_frequency_file.h"

#include <charconv>
#include <deque>
#include <map>
#include <tuple>

#include "core/file_io.h"
#include "core/text.h"
#include "core/text_lines.h"

namespace tallyhawk {
namespace {

namespace f = frequency_columns;

// The log's call column keeps 13 characters before its closing blank; the key keeps as many, so a
// key read back from the log matches the one written at the save.
constexpr std::size_t kKeyCallLength = Width(f::kCall) - 1;
constexpr std::size_t kLongestHertz = Width(f::kHertz) - 1;

std::string FieldThenBlank(std::string_view text, ColumnRange field) {
    return PadRight(text, Width(field) - 1) + " ";
}

std::string FieldText(std::string_view line, ColumnRange field) {
    return std::string(TrimBlanks(Cut(line, field)));
}

std::optional<Hertz> ParseHertz(std::string_view text) {
    if (text.empty() || text.size() > kLongestHertz || !IsAllDigits(text)) return std::nullopt;
    Hertz hertz = 0;
    std::from_chars(text.data(), text.data() + text.size(), hertz);
    return hertz;
}

std::string KeyCall(std::string_view call) { return std::string(TrimBlanks(call.substr(0, kKeyCallLength))); }

using Key = std::tuple<std::string, std::string, std::string>;

Key KeyOf(const ContactFrequency& record) { return {record.call, record.date, record.time}; }

std::string FormatFile(const std::vector<ContactFrequency>& records) {
    std::string text;
    text.reserve(records.size() * kFrequencyRecordBytes);
    for (const auto& record : records) text.append(FormatFrequencyRecord(record)).append("\r\n");
    return text;
}

std::optional<std::vector<ContactFrequency>> ReadExisting(const std::filesystem::path& path) {
    if (!FileExists(path)) return std::nullopt;
    const auto text = ReadFile(path);
    if (!text) return std::nullopt;
    return ParseFrequencyFile(*text);
}

std::vector<ContactFrequency> LoggedRecords(const ProgramFolder& folder, std::string_view ownCall) {
    return ParseFrequencyFile(ReadFileOrEmpty(ContactFrequencyPath(folder, ownCall)));
}

bool RecordIsOfContact(const ContactFrequency& record, const ContestLogContact& contact) {
    return FrequencyIsInBand(*record.hertz, contact.band) && record.call == KeyCall(contact.call) &&
           record.date == contact.date && record.time == contact.time;
}

// The contest log's QSO: lines as the keys of their records.
std::vector<ContactFrequency> LoggedKeys(std::string_view contestLog) {
    std::vector<ContactFrequency> keys;
    LineCursor lines(contestLog);
    while (const auto line = lines.Next()) {
        if (!line->text.starts_with(kQsoMark)) continue;
        keys.push_back({std::nullopt, KeyCall(Cut(line->text, WithoutClosingBlank(qso_columns::kWorkedCall))),
                        FieldText(line->text, qso_columns::kDate),
                        FieldText(line->text, qso_columns::kTime)});
    }
    return keys;
}

}  // namespace

ContactFrequency FrequencyOfContact(const QsoRecord& contact, std::optional<Hertz> hertz) {
    return {hertz, KeyCall(contact.call), std::string(TrimBlanks(contact.date)),
            std::string(TrimBlanks(contact.time))};
}

std::string FormatFrequencyRecord(const ContactFrequency& record) {
    const std::string hertz = record.hertz && *record.hertz >= 0 ? std::to_string(*record.hertz) : "";
    return FieldThenBlank(hertz.size() <= kLongestHertz ? hertz : "", f::kHertz) +
           FieldThenBlank(record.call, f::kCall) + FieldThenBlank(record.date, f::kDate) +
           PadRight(record.time, Width(f::kTime));
}

ContactFrequency ParseFrequencyRecord(std::string_view line) {
    return {ParseHertz(FieldText(line, f::kHertz)), FieldText(line, f::kCall), FieldText(line, f::kDate),
            FieldText(line, f::kTime)};
}

std::vector<ContactFrequency> ParseFrequencyFile(std::string_view text) {
    std::vector<ContactFrequency> records;
    LineCursor lines(text);
    while (const auto line = lines.Next()) records.push_back(ParseFrequencyRecord(line->text));
    return records;
}

std::filesystem::path ContactFrequencyPath(const ProgramFolder& folder, std::string_view ownCall) {
    return folder.DatabasePath(CallFileStem(ownCall) + ".frq");
}

std::optional<Hertz> LoggedContactFrequency(const ProgramFolder& folder, std::string_view ownCall,
                                            std::size_t number) {
    const auto frequencies = LoggedContactFrequencies(folder, ownCall);
    if (number == 0 || number > frequencies.size()) return std::nullopt;
    return frequencies[number - 1];
}

std::vector<std::optional<Hertz>> LoggedContactFrequencies(const ProgramFolder& folder,
                                                           std::string_view ownCall) {
    std::vector<std::optional<Hertz>> frequencies;
    for (const auto& record : LoggedRecords(folder, ownCall)) frequencies.push_back(record.hertz);
    return frequencies;
}

void AttachExactFrequencies(std::vector<ContestLogContact>& contacts, const std::vector<ContactFrequency>& records) {
    for (auto& contact : contacts) {
        if (contact.qsoNumber == 0 || contact.qsoNumber > records.size()) continue;
        const ContactFrequency& record = records[contact.qsoNumber - 1];
        if (record.hertz && RecordIsOfContact(record, contact)) contact.exactFrequency = record.hertz;
    }
}

void AttachExactFrequencies(std::vector<ContestLogContact>& contacts, const ProgramFolder& folder,
                            std::string_view ownCall) {
    AttachExactFrequencies(contacts, LoggedRecords(folder, ownCall));
}

bool StoreContactFrequency(const std::filesystem::path& path, std::size_t number,
                           const ContactFrequency& record) {
    if (number == 0) return false;
    const std::string line = FormatFrequencyRecord(record) + "\r\n";
    // The usual case, one more contact after those already kept, costs one append.
    if (FileSizeOrZero(path) == (number - 1) * kFrequencyRecordBytes) {
        return EnsureFolder(path.parent_path()) && AppendToFile(path, line);
    }
    std::vector<ContactFrequency> records = ReadExisting(path).value_or(std::vector<ContactFrequency>{});
    records.resize(number - 1);
    records.push_back(record);
    return ReplaceFile(path, FormatFile(records));
}

bool EditContactFrequency(const std::filesystem::path& path, std::size_t number, const QsoRecord& edited) {
    auto records = ReadExisting(path);
    if (!records || number == 0 || number > records->size()) return true;
    ContactFrequency& record = (*records)[number - 1];
    const bool sameBand = record.hertz && FrequencyIsInBand(*record.hertz, TrimBlanks(edited.band));
    record = FrequencyOfContact(edited, sameBand ? record.hertz : std::nullopt);
    return ReplaceFile(path, FormatFile(*records));
}

bool DeleteContactFrequency(const std::filesystem::path& path, std::size_t number) {
    auto records = ReadExisting(path);
    if (!records || number == 0 || number > records->size()) return true;
    records->erase(records->begin() + static_cast<std::ptrdiff_t>(number - 1));
    return ReplaceFile(path, FormatFile(*records));
}

std::vector<ContactFrequency> RealignedFrequencies(const std::vector<ContactFrequency>& old,
                                                   std::string_view contestLog) {
    std::map<Key, std::deque<Hertz>> known;
    for (const auto& record : old) {
        if (record.hertz) known[KeyOf(record)].push_back(*record.hertz);
    }
    std::vector<ContactFrequency> records = LoggedKeys(contestLog);
    for (auto& record : records) {
        const auto found = known.find(KeyOf(record));
        if (found == known.end() || found->second.empty()) continue;
        record.hertz = found->second.front();
        found->second.pop_front();
    }
    return records;
}

bool RealignContactFrequencies(const std::filesystem::path& path, std::string_view contestLog) {
    const auto old = ReadExisting(path);
    if (!old) return true;
    return ReplaceFile(path, FormatFile(RealignedFrequencies(*old, contestLog)));
}

}  // namespace tallyhawk
