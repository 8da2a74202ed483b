// The callbook sources: the call a callbook is asked for, the two libraries' answers read into panel
// rows, and one lookup through the libraries.
#include "callsign/callbook.h"

#include <gtest/gtest.h>

#include "callsign/callbook_result.h"
#include "tests/support/fake_callbooks.h"

namespace tallyhawk {
namespace {

CallInfoRows Rows(std::string a, std::string b, std::string c, std::string d, std::string_view captions) {
    // Captions of rows A to D as one text, blank-separated ("Name: QTH: DXCC: -" with "-" for none).
    CallInfoRows rows{{{"", std::move(a)}, {"", std::move(b)}, {"", std::move(c)}, {"", std::move(d)}}};
    for (auto& row : rows) {
        const auto end = captions.find(' ');
        const std::string_view caption = captions.substr(0, end);
        row.caption = caption == "-" ? "" : std::string(caption);
        captions.remove_prefix(end == std::string_view::npos ? captions.size() : end + 1);
    }
    return rows;
}

TEST(CallbookCall, KeepsTheLongerSideOfEachSlashAndOnATieThePartBefore) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {" W1AW ", "W1AW"},       {"DL1ABC/P", "DL1ABC"},
        {"EA8/DL1ABC", "DL1ABC"}, {"DL/G3ABC/P", "G3ABC"},
        {"AB/CD", "AB"},          {"VP2E/G3ABC", "G3ABC"},
        {"G3ABC/VP2E", "G3ABC"},  {"/W1AW", "W1AW"},
        {"W1AW/", "W1AW"},        {"/", ""},
        {"W1AW/4", "W1AW"},       {"", ""},
    };
    for (const auto& [typed, asked] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(CallbookCall(typed), asked);
    }
}

TEST(CallbookSource, OnlyQrzAndRacNameALibrary) {
    EXPECT_EQ(CallbookSourceFor("qrz"), CallbookSource::Qrz);
    EXPECT_EQ(CallbookSourceFor("rac"), CallbookSource::Rac);
    for (const std::string_view none : {"none", "non", "", "QRZ", "rac "}) {
        SCOPED_TRACE(none);
        EXPECT_EQ(CallbookSourceFor(none), CallbookSource::None);
    }
}

TEST(RacResult, FieldsBetweenTheirMarkersAndTheStateOfUnitedStatesCalls) {
    using testing::RacAnswer;
    const std::string w1aw = RacAnswer(
        "<01>W1AW<02>Hiram Percy Maxim,  225 Main Street<03>Newington<06>CT<07>06111<0D>Hartford<0E>Club"
        "<10>United States<11>");
    const auto us = ReadRacResult(w1aw, "W1AW");
    ASSERT_TRUE(us);
    EXPECT_EQ(us->rows, Rows("Hiram Percy Maxim", "225 Main Street", "United States", "Hartford CT",
                             "Name: QTH: DXCC: State:"));
    EXPECT_EQ(us->state, "CT");

    // Other calls: the address reaches up to marker 07 (inner markers are shown as blanks), no state.
    const auto dx = ReadRacResult(
        RacAnswer("<01>G3ABC<02>John Smith, 1 High Street<03>London<06><07><10>England<11>"), "G3ABC");
    ASSERT_TRUE(dx);
    EXPECT_EQ(dx->rows, Rows("John Smith", "1 High Street London ", "England", "", "Name: QTH: DXCC: -"));
    EXPECT_EQ(dx->state, std::nullopt);

    // A followed by A to L is a United States call; AM is not.
    EXPECT_EQ(ReadRacResult(RacAnswer("<01>AA1AA<02>A, B<03><06>MA<07><0D>X<0E>"), "AA1AA")->state, "MA");
    EXPECT_EQ(ReadRacResult(RacAnswer("<01>AM1AA<02>A, B<03><06>MA<07><0D>X<0E>"), "AM1AA")->state,
              std::nullopt);
    EXPECT_EQ(ReadRacResult(RacAnswer("<01>KA1ABC<02>No comma<03><10>"), "KA1ABC")->rows,
              Rows("No comma", "", "", " ", "Name: QTH: DXCC: State:"));
}

TEST(RacResult, AnAnswerForAnotherCallIsNotFound) {
    using testing::RacAnswer;
    for (const std::string& answer : {std::string(), RacAnswer("<01>W1AX<02>N, A<10>US<11>"),
                                      std::string("W1AW"), RacAnswer("<01>w1aw<02>N, A")}) {
        SCOPED_TRACE(answer);
        EXPECT_EQ(ReadRacResult(answer, "W1AW"), std::nullopt);
    }
    // Only the 500 bytes a library writes count, up to their terminator.
    const std::string header = RacAnswer("<01>W1AW<02>N, A<03>");
    const std::string padded = header + std::string(500 - header.size(), ' ') + RacAnswer("<10>Beyond<11>");
    EXPECT_EQ(ReadRacResult(padded, "W1AW")->rows[2].value, "");
    EXPECT_EQ(ReadRacResult(header + '\0' + RacAnswer("<10>US<11>"), "W1AW")->rows[2].value, "");
}

TEST(QrzResult, ThreeLinesOfNameAddressAndPlace) {
    const auto us =
        ReadQrzResult("  Hiram Percy Maxim, W1AW\r\n225 Main Street\r\nNewington,  CT 06111 \r\n", "W1AW");
    ASSERT_TRUE(us);
    EXPECT_EQ(us->rows,
              Rows("Hiram Percy Maxim", "225 Main Street", "Newington", "CT 06111", "Name: QTH: QTH: DXCC:"));
    EXPECT_EQ(us->state, "CT");

    const auto lf = ReadQrzResult("John Smith, G3ABC\n1 High Street\nLondon", "G3ABC");  // LF line ends
    ASSERT_TRUE(lf);
    EXPECT_EQ(lf->rows, Rows("John Smith", "1 High Street", "London", "", "Name: QTH: QTH: DXCC:"));
    EXPECT_EQ(lf->state, std::nullopt);

    for (const std::string_view other : {"", "Hiram Percy Maxim W1AW\r\n", "Someone, W1AX\r\nA\r\nB, CT",
                                         "Someone,W1AW\r\n", "Someone\r\nA, W1AW\r\n"}) {
        SCOPED_TRACE(other);
        EXPECT_EQ(ReadQrzResult(other, "W1AW"), std::nullopt);
    }
    // Only the 255 bytes a library writes count: the state's second letter is the 256th.
    const std::string longName = std::string(240, 'N') + ", W1AW\r\nA\r\nB, CT";
    EXPECT_EQ(ReadQrzResult(longName, "W1AW")->state, "C");
}

TEST(AskCallbook, SendsTheCallInEachLibrarysCaseAndReadsItsAnswer) {
    testing::FakeCallbooks books;
    books.qrzAnswers["DL1ABC"] = "Hans Muster, DL1ABC\r\nHauptstrasse 1\r\nBerlin, Germany";
    books.racAnswers["dl1abc"] =
        testing::RacAnswer("<01>DL1ABC<02>Hans Muster, Hauptstrasse 1<07><10>Germany<11>");

    const auto qrz = AskCallbook(books, CallbookSource::Qrz, "d", "dl1abc/p");
    ASSERT_TRUE(qrz);
    EXPECT_EQ(qrz->call, "DL1ABC");  // the call field holds upper case; the label shows what was asked
    EXPECT_EQ(qrz->rows[0].value, "Hans Muster");
    const auto rac = AskCallbook(books, CallbookSource::Rac, "d:\\", "EA8/DL1ABC");
    ASSERT_TRUE(rac);
    EXPECT_EQ(rac->rows[2].value, "Germany");
    EXPECT_EQ(books.sent, (std::vector<std::string>{"DL1ABC", "d:\\dl1abc"}));

    EXPECT_EQ(AskCallbook(books, CallbookSource::Qrz, "d", "OK1XX")->rows, NotFoundRows());
    EXPECT_EQ(NotFoundRows()[0].valueColor, "AlarmColor");
    EXPECT_EQ(AskCallbook(books, CallbookSource::None, "d", "DL1ABC"), std::nullopt);
}

TEST(AskCallbook, ShortAndLongCallsAreNotSentAndAMissingLibraryGivesNothing) {
    testing::FakeCallbooks books;
    for (const std::string_view call : {"K1A", "K1A/P", "ABCDEFGHIJKLMNO"}) {
        SCOPED_TRACE(call);
        const auto panel = AskCallbook(books, CallbookSource::Rac, "d:\\", call);
        ASSERT_TRUE(panel);
        EXPECT_EQ(panel->rows, NotFoundRows());
    }
    EXPECT_TRUE(books.sent.empty());
    EXPECT_EQ(books.loadChecks, 3);
    ASSERT_TRUE(AskCallbook(books, CallbookSource::Rac, "d:\\", "ABCDEFGHIJKLMN"));  // 14 characters are sent
    EXPECT_EQ(books.sent.size(), 1U);

    books.qrzLoads = false;
    EXPECT_EQ(AskCallbook(books, CallbookSource::Qrz, "d", "W1AW"), std::nullopt);
    EXPECT_EQ(AskCallbook(books, CallbookSource::Qrz, "d", "K1A"), std::nullopt);
}

}  // namespace
}  // namespace tallyhawk
