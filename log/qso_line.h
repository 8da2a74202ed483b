// The fixed-column "QSO:" line of the contest log: its column layout, shared by the writer and every reader.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/qso_record.h"

namespace tallyhawk {

struct ColumnRange {
    std::size_t first;  // 1-based, inclusive
    std::size_t last;
};

namespace qso_columns {
inline constexpr ColumnRange kTag{1, 5};
inline constexpr ColumnRange kFrequency{6, 11};
inline constexpr ColumnRange kBandKey{6, 7};
inline constexpr ColumnRange kMode{12, 13};
inline constexpr ColumnRange kDate{15, 24};
inline constexpr ColumnRange kTime{26, 29};
inline constexpr ColumnRange kOwnCall{31, 44};
inline constexpr ColumnRange kReportSent{45, 48};
inline constexpr ColumnRange kExchangeSent{49, 55};
inline constexpr ColumnRange kWorkedCall{56, 69};
inline constexpr ColumnRange kReportReceived{70, 73};
inline constexpr ColumnRange kExchangeReceived{74, 80};
inline constexpr std::size_t kTransmitterIdColumn = 81;
}  // namespace qso_columns

inline constexpr std::string_view kQsoTag = "QSO: ";
inline constexpr std::size_t kCallFieldWidth = 14;
inline constexpr std::size_t kExchangeKept = 6;
inline constexpr std::size_t kExchangeFieldWidth = 7;

std::string_view Cut(std::string_view line, ColumnRange range);

// The exchange as written: its first 6 characters, blanks trimmed, padded to 7.
std::string ExchangeField(std::string_view exchange);

// One QSO: line without its line end. Band and mode may be any text: an unknown band is written as
// "***** " and the mode is normalised to "CW", "PH", "RY" or "**".
std::string FormatQsoLine(const QsoRecord& qso, std::string_view ownCall, std::string_view transmitterId);

}  // namespace tallyhawk
