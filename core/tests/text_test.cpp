#include <gtest/gtest.h>

#include "core/text.h"

namespace tallyhawk {
namespace {

TEST(FixedWidth, PadCutsButFillNeverCuts) {
    EXPECT_EQ(PadRight("DL1AB", 7), "DL1AB  ");
    EXPECT_EQ(PadRight("ABCDEFGH", 6), "ABCDEF");
    EXPECT_EQ(FillRight("ABCDEFGH", 6), "ABCDEFGH");
    EXPECT_EQ(FillRight("", 3), "   ");
}

TEST(FixedWidth, ColumnsAreOneBasedAndStopAtTheLineEnd) {
    EXPECT_EQ(Columns("QSO: 28000 CW", 6, 11), "28000 ");
    EXPECT_EQ(Columns("QSO: 28", 6, 11), "28");
    EXPECT_EQ(Columns("QSO:", 6, 11), "");
    EXPECT_EQ(Columns("ABC", 0, 2), "");
}

TEST(Trimming, BlanksOnlyOrLineEnds) {
    EXPECT_EQ(TrimBlanks("  A B  "), "A B");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("\tA "), "\tA");
    EXPECT_EQ(TrimTrailingBlanks(" A "), " A");
    EXPECT_EQ(TrimLineEnd("QSO\r\n"), "QSO");
    EXPECT_EQ(TrimLineEnd("QSO\n"), "QSO");
    EXPECT_EQ(TrimWhitespace("\t A\r\n"), "A");
}

TEST(Numbers, ParseIntTakesWholeNumbersOnlyAndNeverThrows) {
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt("+7"), 7);
    EXPECT_EQ(ParseInt("-3"), -3);
    EXPECT_EQ(ParseInt(""), std::nullopt);
    EXPECT_EQ(ParseInt("4x"), std::nullopt);
    EXPECT_EQ(ParseInt("99999999999999"), std::nullopt);
    EXPECT_EQ(LeadingInt(" 12ab"), 12);
    EXPECT_EQ(LeadingInt("-5"), -5);
    EXPECT_EQ(LeadingInt("x"), 0);
    EXPECT_EQ(LeadingInt("999999999999999"), 2147483647);
}

TEST(CodeLists, MembershipNeedsBlanksOnBothSides) {
    const std::string_view list = " DL F G ";
    EXPECT_TRUE(ListContainsCode(list, "DL"));
    EXPECT_TRUE(ListContainsCode(list, "G"));
    EXPECT_FALSE(ListContainsCode(list, "D"));
    EXPECT_FALSE(ListContainsCode(" DL F G", "G"));
}

}  // namespace
}  // namespace tallyhawk
