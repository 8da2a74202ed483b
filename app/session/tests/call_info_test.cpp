// The call information panel when the call field is left: the country table, a callbook's answer with
// its call and state, "NOT FOUND", and the country table again while a library is missing.
#include "callsign/callbook_result.h"
#include "tests/support/fake_callbooks.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

class CallInfoTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyTestData("scoring_dxcc", "dxcc");
        Configure({{"Callsign", "UA3ABC"},
                   {"Contest", "CQ"},
                   {"Band", "20"},
                   {"Mode", "CW"},
                   {"Continent", "EU"},
                   {"Date", "2024-11-30"}});
        m_books.qrzAnswers["W1AW"] = "Hiram Percy Maxim, W1AW\r\n225 Main Street\r\nNewington, CT 06111";
        m_books.racAnswers["w1aw"] = testing::RacAnswer(
            "<01>W1AW<02>Hiram Percy Maxim, 225 Main Street<03><06>CT<07><0D>Hartford<0E>");
    }

    LoggerSession StartedWith(std::string_view callbook, std::string_view contest = "CQ") {
        m_store.WriteString(kSettingsGroup, "CDROM", callbook);
        m_store.WriteString(kSettingsGroup, "Contest", contest);
        LoggerSession session = Started();
        session.SetCallbookLibraries(&m_books);
        return session;
    }

    static Effects Leave(LoggerSession& session, std::string_view call) {
        (void)session.CallChanged(call);
        return session.LeaveCallField();
    }

    static const CallInfoRows kW1aw;
    testing::FakeCallbooks m_books;
};

const CallInfoRows CallInfoTest::kW1aw = {
    {{"DXCC:", "United States"}, {"WPX:", "W1"}, {"CQ:", "05"}, {"WAC:", "NA"}}};

TEST_F(CallInfoTest, NoCallbookShowsTheCountryTableAsTyped) {
    LoggerSession session = StartedWith("none");
    EXPECT_TRUE(Leave(session, "W1AW").notes.empty());
    EXPECT_EQ(session.CurrentScreen().callInfo, kW1aw);
    EXPECT_EQ(session.CurrentScreen().callLabel, "");

    // The configuration dialog's "cdrom:none" arrives cut to "non": still the country table.
    LoggerSession switched = StartedWith("qrz");
    switched.ApplySettingsMessage("settings: disk:D trxid:0 cdrom:none \n");
    (void)Leave(switched, "W1AW/4");  // as typed: the WPX prefix of the portable call
    EXPECT_EQ(switched.CurrentScreen().callInfo[1].value, "W4");
    EXPECT_TRUE(m_books.sent.empty());
}

TEST_F(CallInfoTest, CallbookAnswerFillsThePanelTheCallLabelAndTheState) {
    struct Case {
        std::string_view callbook, contest, typed;
        CallInfoRows rows;
        std::string exchange;
    };
    const CallInfoRows qrzRows = {{{"Name:", "Hiram Percy Maxim"},
                                   {"QTH:", "225 Main Street"},
                                   {"QTH:", "Newington"},
                                   {"DXCC:", "CT 06111"}}};
    const CallInfoRows racRows = {{{"Name:", "Hiram Percy Maxim"},
                                   {"QTH:", "225 Main Street"},
                                   {"DXCC:", ""},
                                   {"State:", "Hartford CT"}}};
    const Case cases[] = {
        {"qrz", "A10", "W1AW", qrzRows, "CT"},
        {"rac", "ARR", "W1AW/4", racRows, "CT"},
        {"qrz", "CQ", "W1AW", qrzRows, "05"},  // CQ WW takes the zone the multiplier status filled in
        {"rac", "A10", "K1XYZ", NotFoundRows(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.callbook) + " " + std::string(c.contest) + " " + std::string(c.typed));
        LoggerSession session = StartedWith(c.callbook, c.contest);
        EXPECT_TRUE(Leave(session, c.typed).notes.empty());
        const Screen& screen = session.CurrentScreen();
        EXPECT_EQ(screen.callInfo, c.rows);
        EXPECT_EQ(screen.callLabel, CallbookCall(c.typed));
        EXPECT_EQ(screen.entry[Field::ExchangeReceived], c.exchange);
    }
    EXPECT_EQ(m_books.sent, (std::vector<std::string>{"W1AW", "d:\\w1aw", "W1AW", "d:\\k1xyz"}));
}

TEST_F(CallInfoTest, AMissingLibraryShowsTheCountryTableAndIsNamedOnce) {
    m_books.racLoads = false;
    m_books.qrzLoads = false;
    LoggerSession session = StartedWith("rac");  // the first-run default callbook
    const Effects first = Leave(session, "W1AW");
    EXPECT_EQ(session.CurrentScreen().callInfo, kW1aw);
    ASSERT_EQ(first.notes.size(), 1U);
    EXPECT_NE(first.notes[0].textEnglish.find("Raccd32a"), std::string::npos);
    EXPECT_NE(first.notes[0].textRussian.find("Raccd32a"), std::string::npos);
    EXPECT_TRUE(Leave(session, "DL1ABC").notes.empty());
    EXPECT_EQ(session.CurrentScreen().callInfo[0].value, "Fed. Rep. of Germany");
    EXPECT_TRUE(Leave(session, "K1A").notes.empty());  // not sent, yet the country table shows it
    EXPECT_EQ(session.CurrentScreen().callInfo[0].value, "United States");

    session.ApplySettingsMessage("settings: disk:D trxid:0 cdrom:qrz \n");
    const Effects qrz = Leave(session, "W1AW");
    ASSERT_EQ(qrz.notes.size(), 1U);
    EXPECT_NE(qrz.notes[0].textEnglish.find("qrz32"), std::string::npos);

    // A front end without libraries: the same.
    LoggerSession bare = Started();
    EXPECT_EQ(Leave(bare, "W1AW").notes.size(), 1U);
    EXPECT_EQ(bare.CurrentScreen().callInfo, kW1aw);
}

}  // namespace
}  // namespace tallyhawk
