// The multiplier status of a typed call, and the checks the contests share.
#include "scoring/multiplier_status.h"

#include "callsign/wpx_prefix.h"
#include "core/file_io.h"
#include "core/text.h"

namespace tallyhawk {

TypedCall ReadTypedCall(std::string_view call, CountryTable& countries) {
    TypedCall typed;
    typed.call = TrimBlanks(call);
    typed.wpx = WpxPrefix(typed.call);
    const CountryInfo info = countries.LookupCountry(typed.call);
    typed.prefix = info.PrincipalPrefix();
    typed.name = info.Name25();
    typed.zone = info.CqZone();
    typed.continent = info.ContinentRest();
    return typed;
}

MultiplierStatus FindMultiplierStatus(const ContestRules* rules, const StatusInput& in) {
    if (!rules || !rules->status || in.typed.call.empty()) return {};
    return rules->status(in);
}

std::optional<std::string> StatisticsText(const StatusInput& in, std::string_view name, FileText form) {
    std::optional<std::string> text = ReadFile(in.store.Path(name));
    if (text && form == FileText::Trimmed) *text = TrimBlanks(*text);
    return text;
}

std::optional<std::string> BandCountryText(const StatusInput& in, FileText form) {
    return StatisticsText(in, std::string(in.band) + "m.x", form);
}

std::string CountryCheck(std::string_view text, std::string_view prefix, std::string_view name) {
    if (prefix.empty()) return std::string(kUnknownCountry);
    const bool worked = text.find(prefix) != std::string_view::npos;
    return std::string(name) + std::string(worked ? kWorkedCountry : kNewCountry);
}

// Every text holds the empty prefix, which would show as worked; a call without a WPX prefix shows nothing.
std::optional<std::string> PrefixCheck(std::string_view text, std::string_view wpx) {
    if (wpx.empty()) return std::nullopt;
    const bool worked = text.find(wpx) != std::string_view::npos;
    return std::string(wpx) + std::string(worked ? kWorkedPrefix : kNewPrefix);
}

MultiplierStatus BandCountryStatus(const StatusInput& in) {
    return BandCountryStatus(in, in.typed.prefix, in.typed.name);
}

MultiplierStatus BandCountryStatus(const StatusInput& in, std::string_view prefix, std::string_view name) {
    const auto text = BandCountryText(in, FileText::Trimmed);
    if (!text) return {};
    return {CountryCheck(*text, prefix, name), std::nullopt};
}

MultiplierStatus UnlessContinentUnknown(std::optional<std::string> shown, const TypedCall& typed) {
    if (typed.continent.empty()) shown = std::string(kUnknownCountry);
    return {std::move(shown), std::nullopt};
}

}  // namespace tallyhawk
