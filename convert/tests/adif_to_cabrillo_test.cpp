#include "convert/adif_to_cabrillo.h"

#include <gtest/gtest.h>

#include "convert/log_conversion.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

const std::string kW1aw = ConvertedOwnCall("W1AW");

std::string Convert(std::string_view line) { return CabrilloLineFromAdif(line, kW1aw).value_or("skipped"); }

using FieldReader = std::string (*)(std::string_view record);

std::string Reports(std::string_view r) { return AdifReportField(r, "RST_SENT") + "|" + AdifReportField(r, "RST_RCVD"); }
std::string Mode(std::string_view r) { return std::string(AdifModeField(r)); }

TEST(AdifToCabrillo, FieldsReadAtFixedPositions) {
    const struct {
        std::string_view record;
        FieldReader read;
        std::string expected;
    } cases[] = {
        // Two-character reports are followed by the next tag's "<".
        {"<RST_SENT:2>59<RST_RCVD:2>57<EOR>", Reports, "59 |57 "},
        {"<RST_SENT:2>59 <RST_RCVD:3>5NN <EOR>", Reports, "59 |5NN"},
        {"<CALL:12>UA1AAA/9/QRP<EOR>", AdifCallField, "UA1AAA/9/QRP "},
        {"<CALL:15>DL1ABC/P/MM/QRP<EOR>", AdifCallField, "DL1ABC/P/MM/QRP"},  // not cut: pushes the line
        {"<call:5>ua1aa<eor>", AdifCallField, "UA1AA        "},
        {"<BAND:4>160M<EOR>", AdifFrequencyField, " 1800"},
        {"<BAND:3>17M<EOR>", AdifFrequencyField, "*****"},
        {"<BAND:3>20M<FREQ:6>21.025<EOR>", AdifFrequencyField, "14000"},  // BAND wins
        {"<FREQ:5>7.025<EOR>", AdifFrequencyField, " 7025"},
        {"<FREQ:9>28.076249<EOR>", AdifFrequencyField, "28076"},
        {"<FREQ:5>1,830<EOR>", AdifFrequencyField, " 1830"},
        {"<FREQ:6>3.5735<EOR>", AdifFrequencyField, " 3573"},
        {"<FREQ:4>21.0<EOR>", AdifFrequencyField, "  210"},  // short values stay right-aligned in 5
        {"<MODE:3>SSB<EOR>", Mode, "PH"},
        {"<MODE:2>PH<EOR>", Mode, "**"},
        {"<MODE:5>PSK31<EOR>", Mode, "RY"},
        {"<QSO_DATE:8:D>20020315<EOR>", AdifDateField, "2002-03-15"},
        {"<TIME_ON:6>090512<EOR>", AdifTimeField, "0905"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        EXPECT_EQ(c.read(ToUpperAscii(c.record)), c.expected);
    }
}

TEST(AdifToCabrillo, MissingTagsAndOddFormsGiveBlanksNeverAnotherRecordsValue) {
    std::vector<std::string> lines;
    const int count = ConvertAdifText(
        "<EOH>\n"
        "<CALL:5>UA1AA<QSO_DATE:8>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:2>CW<RST_SENT:3>599<RST_RCVD:3>579<EOR>\n"
        "<EOR>\n"
        "<QSO_DATE:10>2002031599<CALL:20>XX<EOR>\n",
        kW1aw, [&](std::string_view line) { lines.emplace_back(line); });
    ASSERT_EQ(count, 3);
    EXPECT_EQ(lines[1], "QSO:       **                 W1AW              ******                   ****** 0\r\n");
    EXPECT_EQ(lines[2].substr(14, 10), "          ");  // a two-digit date length reads as empty
    for (const auto& line : lines) EXPECT_EQ(line.size(), 83u) << line;
}

TEST(AdifToCabrillo, OnlyLinesEndingWithTheRecordEndAreConverted) {
    EXPECT_EQ(Convert("<CALL:5>UA1AA<BAND:3>20M"), "skipped");
    EXPECT_EQ(Convert("<EOH>"), "skipped");
    EXPECT_NE(Convert("  <CALL:5>UA1AA<eor>  "), "skipped");
    EXPECT_EQ(ConvertedOwnCall(""), "UNKNOWN      ");
    EXPECT_EQ(ConvertedOwnCall("UA1AAA/9/QRP/P"), "UA1AAA/9/QRP/P");
}

TEST(AdifToCabrillo, HostileBytesNeverReadPastTheLine) {
    for (std::string_view line : {"<CALL:9<EOR>", "<CALL:1<EOR>", "<QSO_DATE:8:<EOR>", "<RST_SENT:<EOR>", "<FREQ:9>.,<EOR>",
                                  "<CALL:19><EOR>", "<BAND:<EOR>", "<TIME_ON:<EOR>", "<MODE:9>C<EOR>"}) {
        SCOPED_TRACE(line);
        const auto converted = CabrilloLineFromAdif(line, kW1aw);
        ASSERT_TRUE(converted.has_value());
        EXPECT_GE(converted->size(), 81u);
    }
}

}  // namespace
}  // namespace tallyhawk
