#include "scoring/contest_submission.h"

#include <gtest/gtest.h>

#include "scoring/contest_table.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

std::string PeriodOf(std::string_view contest, unsigned mode, int year) {
    const auto period = PeriodInYear(EditionForMode(FindContest(contest)->submission, mode).period, year);
    return period ? FormatContestPeriod(*period) : "-";
}

TEST(ContestPeriod, EachEditionRunsOnTheDaysOfItsRules) {
    const struct {
        std::string_view contest;
        unsigned mode;
        int year;
        std::string period;
    } cases[] = {
        {"CQ", kCwLogs, 2024, "2024-11-23 0000 2024-11-25 0000"},     // last full weekend of November
        {"CQ", kPhoneLogs, 2024, "2024-10-26 0000 2024-10-28 0000"},
        {"CQ", kDigitalLogs, 2024, "2024-09-28 0000 2024-09-30 0000"},
        {"WPX", kPhoneLogs, 2025, "2025-03-29 0000 2025-03-31 0000"},
        {"WPX", kCwLogs, 2025, "2025-05-24 0000 2025-05-26 0000"},     // May 31 has no Sunday in May
        {"ARR", kCwLogs, 2025, "2025-02-15 0000 2025-02-17 0000"},
        {"ARR", kPhoneLogs, 2025, "2025-03-01 0000 2025-03-03 0000"},
        {"IAR", kCwLogs, 2024, "2024-07-13 1200 2024-07-14 1200"},
        {"JA", kCwLogs, 2020, "2020-04-11 0700 2020-04-12 1300"},      // as the JIDX rules of 2020 give it
        {"JA", kPhoneLogs, 2012, "2012-11-10 0700 2012-11-11 1300"},
        {"AAD", kCwLogs, 2011, "2011-06-18 0000 2011-06-20 0000"},     // third Saturday of June
        {"OKM", kCwLogs, 2011, "2011-11-12 1200 2011-11-13 1200"},
        {"A10", kPhoneLogs, 2024, "2024-12-14 0000 2024-12-16 0000"},
        {"RS7", kCwLogs, 2024, "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.contest) + " " + std::to_string(c.year));
        EXPECT_EQ(PeriodOf(c.contest, c.mode, c.year), c.period);
    }
}

TEST(ContestPeriod, SettingTextReadsBackAndRefusesNonsense) {
    const auto period = ParseContestPeriod("  2024-11-23 0000   2024-11-25 00:00 ");
    ASSERT_TRUE(period.has_value());
    EXPECT_EQ(FormatContestPeriod(*period), "2024-11-23 0000 2024-11-25 0000");
    EXPECT_TRUE(period->Contains(*ParseUtcMinute("2024-11-24", "2359")));
    EXPECT_FALSE(period->Contains(*ParseUtcMinute("2024-11-25", "0000")));
    for (std::string_view bad : {"", "2024-11-23 0000", "2024-11-25 0000 2024-11-23 0000", "2024-02-30 0000 2024-03-01 0000",
                                 "2024-11-23 2400 2024-11-25 0000", "2024-11-23 0000 2024-11-25 0000 x"}) {
        EXPECT_FALSE(ParseContestPeriod(bad).has_value()) << bad;
    }
}

TEST(ContestSubmission, EveryContestHasAnOfficialNameThatMapsBack) {
    for (const Contest* contest : AllContests()) {
        SCOPED_TRACE(contest->code);
        EXPECT_NE(contest->submission.editions.front().modes, 0u);
        EXPECT_FALSE(contest->submission.exchange.description.empty());
        for (const auto& edition : contest->submission.editions) {
            if (edition.modes == 0) continue;
            EXPECT_FALSE(edition.cabrilloName.empty());
            EXPECT_EQ(ContestCodeForCabrilloName(edition.cabrilloName), std::string(contest->code));
        }
    }
    EXPECT_EQ(ContestCodeForCabrilloName(" cq-ww-rtty "), "CQ");
    EXPECT_FALSE(ContestCodeForCabrilloName("WAE CW").has_value());
    EXPECT_FALSE(ContestCodeForCabrilloName("").has_value());
    EXPECT_EQ(EditionForMode(FindContest("IAR")->submission, kDigitalLogs).cabrilloName, "IARU-HF");  // the only edition
}

TEST(ExchangeShape, EachShapeTakesWhatItsContestsSend) {
    const struct {
        const ExchangeShape& shape;
        std::string_view good;
        std::string_view bad;
    } cases[] = {
        {kSerialExchange, "001", "1A"},         {kSerialExchange, "12", "0"},
        {kCqZoneExchange, "40", "41"},          {kCqZoneExchange, "05", "ZZ"},
        {kItuZoneExchange, "90", "91"},         {kAgeExchange, "00", "123"},
        {kZoneOrPrefectureExchange, "50", "51"}, {kSerialOrLettersExchange, "MA", "M-A"},
        {kSerialOrLettersExchange, "100", ""},   {kSerialWithDistrictExchange, "12LN", "LN12"},
        {kItuZoneOrSocietyExchange, "DARC", "1R"}, {kItuZoneOrSocietyExchange, "28", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.good) + " / " + std::string(c.bad));
        EXPECT_TRUE(ExchangeHasShape(c.shape, c.good));
        EXPECT_FALSE(ExchangeHasShape(c.shape, c.bad));
    }
}

}  // namespace
}  // namespace tallyhawk
