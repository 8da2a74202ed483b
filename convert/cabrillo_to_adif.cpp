// Cabrillo QSO: line to ADIF record line.
#include "convert/cabrillo_to_adif.h"

#include <array>

#include "core/text.h"
#include "log/qso_line.h"

namespace tallyhawk {
namespace {

namespace c = qso_columns;

// The converter reads each field without its closing blank, so that a line from another program with
// text in a separator column still gives the value alone.
constexpr ColumnRange kFrequencyRead = WithoutClosingBlank(c::kFrequency);
constexpr ColumnRange kReportSentRead = WithoutClosingBlank(c::kReportSent);
constexpr ColumnRange kWorkedCallRead = WithoutClosingBlank(c::kWorkedCall);
constexpr ColumnRange kReportReceivedRead = WithoutClosingBlank(c::kReportReceived);

struct PrefixTag {
    std::string_view prefix;
    std::string_view tag;
};

// Two-character prefixes before the one-character ones, so that 18xx and 19xx are 160 m.
constexpr std::array<PrefixTag, 8> kBandTags = {{{"28", "<BAND:3>10M "},
                                                 {"29", "<BAND:3>10M "},
                                                 {"21", "<BAND:3>15M "},
                                                 {"14", "<BAND:3>20M "},
                                                 {"18", "<BAND:4>160M "},
                                                 {"19", "<BAND:4>160M "},
                                                 {"7", "<BAND:3>40M "},
                                                 {"3", "<BAND:3>80M "}}};

std::string_view Field(std::string_view line, ColumnRange range) { return TrimBlanks(Cut(line, range)); }

std::string LengthTag(std::string_view name, std::string_view value) {
    return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + std::string(value) + " ";
}

std::string DateTag(std::string_view date) {
    std::string tag("<QSO_DATE:8>");
    tag.append(date.substr(0, 4));
    if (date.size() > 5) tag.append(date.substr(5, 2));
    if (date.size() > 8) tag.append(date.substr(8, 2));
    return tag.append(" ");
}

}  // namespace

std::string_view AdifBandTag(std::string_view frequency) {
    for (const auto& entry : kBandTags) {
        if (frequency.starts_with(entry.prefix)) return entry.tag;
    }
    return "<BAND:3>*** ";
}

std::string_view AdifModeTag(std::string_view mode) {
    if (mode == "PH") return "<MODE:3>SSB ";
    if (mode == "CW") return "<MODE:2>CW ";
    if (mode == "RY") return "<MODE:4>RTTY ";
    if (mode == "PS" || mode == "PK") return "<MODE:3>PSK ";
    return "<MODE:3>*** ";
}

std::optional<std::string> AdifRecordFromCabrillo(std::string_view line) {
    const std::string upper = ToUpperAscii(line);
    if (!upper.starts_with(kQsoMark)) return std::nullopt;
    std::string record = LengthTag("CALL", Field(upper, kWorkedCallRead));
    record.append(DateTag(Field(upper, c::kDate)));
    record.append("<TIME_ON:6>").append(Field(upper, c::kTime)).append("00 ");
    record.append(AdifModeTag(Field(upper, c::kMode)));
    record.append(AdifBandTag(Field(upper, kFrequencyRead)));
    record.append(LengthTag("RST_SENT", Field(upper, kReportSentRead)));
    record.append(LengthTag("RST_RCVD", Field(upper, kReportReceivedRead)));
    return record.append("<EOR> \r\n");
}

}  // namespace tallyhawk
