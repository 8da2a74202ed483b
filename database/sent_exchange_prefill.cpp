// The sent-exchange pre-fill: one row per contest that fills the field, saying what a visiting station
// sends and what a station of the organiser's own country sends.
#include "database/sent_exchange_prefill.h"

#include <array>

#include "callsign/code_lists.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

bool Never(std::string_view) { return false; }
bool IsUsOrCanada(std::string_view prefix) { return prefix == "W" || prefix == "VE"; }
bool IsFrench(std::string_view prefix) { return prefix == "TK" || prefix.starts_with('F'); }
bool IsDutch(std::string_view prefix) { return prefix == "PA"; }
bool IsPolish(std::string_view prefix) { return prefix == "SP"; }
bool IsCzechOrSlovak(std::string_view prefix) { return prefix == "OK" || prefix == "OM"; }
bool IsBritish(std::string_view prefix) { return ListContainsCode(BritishList, prefix); }
bool IsRussian(std::string_view prefix) { return prefix.starts_with('R'); }
bool IsUkrainian(std::string_view prefix) { return prefix == "UR"; }
bool IsBelgian(std::string_view prefix) { return prefix == "ON"; }
bool IsJapanese(std::string_view prefix) { return prefix == "JA" || prefix == "JD1"; }

struct PrefillRow {
    std::string_view contest;
    PrefillKind visitor;
    PrefillKind home;
    bool (*isHome)(std::string_view ownPrefix);
};

constexpr std::array kPrefillRows = {
    PrefillRow{"WPX", PrefillKind::Serial, PrefillKind::Serial, Never},
    PrefillRow{"A10", PrefillKind::Serial, PrefillKind::None, IsUsOrCanada},
    PrefillRow{"ARR", PrefillKind::Serial, PrefillKind::None, IsUsOrCanada},
    PrefillRow{"REF", PrefillKind::Serial, PrefillKind::None, IsFrench},
    PrefillRow{"PAC", PrefillKind::Serial, PrefillKind::None, IsDutch},
    PrefillRow{"SP", PrefillKind::Serial, PrefillKind::None, IsPolish},
    PrefillRow{"OKM", PrefillKind::Serial, PrefillKind::None, IsCzechOrSlovak},
    PrefillRow{"RS2", PrefillKind::Serial, PrefillKind::SerialWithDistrict, IsBritish},
    PrefillRow{"RS7", PrefillKind::Serial, PrefillKind::SerialWithDistrict, IsBritish},
    PrefillRow{"RUS", PrefillKind::Serial, PrefillKind::None, IsRussian},
    PrefillRow{"UKR", PrefillKind::Serial, PrefillKind::None, IsUkrainian},
    PrefillRow{"CQM", PrefillKind::Serial, PrefillKind::Serial, Never},
    PrefillRow{"OCE", PrefillKind::Serial, PrefillKind::Serial, Never},
    PrefillRow{"SAC", PrefillKind::Serial, PrefillKind::Serial, Never},
    PrefillRow{"UBD", PrefillKind::Serial, PrefillKind::SerialWithDistrict, IsBelgian},
    PrefillRow{"CQ", PrefillKind::Zone, PrefillKind::Zone, Never},
    PrefillRow{"JA", PrefillKind::Zone, PrefillKind::None, IsJapanese},
};

// The district the operator typed after the serial number: the last three characters, without the
// first of them when it sorts below "A" (a digit of the previous serial): "12LN" and "LN" give "LN".
std::string_view DistrictSuffix(std::string_view sent) {
    std::string_view lastThree = sent.size() > 3 ? sent.substr(sent.size() - 3) : sent;
    if (!lastThree.empty() && static_cast<unsigned char>(lastThree.front()) < 'A') lastThree.remove_prefix(1);
    return lastThree;
}

}  // namespace

PrefillKind PrefillKindFor(std::string_view contest, std::string_view ownPrefix) {
    for (const PrefillRow& row : kPrefillRows) {
        if (row.contest == contest) return row.isHome(ownPrefix) ? row.home : row.visitor;
    }
    return PrefillKind::None;
}

std::optional<std::string> PrefillSentExchange(const PrefillInput& input) {
    const std::string nextSerial = std::to_string(input.lastNumber + 1);
    switch (PrefillKindFor(input.contest, input.ownPrefix)) {
        case PrefillKind::None:
            return std::nullopt;
        case PrefillKind::Serial:
            return nextSerial;
        case PrefillKind::Zone:
            return std::string(input.cqZone);
        case PrefillKind::SerialWithDistrict:
            return nextSerial + std::string(DistrictSuffix(input.currentSent));
    }
    return std::nullopt;
}

}  // namespace tallyhawk
