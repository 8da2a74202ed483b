// Reading the AD1C country file and resolving calls the way it intends.
#include "callsign/country_file_source.h"

#include <algorithm>

#include "core/text.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kHeaderFields = 8;

bool IsLayoutSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimLayout(std::string_view text) {
    while (!text.empty() && IsLayoutSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsLayoutSpace(text.back())) text.remove_suffix(1);
    return text;
}

// Splits the record head into its fields; the rest after the eighth ":" is the entry list.
bool SplitHeader(std::string_view record, std::vector<std::string_view>& fields, std::string_view& entries) {
    fields.clear();
    for (std::size_t i = 0; i < kHeaderFields; ++i) {
        const std::size_t colon = record.find(':');
        if (colon == std::string_view::npos) return false;
        fields.push_back(TrimLayout(record.substr(0, colon)));
        record.remove_prefix(colon + 1);
    }
    entries = record;
    return true;
}

// The text between `open` and `close` in an entry's overrides, or empty.
std::string_view Override(std::string_view overrides, char open, char close) {
    const std::size_t begin = overrides.find(open);
    if (begin == std::string_view::npos) return {};
    const std::size_t end = overrides.find(close, begin + 1);
    if (end == std::string_view::npos) return {};
    return overrides.substr(begin + 1, end - begin - 1);
}

void AddEntry(CountrySource& source, int country, std::string_view entry) {
    const bool exact = !entry.empty() && entry.front() == '=';
    if (exact) entry.remove_prefix(1);
    const std::size_t overridesAt = entry.find_first_of("([<{~");
    const std::string_view call = TrimLayout(entry.substr(0, overridesAt));
    if (call.empty()) return;
    const std::string_view overrides = overridesAt == std::string_view::npos ? "" : entry.substr(overridesAt);
    const SourceCountry& owner = source.countries[static_cast<std::size_t>(country)];
    SourceTarget target{country, owner.cqZone, owner.continent};
    if (const auto zone = ParseInt(Override(overrides, '(', ')'))) target.cqZone = *zone;
    if (const auto continent = Override(overrides, '{', '}'); !continent.empty())
        target.continent = continent;
    auto& table = exact ? source.exactCalls : source.prefixes;
    table.insert_or_assign(std::string(call), std::move(target));
    if (!exact) source.longestPrefix = std::max(source.longestPrefix, call.size());
}

void AddRecord(CountrySource& source, std::string_view record) {
    std::vector<std::string_view> fields;
    std::string_view entries;
    if (!SplitHeader(record, fields, entries)) return;
    std::string_view primary = fields[7];
    if (!primary.empty() && primary.front() == '*') primary.remove_prefix(1);
    if (fields[0].empty() || primary.empty()) return;
    source.countries.push_back({std::string(fields[0]), LeadingInt(fields[1]), LeadingInt(fields[2]),
                                std::string(fields[3]), std::string(primary)});
    const int country = static_cast<int>(source.countries.size() - 1);
    while (!entries.empty()) {
        const std::size_t comma = entries.find(',');
        AddEntry(source, country, TrimLayout(entries.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        entries.remove_prefix(comma + 1);
    }
}

}  // namespace

CountrySource ParseCountrySource(std::string_view text) {
    CountrySource source;
    while (!text.empty()) {
        const std::size_t end = text.find(';');
        AddRecord(source, text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return source;
}

const SourceTarget* ResolvePrefix(const CountrySource& source, std::string_view text) {
    for (std::size_t length = std::min(text.size(), source.longestPrefix); length > 0; --length) {
        const auto found = source.prefixes.find(text.substr(0, length));
        if (found != source.prefixes.end()) return &found->second;
    }
    return nullptr;
}

const SourceTarget* ResolveCall(const CountrySource& source, std::string_view call) {
    const auto exact = source.exactCalls.find(call);
    if (exact != source.exactCalls.end()) return &exact->second;
    return ResolvePrefix(source, call);
}

}  // namespace tallyhawk
