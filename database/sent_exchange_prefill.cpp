// The sent-exchange pre-fill: the next serial number, the own CQ zone, or the next serial number with
// the district the operator typed.
#include "database/sent_exchange_prefill.h"

namespace tallyhawk {
namespace {

// The district the operator typed after the serial number: the last three characters, without the
// first of them when it sorts below "A" (a digit of the previous serial): "12LN" and "LN" give "LN".
std::string_view DistrictSuffix(std::string_view sent) {
    std::string_view lastThree = sent.size() > 3 ? sent.substr(sent.size() - 3) : sent;
    if (!lastThree.empty() && static_cast<unsigned char>(lastThree.front()) < 'A') lastThree.remove_prefix(1);
    return lastThree;
}

}  // namespace

PrefillKind PrefillKindFor(const SentExchangePrefill& prefill, std::string_view ownPrefix) {
    return prefill.isHome && prefill.isHome(ownPrefix) ? prefill.home : prefill.visitor;
}

std::optional<std::string> PrefillSentExchange(const PrefillInput& input) {
    const std::string nextSerial = std::to_string(input.lastNumber + 1);
    switch (PrefillKindFor(input.prefill, input.ownPrefix)) {
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
