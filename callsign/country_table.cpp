// The country lookup: the search key of a call, and the country file kept in step with the disk.
#include "callsign/country_table.h"

#include "callsign/wpx_prefix.h"
#include "core/file_io.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

namespace r = country_record;

// The field's columns; the part beyond the record's end is dropped.
std::string_view Cut(std::string_view record, RecordField field) {
    if (field.offset >= record.size()) return {};
    return record.substr(field.offset, field.width);
}

// From the field's first column to the end of the record.
std::string_view CutToEnd(std::string_view record, RecordField field) {
    return Cut(record, {field.offset, std::string_view::npos});
}

std::string Extended(std::string_view key, std::string_view next) { return std::string(key).append(next); }

// A WPX prefix followed by a digit is searched by its first three characters: DL10 as DL1.
std::string CutDigitTail(std::string key) {
    if (key.size() > 3 && static_cast<signed char>(key[3]) < ':') key.resize(3);
    return key;
}

}  // namespace

std::string CountryInfo::Name() const { return std::string(TrimTrailingBlanks(Cut(record, r::kName))); }

// The multiplier status shows one character less of the name than the information panel.
std::string CountryInfo::Name25() const {
    return std::string(TrimTrailingBlanks(Cut(record, {r::kName.offset, r::kName.width - 1})));
}

std::string CountryInfo::CqZone() const {
    std::string_view zone = Cut(record, r::kCqZone);
    if (zone.size() == 2 && zone[1] == ':') zone = zone.substr(0, 1);
    return std::string(TrimTrailingBlanks(zone));
}

std::string CountryInfo::PrincipalPrefix() const {
    std::string_view prefix = TrimTrailingBlanks(Cut(record, r::kPrincipalPrefix));
    if (!prefix.empty()) prefix.remove_suffix(1);  // the ":" that ends it
    return std::string(prefix);
}

std::string CountryInfo::Continent() const { return std::string(Cut(record, r::kContinent)); }

std::string CountryInfo::ContinentRest() const {
    return std::string(TrimTrailingBlanks(CutToEnd(record, r::kContinent)));
}

std::string PrefixListFromText(std::string_view text) {
    const std::vector<std::string_view> lines = TextModeLines(text);
    return lines.empty() ? std::string() : std::string(lines.front());
}

bool IsLookupCall(std::string_view call) { return TrimBlanks(call).size() >= 3; }

std::string CountrySearchKey(std::string_view call, const PrefixLists& lists) {
    call = TrimBlanks(call);
    std::string key = CutDigitTail(std::string(TrimBlanks(WpxPrefix(call))));
    // The character that follows the key in the call, if any, may make a longer key.
    const std::string_view next = key.size() < call.size() ? call.substr(key.size(), 1) : std::string_view{};
    if (lists.four.Contains(Extended(key, next)) || lists.three.Contains(Extended(key, next))) {
        key += next;
    } else if (lists.three.Contains(key)) {
        key = key.substr(0, 3);
    } else if (lists.two.Contains(std::string_view(key).substr(0, 2))) {
        key = key.substr(0, 2);
    }
    // Antarctic stations of Russia sign R1AN..., which the area prefix R1A alone would not tell apart.
    if (key == "R1A" && call.size() > 3 && call[3] == 'N') key = "R1AN";
    return key;
}

CountryTable::CountryTable(ProgramFolder folder) : m_folder(std::move(folder)) {}

std::filesystem::path CountryTable::CountryFilePath() const { return m_folder.DxccPath("cty.dat"); }

void CountryTable::LoadPrefixLists() {
    PrefixList* lists[] = {&m_lists.two, &m_lists.three, &m_lists.four};
    const char* files[] = {"prx2.dat", "prx3.dat", "prx4.dat"};
    for (int i = 0; i < 3; ++i) {
        const auto path = m_folder.DxccPath(files[i]);
        if (FileExists(path)) *lists[i] = PrefixList(PrefixListFromText(ReadFileOrEmpty(path)));
    }
}

void CountryTable::RefreshCountryFile() {
    const auto path = CountryFilePath();
    std::error_code sizeError, timeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    const auto modified = std::filesystem::last_write_time(path, timeError);
    if (sizeError || timeError) {
        m_index = CountryFileIndex();
        m_stamp.reset();
        return;
    }
    const FileStamp stamp{size, modified};
    if (m_stamp == stamp) return;
    m_index = CountryFileIndex(ReadFileOrEmpty(path));
    m_stamp = stamp;
}

CountryInfo CountryTable::LookupCountry(std::string_view call) {
    if (!IsLookupCall(call)) return {};
    const std::string key = CountrySearchKey(call, m_lists);
    if (!m_checkedThisOperation) {
        RefreshCountryFile();
        m_checkedThisOperation = true;
    }
    return CountryInfo{std::string(m_index.Record(key))};
}

}  // namespace tallyhawk
