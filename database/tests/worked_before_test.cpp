#include "database/worked_before.h"

#include <gtest/gtest.h>

#include "database/contest_index.h"

namespace tallyhawk {
namespace {

std::string CallFile(std::initializer_list<std::string_view> calls) {
    std::string text;
    for (std::string_view call : calls) text += ContestIndexEntry(call);
    return text;
}

TEST(CallFieldFilter, OnlyTheLastCharacterIsJudged) {
    const std::pair<std::string_view, std::optional<std::string>> cases[] = {
        {"", std::nullopt},  {"UA1AA", std::nullopt}, {"DL/UA1AA/", std::nullopt},
        {"UA1AA-", "UA1AA"}, {"UA.", "UA"},           {"UA ", "UA"},
        {"ua", "u"},         {"U.A", std::nullopt},   {"\x7f", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(WithoutRejectedLastCharacter(text), expected);
    }
}

TEST(CallPrefixSearch, FindsUpToSevenEntriesThatBeginWithTheTypedTextInLogOrder) {
    std::string calls = CallFile({"UA1AA", "W1AW", "UA9XX", "DL1UA", "UA1AA"});
    const std::string original = calls;
    EXPECT_EQ(FindCallPrefixMatches(calls, "UA"), (std::vector<std::size_t>{0, 28, 56}));
    EXPECT_EQ(calls, original);  // the scratch marks are undone
    EXPECT_EQ(FindCallPrefixMatches(calls, "UA1AA"), (std::vector<std::size_t>{0, 56}));
    EXPECT_EQ(FindCallPrefixMatches(calls, "A1"), (std::vector<std::size_t>{}));
    EXPECT_EQ(FindCallPrefixMatches(calls, ""), (std::vector<std::size_t>{}));
    calls.clear();
    for (int i = 0; i < 9; ++i) calls += ContestIndexEntry("DL" + std::to_string(i) + "AB");
    EXPECT_EQ(FindCallPrefixMatches(calls, "DL").size(), 7u);  // the eighth and ninth are not shown
    calls = CallFile({"ABCDEFGHIJKLMN", "UA1AA", "UA1AA"});  // a 14-character call hides the next entry
    EXPECT_EQ(FindCallPrefixMatches(calls, "UA1AA"), (std::vector<std::size_t>{28}));
    // A pasted "*" matches its own mark: the one entry fills every row, and the search still ends.
    calls = CallFile({"*A", "B"});
    EXPECT_EQ(FindCallPrefixMatches(calls, "*A"), std::vector<std::size_t>(7, 0));
    EXPECT_EQ(calls, CallFile({"*A", "B"}));
}

LogViewRow Row(std::string_view number, std::string_view call, std::string_view band, std::string_view mode) {
    LogViewRow row;
    row.cells[kLogNumberColumn] = number;
    row.cells[kLogCallColumn] = call;
    row.cells[kLogBandColumn] = band;
    row.cells[kLogModeColumn] = mode;
    return row;
}

TEST(WorkedBeforeMarks, DescendingSortThenDuplicatesOnBandAndMode) {
    LogViewRows rows = {Row("1", "UA1AA", "20", "CW"), Row("3", "UA9XX", "20", "CW"),
                        Row("5", "UA1AA", "40", "CW"), LogViewRow{}, Row("6", "UA1AA", "20", "CW")};
    rows[1].callColor = kGridBackColorWorked;  // a colour moves with its row
    SortByCallDescending(rows);
    EXPECT_EQ(rows[0].cells[kLogNumberColumn], "3");
    EXPECT_EQ(rows[0].callColor, kGridBackColorWorked);
    EXPECT_EQ(rows[1].cells[kLogNumberColumn], "1");  // equal calls keep their log order
    EXPECT_EQ(rows[2].cells[kLogNumberColumn], "5");
    EXPECT_EQ(rows[3].cells[kLogNumberColumn], "6");
    EXPECT_EQ(rows[4].cells[kLogCallColumn], "");

    rows[0].callColor = kGridBackColor;
    EXPECT_EQ(MarkWorkedBefore(rows, "UA1AA", "20", "CW"), 2);
    EXPECT_EQ(rows[0].callColor, kGridBackColor);
    EXPECT_EQ(rows[1].callColor, kGridBackColorWorked);
    EXPECT_EQ(rows[2].callColor, kGridBackColorNotWorked);
    EXPECT_EQ(rows[3].callColor, kGridBackColorWorked);
    EXPECT_EQ(rows[4].callColor, kGridBackColor);
    EXPECT_EQ(MarkWorkedBefore(rows, "", "", ""), 0);  // an empty call marks nothing
}

}  // namespace
}  // namespace tallyhawk
