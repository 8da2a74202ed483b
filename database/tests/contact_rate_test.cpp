// Contacts per hour by the logged times: dates and times read as minutes, both rates over midnight,
// gaps and contacts logged out of order, the hour table, and the worked marks of the known calls.
#include "database/contact_rate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "database/hourly_contacts.h"
#include "database/worked_calls.h"

namespace tallyhawk {
namespace {

std::int64_t Minute(std::string_view date, std::string_view time) { return LoggedMinute(date, time).value(); }

TEST(LoggedMinute, ReadsRealDatesAndTimesOnly) {
    EXPECT_EQ(LoggedMinute("1970-01-01", "0000"), 0);
    EXPECT_EQ(LoggedMinute("1970-01-02", "0001"), 1441);
    EXPECT_EQ(LoggedMinute("2026-12-05", "23:59"), LoggedMinute("2026-12-05", "2359"));
    EXPECT_EQ(Minute("2026-12-06", "0000") - Minute("2026-12-05", "2359"), 1);
    EXPECT_EQ(Minute("2024-03-01", "0000") - Minute("2024-02-29", "0000"), 1440);
    for (const auto& [date, time] :
         std::vector<std::pair<const char*, const char*>>{{"2023-02-29", "1200"},
                                                          {"2026-13-01", "1200"},
                                                          {"2026-12-05", "2400"},
                                                          {"2026-12-05", "1260"},
                                                          {"2026-12-05", "120"},
                                                          {"2026-12-05", "12:0"},
                                                          {"26-12-05", "1200"},
                                                          {"2026/12/05", "1200"},
                                                          {"2026-12-05", ""},
                                                          {"", "1200"},
                                                          {"2026-1x-05", "1200"},
                                                          {"2026-12-05", "-100"}}) {
        SCOPED_TRACE(std::string(date) + " " + time);
        EXPECT_FALSE(LoggedMinute(date, time));
    }
    EXPECT_EQ(LoggedMinuteText(Minute("2026-12-05", "2307")), "2026-12-05 23:07");
    EXPECT_EQ(LoggedMinuteText(Minute("1969-12-31", "2300")), "1969-12-31 23:00");
}

ContactRates RatesOf(const std::vector<std::int64_t>& minutes) {
    RateWindow window;
    for (const std::int64_t minute : minutes) window.Add(minute);
    return window.Rates();
}

TEST(RateWindow, CountsTheLastTenContactsAndTheLastHourByLoggedTime) {
    const std::int64_t midnight = Minute("2026-12-06", "0000");
    struct Case {
        const char* name;
        std::vector<std::int64_t> minutes;
        ContactRates expected;
    };
    std::vector<std::int64_t> acrossMidnight;  // one a minute from 23:55 to 00:04
    for (int i = -5; i < 5; ++i) acrossMidnight.push_back(midnight + i);
    std::vector<std::int64_t> afterGap = acrossMidnight;  // then two hours off and three contacts
    for (int i = 0; i < 3; ++i) afterGap.push_back(midnight + 125 + i);
    const Case cases[] = {
        {"no contacts", {}, {0, 0}},
        {"one contact", {midnight}, {60, 1}},
        {"ten in one minute", std::vector<std::int64_t>(10, midnight), {600, 10}},
        {"one a minute over midnight", acrossMidnight, {60, 10}},
        {"after a gap", afterGap, {5, 3}},  // the last 10 from 23:58 to 02:07: 130 minutes
        {"every six minutes",
         {midnight, midnight + 6, midnight + 12, midnight + 18, midnight + 24, midnight + 30, midnight + 36,
          midnight + 42, midnight + 48, midnight + 54, midnight + 60},
         {11, 10}},  // the last ten span 00:06 to 01:00, 55 minutes; the first falls out of the hour
        {"more than ten in the oldest minute",
         {midnight, midnight, midnight, midnight + 9, midnight + 9, midnight + 9, midnight + 9, midnight + 9,
          midnight + 9, midnight + 9, midnight + 9},
         {60, 11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RatesOf(c.minutes), c.expected);
    }
}

// Contacts added in any order give what a plain count over every contact gives, although the window
// forgets the old minutes as it goes.
TEST(RateWindow, AgreesWithACountOverEveryContact) {
    std::uint32_t seed = 3;
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u, seed >> 8; };
    RateWindow window;
    std::vector<std::int64_t> all;
    for (int i = 0; i < 400; ++i) {
        const std::int64_t minute =
            i * 3 + static_cast<std::int64_t>(next() % 40) - (next() % 9 == 0 ? 300 : 0);
        window.Add(minute);
        all.push_back(minute);
        std::vector<std::int64_t> sorted = all;
        std::sort(sorted.rbegin(), sorted.rend());
        const std::int64_t latest = sorted.front();
        const std::size_t ten = std::min<std::size_t>(10, sorted.size());
        const auto lastHour =
            std::count_if(sorted.begin(), sorted.end(), [&](auto m) { return m > latest - 60; });
        const std::int64_t span = latest - sorted[ten - 1] + 1;
        const ContactRates expected{static_cast<int>((static_cast<std::int64_t>(ten) * 60 + span / 2) / span),
                                    static_cast<int>(lastHour)};
        ASSERT_EQ(window.Rates(), expected) << "after contact " << i;
    }
}

TEST(ContactsPerHour, CountsEachClockHourPerBand) {
    const std::vector<LoggedTime> times = {
        {Minute("2026-12-05", "2359"), "20"}, {Minute("2026-12-05", "2300"), "40"},
        {Minute("2026-12-06", "0000"), "20"}, {Minute("2026-12-06", "0059"), "160"},
        {Minute("2026-12-06", "0330"), "12"},  // no contest band: counted in the total only
    };
    const std::vector<HourContacts> rows = ContactsPerHour(times);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(LoggedMinuteText(rows[0].hour), "2026-12-05 23:00");
    EXPECT_EQ(rows[0].perBand, (std::array<int, 6>{0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(rows[0].total, 2);
    EXPECT_EQ(LoggedMinuteText(rows[1].hour), "2026-12-06 00:00");
    EXPECT_EQ(rows[1].perBand, (std::array<int, 6>{0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(LoggedMinuteText(rows[2].hour), "2026-12-06 03:00");
    EXPECT_EQ(rows[2].perBand, (std::array<int, 6>{}));
    EXPECT_EQ(rows[2].total, 1);
    EXPECT_TRUE(ContactsPerHour({}).empty());
}

TEST(FindCallsInContestIndex, MarksWholeEntriesOnly) {
    std::string callFile;
    for (const char* call : {"UA1AA", "W1AW/4", "DL1ABCDEFGHIJK", "K1A"}) callFile += ContestIndexEntry(call);
    callFile += "OK1A";  // a cut-off last entry is no entry
    const std::vector<std::string_view> calls = {"UA1A",           "UA1AA", "UA1AAA", "W1AW/4", "W1AW",
                                                 "DL1ABCDEFGHIJK", "K1A",   "OK1A",   "UA1AA"};
    EXPECT_EQ(FindCallsInContestIndex(callFile, calls),
              (std::vector<bool>{false, true, false, true, false, true, true, false, true}));
    EXPECT_EQ(FindCallsInContestIndex("", calls), std::vector<bool>(calls.size(), false));
    EXPECT_TRUE(FindCallsInContestIndex(callFile, {}).empty());
}

}  // namespace
}  // namespace tallyhawk
