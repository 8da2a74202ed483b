// The shapes a received exchange takes in the contests.
#include "scoring/exchange_check.h"

#include "core/text.h"

namespace tallyhawk {
namespace {

bool NumberBetween(std::string_view text, int lowest, int highest) {
    if (!IsAllDigits(text)) return false;
    const auto value = ParseInt(text);
    return value && *value >= lowest && *value <= highest;
}

bool StartsWithLetter(std::string_view text) { return !text.empty() && IsUpperLetter(text.front()); }

}  // namespace

bool IsSerialNumber(std::string_view exchange) { return NumberBetween(exchange, 1, 99999); }
bool IsCqZone(std::string_view exchange) { return NumberBetween(exchange, 1, 40); }
bool IsItuZone(std::string_view exchange) { return NumberBetween(exchange, 1, 90); }
bool IsAge(std::string_view exchange) { return NumberBetween(exchange, 0, 99); }
bool IsZoneOrPrefecture(std::string_view exchange) { return NumberBetween(exchange, 1, 50); }

bool IsLettersOrDigits(std::string_view exchange) {
    for (char c : exchange) {
        if (!IsDigit(c) && !IsUpperLetter(c)) return false;
    }
    return !exchange.empty();
}

// Digits, then letters only.
bool IsSerialWithDistrict(std::string_view exchange) {
    std::size_t digits = 0;
    while (digits < exchange.size() && IsDigit(exchange[digits])) ++digits;
    for (std::size_t i = digits; i < exchange.size(); ++i) {
        if (!IsUpperLetter(exchange[i])) return false;
    }
    return digits > 0;
}

bool IsItuZoneOrSociety(std::string_view exchange) {
    return IsItuZone(exchange) || (StartsWithLetter(exchange) && IsLettersOrDigits(exchange));
}

bool ExchangeHasShape(const ExchangeShape& shape, std::string_view exchange) {
    if (exchange.empty()) return false;
    return !shape.accepts || shape.accepts(exchange);
}

}  // namespace tallyhawk
