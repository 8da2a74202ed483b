// ADIF record line to Cabrillo QSO: line.
#include "convert/adif_to_cabrillo.h"

#include <array>

#include "convert/adif_positions.h"
#include "core/text.h"
#include "log/qso_line.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kCallWidth = Width(WithoutClosingBlank(qso_columns::kWorkedCall));
constexpr std::size_t kFrequencyWidth = Width(WithoutClosingBlank(qso_columns::kFrequency));
constexpr std::string_view kUnknownFrequency = "*****";
constexpr std::string_view kNoExchange = "******";
constexpr std::string_view kTransmitterId = "0";

struct BandFrequency {
    std::string_view band;  // the first two characters of the BAND value
    std::string_view frequency;
};

constexpr std::array<BandFrequency, 6> kBandFrequencies = {
    {{"10", "28000"}, {"15", "21000"}, {"20", "14000"}, {"40", " 7000"}, {"80", " 3500"}, {"16", " 1800"}}};

std::string FrequencyFromBand(std::string_view record) {
    const std::string_view band = TrimBlanks(TagBytes(record, "BAND", 8, 2));
    for (const auto& entry : kBandFrequencies) {
        if (entry.band == band) return std::string(entry.frequency);
    }
    return std::string(kUnknownFrequency);
}

// A FREQ value in MHz becomes kHz by dropping its decimal point: 14.025 is 14025, and 7.025 is 7025
// behind a blank (as are 3.5, 1.8 and 1.9 MHz values).
std::string FrequencyFromFreq(std::string_view record) {
    std::string value(TrimBlanks(OneDigitValue(record, "FREQ")));
    if (const auto point = value.find('.'); point != std::string::npos) value.erase(point, 1);
    if (const auto comma = value.find(','); comma != std::string::npos) value.erase(comma, 1);
    value.resize(std::min(value.size(), kFrequencyWidth));
    for (std::string_view lowBand : {"3", "7", "19", "18"}) {
        if (value.starts_with(lowBand)) return " " + value.substr(0, 4);
    }
    return value;
}

// Keeps the frequency column 5 characters wide when a FREQ value is short.
std::string RightAligned(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string ConvertedOwnCall(std::string_view callsign) {
    return FillRight(callsign.empty() ? kUnknownOwnCall : callsign, kCallWidth);
}

std::string AdifCallField(std::string_view record) {
    const auto tag = FindAdifTag(record, "CALL");
    if (!tag) return FillRight("", kCallWidth);
    const char first = ByteAt(record, *tag + 6);
    const char second = ByteAt(record, *tag + 7);
    // Calls of 10 to 19 characters carry a two-digit length.
    const bool twoDigits = first == '1' && IsDigit(second);
    const std::size_t length = twoDigits ? 10 + DigitValue(second) : DigitValue(first);
    return FillRight(BytesAt(record, *tag + (twoDigits ? 9 : 8), length), kCallWidth);
}

std::string AdifDateField(std::string_view record) {
    const auto tag = FindAdifTag(record, "QSO_DATE");
    std::string date;
    if (tag) {
        // A type indicator (<QSO_DATE:8:D>) moves the value two places on; any other form reads as empty.
        const char marker = ByteAt(record, *tag + 11);
        if (marker == ':' || marker == '>') {
            const std::string_view value = BytesAt(record, *tag + (marker == ':' ? 14 : 12), 8);
            date.append(BytesAt(value, 0, 4)).append("-").append(BytesAt(value, 4, 2)).append("-");
            date.append(BytesAt(value, 6, 2));
        }
    }
    return PadRight(date, 10);
}

std::string AdifTimeField(std::string_view record) { return PadRight(TagBytes(record, "TIME_ON", 11, 4), 4); }

std::string AdifFrequencyField(std::string_view record) {
    if (FindAdifTag(record, "BAND")) return FrequencyFromBand(record);
    if (FindAdifTag(record, "FREQ")) return RightAligned(FrequencyFromFreq(record), kFrequencyWidth);
    return std::string(kFrequencyWidth, ' ');
}

std::string_view AdifModeField(std::string_view record) {
    const std::string_view head = OneDigitValue(record, "MODE").substr(0, 2);
    if (head == "CW") return "CW";
    if (head == "SS") return "PH";
    if (head == "RY" || head == "RT" || head == "BP" || head == "PS") return "RY";
    return "**";
}

std::string AdifReportField(std::string_view record, std::string_view tag) {
    std::string_view report = TrimBlanks(TagBytes(record, tag, 12, 3));
    // A two-character report is followed by the "<" of the next tag.
    if (report.ends_with('<')) report = report.substr(0, 2);
    return PadRight(report, 3);
}

std::optional<std::string> CabrilloLineFromAdif(std::string_view line, std::string_view ownCall) {
    namespace c = qso_columns;
    const std::string record = ToUpperAscii(TrimBlanks(line));
    if (!std::string_view(record).ends_with("<EOR>")) return std::nullopt;
    // Every field is followed by its blank even when its text fills the field: a call of 13 or more
    // characters shifts the rest of the line, as the program's own log does with 14.
    QsoLineBuilder qso;
    qso.Fill(c::kTag, kQsoTag).FillThenBlank(c::kFrequency, AdifFrequencyField(record));
    qso.Fill(c::kMode, AdifModeField(record)).Blank(c::kBlankAfterMode);
    qso.Fill(c::kDate, AdifDateField(record)).Blank(c::kBlankAfterDate);
    qso.Fill(c::kTime, AdifTimeField(record)).Blank(c::kBlankAfterTime).FillThenBlank(c::kOwnCall, ownCall);
    qso.FillThenBlank(c::kReportSent, AdifReportField(record, "RST_SENT"))
        .FillThenBlank(c::kExchangeSent, kNoExchange);
    qso.FillThenBlank(c::kWorkedCall, AdifCallField(record));
    qso.FillThenBlank(c::kReportReceived, AdifReportField(record, "RST_RCVD"));
    qso.FillThenBlank(c::kExchangeReceived, kNoExchange);
    return qso.Text(kTransmitterId).Take();
}

}  // namespace tallyhawk
