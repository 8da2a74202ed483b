#include "convert/cabrillo_to_adif.h"

#include <gtest/gtest.h>

#include "convert/log_conversion.h"
#include "convert/log_file_check.h"

namespace tallyhawk {
namespace {

TEST(CabrilloToAdif, BandAndModeTagsByTheColumnsBeginning) {
    const struct {
        std::string_view column;
        std::string_view band;
    } cases[] = {
        {"29650", "<BAND:3>10M "}, {"21000", "<BAND:3>15M "},  {"3500", "<BAND:3>80M "},
        {"1830", "<BAND:4>160M "}, {"50100", "<BAND:3>*** "}, {"", "<BAND:3>*** "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(AdifBandTag(c.column), c.band);
    }
    EXPECT_EQ(AdifModeTag("PH"), "<MODE:3>SSB ");
    EXPECT_EQ(AdifModeTag("RY"), "<MODE:4>RTTY ");
    EXPECT_EQ(AdifModeTag("PK"), "<MODE:3>PSK ");
    EXPECT_EQ(AdifModeTag("FM"), "<MODE:3>*** ");
}

TEST(CabrilloToAdif, OnlyQsoLinesAndShortLinesLeaveTheirTagsEmpty) {
    EXPECT_FALSE(AdifRecordFromCabrillo("START-OF-LOG: 2.0").has_value());
    EXPECT_FALSE(AdifRecordFromCabrillo(" QSO: 14000 CW").has_value());
    EXPECT_EQ(AdifRecordFromCabrillo("qso:  1830 ph 2002-02-16 0905"),
              "<CALL:0> <QSO_DATE:8>20020216 <TIME_ON:6>090500 <MODE:3>SSB <BAND:4>160M "
              "<RST_SENT:0> <RST_RCVD:0> <EOR> \r\n");
    EXPECT_EQ(AdifRecordFromCabrillo("QSO:"), "<CALL:0> <QSO_DATE:8> <TIME_ON:6>00 <MODE:3>*** <BAND:3>*** "
                                              "<RST_SENT:0> <RST_RCVD:0> <EOR> \r\n");
}

TEST(CabrilloToAdif, ConvertedRecordsPassTheAdifCheck) {
    std::string adif(kAdifOutputHeader);
    ConvertCabrilloText("START-OF-LOG: 2.0\r\n"
                        "QSO: 14000 PH 2002-02-16 1234 UA1AAA        59  1      DL1AB         59  123    0\r\n"
                        "QSO: 21000 CW 2002-02-16 1235 UA1AAA        599 2      OK1XX         599 124    0\r\n"
                        "END-OF-LOG:\r\n",
                        [&](std::string_view record) { adif.append(record); });
    EXPECT_TRUE(IsValidAdifText(adif));
    EXPECT_NE(adif.find("<CALL:5>OK1XX <QSO_DATE:8>20020216 <TIME_ON:6>123500 <MODE:2>CW <BAND:3>15M "),
              std::string::npos);
}

}  // namespace
}  // namespace tallyhawk
