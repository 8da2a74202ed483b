// The contest records: the facts that must agree across the list, the lookups, and the entry facts
// each contest's record carries (the sent-exchange pre-fill, the exchange fields' rules).
#include <gtest/gtest.h>

#include <set>

#include "scoring/contest_table.h"

namespace tallyhawk {
namespace {

// The settings message and the stored setting carry three characters of the code; the setup list is
// sorted; every record has its scoring rules; the exchange limits fit the log's exchange columns; a
// forced band is one that earns points.
TEST(ContestRecords, EveryRecordAgreesWithTheList) {
    std::set<std::string_view> codes;
    std::string_view previousName;
    for (const Contest* contest : AllContests()) {
        SCOPED_TRACE(std::string(contest->listName));
        EXPECT_TRUE(codes.insert(contest->code).second) << "code used twice";
        EXPECT_FALSE(contest->code.empty());
        EXPECT_LE(contest->code.size(), 3u);
        EXPECT_LT(previousName, contest->listName) << "the list is sorted by name";
        previousName = contest->listName;
        EXPECT_EQ(ContestCodeFromListName(contest->listName), contest->code);
        EXPECT_EQ(FindContest(contest->code), contest);
        EXPECT_TRUE(contest->rules.points && contest->rules.multipliers && contest->rules.layout);
        for (std::string_view own : {"", "W", "VE", "SP", "DL", "JA"}) {
            const ExchangeLimits limits = ExchangeLimitsFor(contest->code, own);
            EXPECT_LE(limits.sent, kExchangeFieldLimit);
            EXPECT_LE(limits.received, kExchangeFieldLimit);
        }
        for (const auto& forced : {contest->band.always, contest->band.lowest}) {
            EXPECT_TRUE(!forced || contest->rules.pointBands.Contains(*forced));
        }
    }
    EXPECT_EQ(FindContest("XYZ"), nullptr);
    EXPECT_EQ(ContestListNameForCode("XYZ"), "");
    EXPECT_EQ(ContestCodeFromListName("AB DX"), "AB");  // the first three characters, trailing blank removed
}

TEST(ContestRecords, ExchangeLettersAndLimits) {
    for (std::string_view code : {"A10", "ARR", "UBD", "REF", "PAC", "SP", "OKM", "RUS", "UKR", "IAR", "RS2",
                                  "RS7", "RSX"}) {  // RSX starts like the RSGB codes
        SCOPED_TRACE(std::string(code));
        EXPECT_TRUE(ExchangeTakesLetters(code));
    }
    for (std::string_view code : {"AAD", "CQ", "CQM", "JA", "LZ", "OCE", "SAC", "WPX", "XYZ"}) {
        SCOPED_TRACE(std::string(code));
        EXPECT_FALSE(ExchangeTakesLetters(code));
    }
    struct Case {
        std::string_view code;
        std::string_view ownPrefix;
        std::size_t sent;
        std::size_t received;
    };
    const Case cases[] = {
        {"AAD", "DL", 2, 2}, {"AAD", "JA", 2, 2}, {"SP", "DL", 6, 1}, {"SP", "SP", 6, 6}, {"ARR", "DL", 6, 2},
        {"ARR", "W", 6, 6},  {"ARR", "VE", 6, 6}, {"CQ", "DL", 6, 6}, {"XYZ", "DL", 6, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " at " + std::string(c.ownPrefix));
        const ExchangeLimits limits = ExchangeLimitsFor(c.code, c.ownPrefix);
        EXPECT_EQ(limits.sent, c.sent);
        EXPECT_EQ(limits.received, c.received);
    }
}

struct PrefillCase {
    std::string_view contest;
    std::string_view ownPrefix;
    int lastNumber;
    std::string_view currentSent;
    std::optional<std::string> expected;
};

TEST(SentExchangePrefill, EachContestAndStation) {
    const PrefillCase cases[] = {
        // Serial numbers.
        {"WPX", "", 0, "", "1"},
        {"WPX", "UA", 41, "599", "42"},
        {"A10", "DL", 3, "", "4"},
        {"A10", "W", 3, "MA", std::nullopt},
        {"ARR", "VE", 3, "ON", std::nullopt},
        {"REF", "F", 3, "", std::nullopt},
        {"REF", "FG", 3, "", std::nullopt},
        {"REF", "TK", 3, "", std::nullopt},
        {"REF", "DL", 3, "", "4"},
        {"PAC", "PA", 3, "NH", std::nullopt},
        {"PAC", "ON", 3, "", "4"},
        {"SP", "SP", 3, "", std::nullopt},
        {"OKM", "OM", 3, "", std::nullopt},
        {"OKM", "OK", 3, "", std::nullopt},
        {"OKM", "OE", 3, "", "4"},
        {"RUS", "RA1", 3, "", std::nullopt},
        {"RUS", "UR", 3, "", "4"},
        {"UKR", "UR", 3, "", std::nullopt},
        {"UKR", "RA1", 3, "", "4"},
        {"CQM", "RA1", 9, "", "10"},
        {"OCE", "VK", 9, "", "10"},
        {"SAC", "OH", 9, "", "10"},
        {"RS2", "DL", 3, "", "4"},
        {"UBD", "DL", 3, "", "4"},
        // Zones.
        {"CQ", "UA", 7, "15", "16"},
        {"JA", "UA", 7, "", "16"},
        {"JA", "JA", 7, "", std::nullopt},
        {"JA", "JD1", 7, "", std::nullopt},
        // Serial number with the own district.
        {"RS2", "G", 12, "12LN", "13LN"},
        {"RS7", "GM", 0, "LN", "1LN"},
        {"RS2", "GW", 5, "5LN", "6LN"},
        {"UBD", "ON", 99, "99AN", "100AN"},
        {"UBD", "ON", 0, "", "1"},
        // An unknown own country counts as a visitor.
        {"A10", "", 3, "", "4"},
        {"RS2", "", 12, "12LN", "13"},
        {"JA", "", 7, "", "16"},
        {"XYZ", "", 3, "", std::nullopt},
        // Contests without a pre-fill.
        {"AAD", "UA", 3, "25", std::nullopt},
        {"IAR", "UA", 3, "29", std::nullopt},
        {"LZ", "UA", 3, "", std::nullopt},
    };
    for (const PrefillCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.contest << " at " << c.ownPrefix << ", sent " << c.currentSent);
        const PrefillInput input{SentExchangePrefillFor(c.contest), c.ownPrefix, "16", c.lastNumber, c.currentSent};
        EXPECT_EQ(PrefillSentExchange(input), c.expected);
    }
}

}  // namespace
}  // namespace tallyhawk
