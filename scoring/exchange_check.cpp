// Whether a received exchange has the shape its contest gives it.
#include "scoring/exchange_check.h"

#include "core/text.h"

namespace tallyhawk {
namespace {

bool NumberBetween(std::string_view text, int lowest, int highest) {
    if (!IsAllDigits(text)) return false;
    const auto value = ParseInt(text);
    return value && *value >= lowest && *value <= highest;
}

bool IsLettersOrDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c) && !IsUpperLetter(c)) return false;
    }
    return !text.empty();
}

// Digits, then letters only: "12" or "12LN".
bool IsSerialWithDistrict(std::string_view text) {
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits])) ++digits;
    for (std::size_t i = digits; i < text.size(); ++i) {
        if (!IsUpperLetter(text[i])) return false;
    }
    return digits > 0;
}

bool StartsWithLetter(std::string_view text) { return !text.empty() && IsUpperLetter(text.front()); }

}  // namespace

bool ExchangeHasShape(ExchangeKind kind, std::string_view exchange) {
    switch (kind) {
        case ExchangeKind::Serial: return NumberBetween(exchange, 1, 99999);
        case ExchangeKind::CqZone: return NumberBetween(exchange, 1, 40);
        case ExchangeKind::ItuZone: return NumberBetween(exchange, 1, 90);
        case ExchangeKind::Age: return NumberBetween(exchange, 0, 99);
        case ExchangeKind::ZoneOrPrefecture: return NumberBetween(exchange, 1, 50);
        case ExchangeKind::SerialOrLetters: return IsLettersOrDigits(exchange);
        case ExchangeKind::SerialWithDistrict: return IsSerialWithDistrict(exchange);
        case ExchangeKind::ItuZoneOrSociety:
            return NumberBetween(exchange, 1, 90) || (StartsWithLetter(exchange) && IsLettersOrDigits(exchange));
    }
    return false;
}

std::string_view ExchangeShapeText(ExchangeKind kind) {
    switch (kind) {
        case ExchangeKind::Serial: return "a serial number";
        case ExchangeKind::CqZone: return "a CQ zone 1-40";
        case ExchangeKind::ItuZone: return "an ITU zone 1-90";
        case ExchangeKind::Age: return "an age 00-99";
        case ExchangeKind::ZoneOrPrefecture: return "a CQ zone or a prefecture 1-50";
        case ExchangeKind::SerialOrLetters: return "a serial number or letters and digits";
        case ExchangeKind::SerialWithDistrict: return "a serial number, with a district's letters after it";
        case ExchangeKind::ItuZoneOrSociety: return "an ITU zone 1-90 or a society's abbreviation";
    }
    return "";
}

}  // namespace tallyhawk
