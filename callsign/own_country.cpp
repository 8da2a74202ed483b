// The CQ-M country key and the own-country prefix.
#include "callsign/own_country.h"

#include "callsign/code_lists.h"
#include "callsign/wpx_prefix.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string_view LastChars(std::string_view text, std::size_t count) {
    return count >= text.size() ? text : text.substr(text.size() - count);
}

// Russia: "RA" + area digit + first suffix letter names the republic or area ("RA4P"); a /P station
// in one of the special areas keeps three characters of it ("A0B").
std::string RussianCqmKey(std::string_view call, std::string k, std::string_view prefix) {
    const bool portable = EndsWith(call, "/P");
    if (call.find('/') == std::string_view::npos || portable) {
        const std::string_view areaDigit = LastChars(k, 1);
        const std::string_view suffixLetter =
            k.size() < call.size() ? call.substr(k.size(), 1) : std::string_view{};
        k = std::string("RA").append(areaDigit).append(suffixLetter);
    }
    if (portable && ListContainsCode(CqmSpecialAreaList, k)) k = std::string(LastChars(k, 3));
    if (k.size() > 3) {
        const std::string_view republic = LastChars(k, 2);
        return ListContainsCode(CqmRepublicList, republic) ? "RA" + std::string(republic)
                                                           : std::string(prefix);
    }
    return k.empty() ? std::string(prefix) : k;
}

}  // namespace

std::string CqmCountryKey(std::string_view call, std::string_view prefix) {
    std::string k;
    if (prefix == "RA1" || prefix == "RA0" || prefix == "UR") k = WpxPrefix(call);
    std::string result(prefix);
    if (!prefix.empty() && prefix.front() == 'R' && prefix != "RA2") result = RussianCqmKey(call, k, prefix);
    // Stations signing UU are counted as their own CQ-M country.
    if (result == "UR" && k.starts_with("UU")) result = "UU5";
    return result;
}

std::string ComputeOwnCountryPrefix(CountryTable& table, std::string_view ownCall, OwnCountryKey key) {
    std::string prefix = table.LookupCountry(ownCall).PrincipalPrefix();
    if (key == OwnCountryKey::CqmKey) prefix = CqmCountryKey(ownCall, prefix);
    return prefix;
}

}  // namespace tallyhawk
