// The inputs of the contest rules from a call and its summary.
#include "scoring/contact_facts.h"

#include <vector>

#include "callsign/own_country.h"
#include "callsign/wpx_prefix.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

// Date, time, band, mode, sent and received exchange, split at every ",".
std::vector<std::string_view> SummaryFields(std::string_view summary) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto comma = summary.find(',', start);
        fields.push_back(summary.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::string_view FieldOrEmpty(const std::vector<std::string_view>& fields, std::size_t index) {
    return index < fields.size() ? fields[index] : std::string_view{};
}

}  // namespace

std::optional<ContactFacts> ReadContactFacts(std::string_view call, std::string_view summary,
                                             CountryTable& countries, bool cqmKey) {
    const auto fields = SummaryFields(TrimBlanks(summary));
    const auto band = BandFromShortCode(FieldOrEmpty(fields, 2));
    if (!band) return std::nullopt;
    ContactFacts q;
    q.call = TrimBlanks(call);
    q.band = *band;
    q.mode = FieldOrEmpty(fields, 3).substr(0, 2);
    q.exch = TrimTrailingBlanks(fields.back());
    q.sent = fields.size() >= 2 ? TrimTrailingBlanks(fields[fields.size() - 2]) : std::string_view{};
    const CountryInfo info = countries.LookupCountry(q.call);
    q.country = info.PrincipalPrefix();
    q.cont = info.ContinentRest();
    q.wpx = WpxPrefix(q.call);
    if (cqmKey) q.cqmKey = CqmCountryKey(q.call, q.country);
    return q;
}

}  // namespace tallyhawk
