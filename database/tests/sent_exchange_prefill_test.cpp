#include "database/sent_exchange_prefill.h"

#include <gtest/gtest.h>

namespace tallyhawk {
namespace {

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
        // Contests without a pre-fill.
        {"AAD", "UA", 3, "25", std::nullopt},
        {"IAR", "UA", 3, "29", std::nullopt},
        {"LZ", "UA", 3, "", std::nullopt},
    };
    for (const PrefillCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.contest << " at " << c.ownPrefix << ", sent " << c.currentSent);
        const PrefillInput input{c.contest, c.ownPrefix, "16", c.lastNumber, c.currentSent};
        EXPECT_EQ(PrefillSentExchange(input), c.expected);
    }
}

TEST(SentExchangePrefill, UnknownOwnCountryCountsAsVisitor) {
    EXPECT_EQ(PrefillKindFor("A10", ""), PrefillKind::Serial);
    EXPECT_EQ(PrefillKindFor("RS2", ""), PrefillKind::Serial);
    EXPECT_EQ(PrefillKindFor("JA", ""), PrefillKind::Zone);
    EXPECT_EQ(PrefillKindFor("XYZ", ""), PrefillKind::None);
}

}  // namespace
}  // namespace tallyhawk
