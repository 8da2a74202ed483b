// One call's country record, WPX prefix and CQ-M key together.
#include "callsign/call_summary.h"

#include "callsign/own_country.h"
#include "callsign/wpx_prefix.h"
#include "core/text.h"

namespace tallyhawk {

CallSummary SummarizeCall(CountryTable& table, std::string_view call) {
    CallSummary summary;
    summary.call = TrimBlanks(call);
    const CountryInfo info = table.LookupCountry(summary.call);
    summary.principalPrefix = info.PrincipalPrefix();
    summary.name = info.Name();
    summary.cqZone = TrimBlanks(info.CqZone());
    summary.continent = info.Continent();
    summary.wpxPrefix = WpxPrefix(summary.call);
    summary.cqmKey = CqmCountryKey(summary.call, summary.principalPrefix);
    return summary;
}

}  // namespace tallyhawk
