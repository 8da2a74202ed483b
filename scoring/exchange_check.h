// The shapes a received exchange takes in the contests, for the check before a log is sent: each
// contest's record names one of these, or a shape of its own.
#pragma once

#include <string_view>

#include "scoring/contest_submission.h"

namespace tallyhawk {

bool IsSerialNumber(std::string_view exchange);          // 1-99999
bool IsCqZone(std::string_view exchange);                // 1-40
bool IsItuZone(std::string_view exchange);               // 1-90
bool IsAge(std::string_view exchange);                   // 00-99
bool IsZoneOrPrefecture(std::string_view exchange);      // 1-50
bool IsLettersOrDigits(std::string_view exchange);       // a serial, a state, province, district or power
bool IsSerialWithDistrict(std::string_view exchange);    // "12", or "12LN" from a home station
bool IsItuZoneOrSociety(std::string_view exchange);      // "28", or "DARC"

inline constexpr ExchangeShape kSerialExchange{IsSerialNumber, "a serial number", true};
inline constexpr ExchangeShape kCqZoneExchange{IsCqZone, "a CQ zone 1-40"};
inline constexpr ExchangeShape kItuZoneExchange{IsItuZone, "an ITU zone 1-90"};
inline constexpr ExchangeShape kAgeExchange{IsAge, "an age 00-99"};
inline constexpr ExchangeShape kZoneOrPrefectureExchange{IsZoneOrPrefecture, "a CQ zone or a prefecture 1-50"};
inline constexpr ExchangeShape kSerialOrLettersExchange{IsLettersOrDigits, "a serial number or letters and digits",
                                                        true};
inline constexpr ExchangeShape kSerialWithDistrictExchange{
    IsSerialWithDistrict, "a serial number, with a district's letters after it", true};
inline constexpr ExchangeShape kItuZoneOrSocietyExchange{IsItuZoneOrSociety,
                                                         "an ITU zone 1-90 or a society's abbreviation"};

// Whether the exchange has the shape; an empty exchange never has, and a shape without a test takes any.
bool ExchangeHasShape(const ExchangeShape& shape, std::string_view exchange);

}  // namespace tallyhawk
