// One ADIF record line to one Cabrillo "QSO:" line: call, date, time, band or frequency, mode and
// the two signal reports read at fixed positions; the exchange columns hold asterisks.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallyhawk {

inline constexpr std::string_view kUnknownOwnCall = "UNKNOWN      ";

// The own call as the converter writes it: "UNKNOWN" for an empty call, padded to at least 13.
std::string ConvertedOwnCall(std::string_view callsign);

// The QSO: line, without a line end, for a line that ends with "<EOR>" once trimmed and upper-cased;
// nothing for any other line. `ownCall` is padded to 13 as ConvertedOwnCall pads it. A tag the record
// lacks gives blanks in its columns, never a value of another record.
std::optional<std::string> CabrilloLineFromAdif(std::string_view line, std::string_view ownCall);

// Field readers over a trimmed, upper-cased record line.
std::string AdifCallField(std::string_view record);       // padded to at least 13
std::string AdifDateField(std::string_view record);       // yyyy-mm-dd, 10 characters
std::string AdifTimeField(std::string_view record);       // hhmm, 4 characters
std::string AdifFrequencyField(std::string_view record);  // kHz, 5 characters
std::string_view AdifModeField(std::string_view record);  // "CW", "PH", "RY" or "**"
std::string AdifReportField(std::string_view record, std::string_view tag);  // 3 characters

}  // namespace tallyhawk
