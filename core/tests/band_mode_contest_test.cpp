#include <gtest/gtest.h>

#include "core/band.h"
#include "core/mode.h"
#include "core/qso_record.h"

namespace tallyhawk {
namespace {

TEST(BandCodes, EveryBandRoundTripsThroughItsWrittenForms) {
    for (Band band : kBands) {
        SCOPED_TRACE(std::string(BandShortCode(band)));
        EXPECT_EQ(BandFromShortCode(BandShortCode(band)), band);
        EXPECT_EQ(BandFromListText(BandListText(band)), band);
        EXPECT_EQ(ShortCodeForLogKey(BandFrequencyText(band).substr(0, 2)), BandShortCode(band));
        EXPECT_EQ(ShortCodeFromListText(BandListText(band)), BandShortCode(band));
        EXPECT_EQ(BandFrequencyText(band).size(), 6u);
    }
    EXPECT_EQ(FrequencyTextForShortCode("160"), " 1900 ");
    // An unknown band is logged as stars and read as stars.
    EXPECT_EQ(FrequencyTextForShortCode("6"), "***** ");
    EXPECT_EQ(FrequencyTextForShortCode(""), "***** ");
    EXPECT_EQ(ShortCodeForLogKey("**"), "**");
    EXPECT_EQ(ShortCodeForLogKey("50"), "**");
}

TEST(ModeCodes, LogCodeAndReportFollowTheFirstTwoCharacters) {
    struct Case {
        std::string_view text, code, report;
    };
    for (const auto& [text, code, report] : {Case{"CW", "CW", "599 "}, Case{"PH", "PH", "59  "},
                                             Case{"SSB", "PH", "59  "}, Case{"PS", "RY", "599 "},
                                             Case{"RTTY", "RY", "599 "}, Case{"BPSK", "RY", "599 "},
                                             Case{"RY", "RY", "599 "}, Case{"AM", "**", "59* "},
                                             Case{"", "**", "59* "}, Case{"C", "**", "59* "}}) {
        SCOPED_TRACE(std::string(text));
        EXPECT_EQ(LogModeCode(text), code);
        EXPECT_EQ(ReportForLogMode(LogModeCode(text)), report);
    }
    EXPECT_EQ(EntryCodeForModeText("Phone"), "PH");  // the stored setting's text
    EXPECT_EQ(EntryCodeForModeText("RTTY"), "RY");
    EXPECT_EQ(EntryCodeForModeText("FM"), "FM");
}

TEST(BandQsoCounters, CountsOnlyTheSixShortCodes) {
    BandQsoCounters counters;
    for (const char* band : {"10", "160", "160", "6", "**", "20 "}) counters.Increment(band);
    EXPECT_EQ(counters.Count(Band::M10), 1);
    EXPECT_EQ(counters.Count(Band::M160), 2);
    EXPECT_EQ(counters.Total(), 3);
}

}  // namespace
}  // namespace tallyhawk
