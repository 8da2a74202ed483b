// Calls are typed by the operator and read from logs: the WPX prefix, the CQ-M key and the country
// search key take any bytes.
#include "callsign/country_table.h"
#include "callsign/own_country.h"
#include "callsign/wpx_prefix.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view call = tallyhawk::FuzzText(data, size);
    const std::string prefix = tallyhawk::WpxPrefix(call);
    (void)tallyhawk::CqmCountryKey(call, prefix);
    (void)tallyhawk::CqmCountryKey(call, "RA1");
    (void)tallyhawk::CqmCountryKey(call, "UR");
    static const tallyhawk::PrefixLists kLists{tallyhawk::PrefixList(" UA UR "),
                                               tallyhawk::PrefixList(" RA1 R1A KH6 "),
                                               tallyhawk::PrefixList(" R1AN VP2E ")};
    (void)tallyhawk::CountrySearchKey(call, kLists);
    return 0;
}
