// The sent exchange of the next contact, written before the operator reaches the field: the next
// serial number, the own CQ zone, or the next serial number followed by the own district.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallyhawk {

enum class PrefillKind { None, Serial, Zone, SerialWithDistrict };

// What a contest writes into Exchange sent: a visiting station sends `visitor`, a station of the
// organiser's country (`isHome` of its own country prefix) sends `home`.
struct SentExchangePrefill {
    PrefillKind visitor = PrefillKind::None;
    PrefillKind home = PrefillKind::None;
    bool (*isHome)(std::string_view ownPrefix) = nullptr;  // nullptr: every station is a visitor
};

// Which pre-fill the contest uses for a station whose own country prefix is `ownPrefix`.
PrefillKind PrefillKindFor(const SentExchangePrefill& prefill, std::string_view ownPrefix);

struct PrefillInput {
    SentExchangePrefill prefill;   // the contest's pre-fill
    std::string_view ownPrefix;    // principal prefix of the own country
    std::string_view cqZone;       // the station's own CQ zone
    int lastNumber = 0;            // contact number of the newest contact in the log view; 0 when empty
    std::string_view currentSent;  // the Exchange sent text now
};

// The new Exchange sent text, or nothing when the contest leaves the field alone. Whenever a text is
// returned the focus moves on to Exchange received.
std::optional<std::string> PrefillSentExchange(const PrefillInput& input);

}  // namespace tallyhawk
