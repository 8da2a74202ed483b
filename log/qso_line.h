// The fixed-column "QSO:" line of the contest log: its one column layout, which the writer, the reload
// check, the converter's check, the recount and the converter all take their columns from.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/qso_record.h"

namespace tallyhawk {

struct ColumnRange {
    std::size_t first;  // 1-based, inclusive
    std::size_t last;
};

constexpr std::size_t Width(ColumnRange range) { return range.last - range.first + 1; }

// The field without the blank that closes it: what a reader takes as the value.
constexpr ColumnRange WithoutClosingBlank(ColumnRange range) { return {range.first, range.last - 1}; }

// The first `count` columns of a field.
constexpr ColumnRange Leading(ColumnRange range, std::size_t count) {
    return {range.first, range.first + count - 1};
}

namespace qso_columns {
// The fields in the order the writer puts them. Every padded field ends in a blank column of its own;
// the mode, the date and the time are followed by a separate blank column.
inline constexpr ColumnRange kTag{1, 5};         // "QSO: "
inline constexpr ColumnRange kFrequency{6, 11};  // "28000 " ... " 1900 ", or "***** "
inline constexpr ColumnRange kMode{12, 13};      // "CW", "PH", "RY" or "**"
inline constexpr std::size_t kBlankAfterMode = 14;
inline constexpr ColumnRange kDate{15, 24};  // year-month-day
inline constexpr std::size_t kBlankAfterDate = 25;
inline constexpr ColumnRange kTime{26, 29};  // HHMM
inline constexpr std::size_t kBlankAfterTime = 30;
inline constexpr ColumnRange kOwnCall{31, 44};
inline constexpr ColumnRange kReportSent{45, 48};
inline constexpr ColumnRange kExchangeSent{49, 55};
inline constexpr ColumnRange kWorkedCall{56, 69};
inline constexpr ColumnRange kReportReceived{70, 73};
inline constexpr ColumnRange kExchangeReceived{74, 80};
inline constexpr std::size_t kTransmitterIdColumn = 81;  // to the end of the line, "0" by default

// The blanks the reload check requires between the fields. The blank after the time has never been
// checked, so a log with a hand-edited time that the check accepted before is still accepted.
inline constexpr std::array<std::size_t, 10> kCheckedBlanks = {
    kTag.last,        kFrequency.last,    kBlankAfterMode,  kBlankAfterDate,      kOwnCall.last,
    kReportSent.last, kExchangeSent.last, kWorkedCall.last, kReportReceived.last, kExchangeReceived.last};
}  // namespace qso_columns

// A line is a contact when its first four characters are these (the tag without its blank).
inline constexpr std::string_view kQsoMark = "QSO:";
inline constexpr std::string_view kQsoTag = "QSO: ";
static_assert(kQsoTag.size() == Width(qso_columns::kTag));

// The length of a QSO: line with a one-digit transmitter id, the only length the checks accept.
inline constexpr std::size_t kQsoLineLength = qso_columns::kTransmitterIdColumn;

// Any other line (the header) is at most this long, or exactly as long as a QSO: line.
inline constexpr std::size_t kLongestFreeLine = 70;

inline constexpr std::size_t kCallFieldWidth = Width(qso_columns::kOwnCall);
static_assert(kCallFieldWidth == Width(qso_columns::kWorkedCall));
inline constexpr std::size_t kExchangeFieldWidth = Width(qso_columns::kExchangeSent);
// An exchange keeps one character less than its field, so that the field always ends in its blank.
inline constexpr std::size_t kExchangeKept = kExchangeFieldWidth - 1;

std::string_view Cut(std::string_view line, ColumnRange range);

// The exchange as written: its first 6 characters, blanks trimmed, padded to 7.
std::string ExchangeField(std::string_view exchange);

// A QSO: line put together field by field from the layout above.
class QsoLineBuilder {
public:
    // The text padded with blanks to the field's width; a longer text is kept whole and shifts the rest.
    QsoLineBuilder& Fill(ColumnRange field, std::string_view text);
    // The text padded to the field's width less one, then the field's closing blank, always written.
    QsoLineBuilder& FillThenBlank(ColumnRange field, std::string_view text);
    // The text as it is (a field whose value arrives with its width, or the transmitter id).
    QsoLineBuilder& Text(std::string_view text);
    // The separate blank column named by `column` (further right on a line that a long call shifted).
    QsoLineBuilder& Blank(std::size_t column);
    std::string Take() { return std::move(m_line); }

private:
    std::string m_line;
};

// One QSO: line without its line end. Band and mode may be any text: an unknown band is written as
// "***** " and the mode is normalised to "CW", "PH", "RY" or "**".
std::string FormatQsoLine(const QsoRecord& qso, std::string_view ownCall, std::string_view transmitterId);

}  // namespace tallyhawk
