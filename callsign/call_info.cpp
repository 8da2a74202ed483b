// The call information rows from the country table.
#include "callsign/call_info.h"

#include "callsign/call_summary.h"

namespace tallyhawk {

CallInfoRows CountryTableRows(CountryTable& countries, std::string_view call) {
    CallInfoRows rows = {{{"DXCC:", ""}, {"WPX:", ""}, {"CQ:", ""}, {"WAC:", ""}}};
    const CallSummary summary = SummarizeCall(countries, call);
    if (summary.principalPrefix.empty()) return rows;
    rows[0].value = summary.name;
    rows[1].value = summary.wpxPrefix;
    rows[2].value = summary.cqZone;
    rows[3].value = summary.continent;
    return rows;
}

}  // namespace tallyhawk
