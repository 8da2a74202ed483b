#include "database/log_view.h"

#include <gtest/gtest.h>

namespace tallyhawk {
namespace {

TEST(LogViewCells, RecordIsSplitAtItsFirstFiveCommas) {
    EXPECT_EQ(FillLogViewRow(28, "UA1AA         ", "2002-02-16,1234,20,CW,599 001,  599 17,X   "),
              (LogViewCells{"3", "UA1AA", "2002-02-16", "12:34", "20", "CW", "599 001", "599 17,X"}));
    // Missing commas leave the rest in every later column.
    EXPECT_EQ(FillLogViewRow(0, "DL1AB", "2002-02-16,1234"),
              (LogViewCells{"1", "DL1AB", "2002-02-16", "12:34", "1234", "1234", "1234", "1234"}));
    // Past the end of the files nothing is read: only the number is known.
    EXPECT_EQ(FillLogViewRow(140, "", ""), (LogViewCells{"11", "", "", ":", "", "", "", ""}));
}

TEST(LogViewRefresh, ShowsTheLastSevenContactsOldestFirst) {
    const std::pair<std::uintmax_t, ShownContacts> cases[] = {
        {0, {0, 0}},    {13, {0, 0}}, {42, {0, 3}}, {98, {0, 7}},  // rows 1 to 7 from offset 0
        {112, {14, 7}},                                            // entries 2 to 8
        {119, {14, 7}},                                            // a torn last entry is not shown
    };
    for (const auto& [length, expected] : cases) {
        SCOPED_TRACE(length);
        EXPECT_EQ(LastSevenContacts(length), expected);
    }
}

TEST(LogViewRefresh, LastNumberIsTheLowestFilledRow) {
    LogViewRows rows;
    EXPECT_EQ(LastShownContactNumber(rows), 0);
    rows[0].cells[kLogNumberColumn] = "4";
    rows[2].cells[kLogNumberColumn] = "12";
    EXPECT_EQ(LastShownContactNumber(rows), 12);
}

TEST(LogViewScrolling, FirstShownNumberPerKey) {
    struct Case {
        LogViewKey key;
        int first;
        int count;
        int expected;
    };
    const Case cases[] = {
        {LogViewKey::Up, 5, 20, 4},
        {LogViewKey::Up, 1, 20, 1},
        {LogViewKey::Down, 5, 20, 6},
        {LogViewKey::Down, 14, 20, 14},
        {LogViewKey::PageUp, 10, 20, 3},
        {LogViewKey::PageUp, 5, 20, 1},
        {LogViewKey::PageDown, 1, 20, 8},
        {LogViewKey::PageDown, 8, 20, 14},
        {LogViewKey::PageDown, 1, 10, 4},
        {LogViewKey::PageDown, 1, 7, 1},
        {LogViewKey::Home, 9, 20, 1},
        {LogViewKey::End, 1, 20, 14},
        {LogViewKey::End, 3, 6, 1},
        {LogViewKey::Down, 2, 3, 1},
        // Row 1 empty (number 0) or showing a search result beyond the last page.
        {LogViewKey::Down, 0, 20, 1},
        {LogViewKey::Up, 19, 20, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.key) << " from " << c.first << " of " << c.count);
        EXPECT_EQ(FirstShownAfterKey(c.key, c.first, c.count), c.expected);
    }
}

TEST(LogViewScrolling, ShowsSevenConsecutiveContactsOrAllOfFewer) {
    EXPECT_EQ(ScrolledContacts(LogViewKey::End, 1, 20), (ShownContacts{13 * 14, 7}));
    EXPECT_EQ(ScrolledContacts(LogViewKey::Down, 3, 5), (ShownContacts{0, 5}));
    EXPECT_EQ(ScrolledContacts(LogViewKey::Home, 0, 0), (ShownContacts{0, 0}));
}

}  // namespace
}  // namespace tallyhawk
