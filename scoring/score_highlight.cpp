// The highlight key of the score grid.
#include "scoring/score_highlight.h"

#include "callsign/own_country.h"
#include "core/text.h"

namespace tallyhawk {

std::string HighlightKeyFor(HighlightKey highlight, std::string_view callField, std::string_view exchangeField,
                            CountryTable& countries) {
    if (highlight == HighlightKey::None) return {};
    if (highlight == HighlightKey::ReceivedExchange) return std::string(exchangeField);
    const std::string_view call = TrimBlanks(callField);
    if (call.empty()) return {};
    const std::string prefix = countries.LookupCountry(call).PrincipalPrefix();
    switch (highlight) {
        case HighlightKey::CountryButWAndVe:
            return prefix == "W" || prefix == "VE" ? std::string() : prefix;
        case HighlightKey::CountryButSp:
            return prefix == "SP" ? std::string() : prefix;
        case HighlightKey::CqmKey:
            return CqmCountryKey(call, prefix);
        default:
            return prefix;
    }
}

}  // namespace tallyhawk
