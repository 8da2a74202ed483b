#include "scoring/contest_submission.h"

#include <gtest/gtest.h>

#include "core/contest_id.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

std::string PeriodOf(std::string_view contest, unsigned mode, int year) {
    const auto period = PeriodInYear(EditionForMode(*SubmissionFor(contest), mode).period, year);
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
    for (const auto& contest : kContestNames) {
        SCOPED_TRACE(contest.code);
        const ContestSubmission* submission = SubmissionFor(contest.code);
        ASSERT_NE(submission, nullptr);
        for (const auto& edition : submission->editions) {
            if (edition.modes == 0) continue;
            EXPECT_FALSE(edition.cabrilloName.empty());
            EXPECT_EQ(ContestCodeForCabrilloName(edition.cabrilloName), std::string(contest.code));
        }
    }
    EXPECT_EQ(ContestCodeForCabrilloName(" cq-ww-rtty "), "CQ");
    EXPECT_FALSE(ContestCodeForCabrilloName("WAE CW").has_value());
    EXPECT_FALSE(ContestCodeForCabrilloName("").has_value());
    EXPECT_EQ(EditionForMode(*SubmissionFor("IAR"), kDigitalLogs).cabrilloName, "IARU-HF");  // the only edition
}

TEST(ExchangeShape, EachKindTakesWhatItsContestsSend) {
    const struct {
        ExchangeKind kind;
        std::string_view good;
        std::string_view bad;
    } cases[] = {
        {ExchangeKind::Serial, "001", "1A"},         {ExchangeKind::Serial, "12", "0"},
        {ExchangeKind::CqZone, "40", "41"},          {ExchangeKind::CqZone, "05", "ZZ"},
        {ExchangeKind::ItuZone, "90", "91"},         {ExchangeKind::Age, "00", "123"},
        {ExchangeKind::ZoneOrPrefecture, "50", "51"}, {ExchangeKind::SerialOrLetters, "MA", "M-A"},
        {ExchangeKind::SerialOrLetters, "100", ""},   {ExchangeKind::SerialWithDistrict, "12LN", "LN12"},
        {ExchangeKind::ItuZoneOrSociety, "DARC", "1R"}, {ExchangeKind::ItuZoneOrSociety, "28", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.good) + " / " + std::string(c.bad));
        EXPECT_TRUE(ExchangeHasShape(c.kind, c.good));
        EXPECT_FALSE(ExchangeHasShape(c.kind, c.bad));
        EXPECT_FALSE(ExchangeShapeText(c.kind).empty());
    }
}

}  // namespace
}  // namespace tallyhawk
