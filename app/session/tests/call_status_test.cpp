// Leaving the call field: the multiplier status in the status line, the zone filled in, and the call
// information panel once per typed call.
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

class CallStatusTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyTestData("scoring_dxcc", "dxcc");
        Configure({{"Callsign", "UA3ABC"}, {"Contest", "CQ"}, {"Band", "20"}, {"Mode", "CW"},
                   {"Continent", "EU"}, {"Date", "2024-11-30"}, {"CDROM", "none"}});
    }

    static void Type(LoggerSession& session, std::string_view call) {
        session.SetFieldText(Field::Call, "");
        for (char key : call) (void)session.CallChanged(session.CurrentScreen().entry[Field::Call] + key);
    }

    static CallInfoRows Info(std::string country, std::string wpx, std::string zone, std::string continent) {
        return {{{"DXCC:", std::move(country)}, {"WPX:", std::move(wpx)}, {"CQ:", std::move(zone)},
                 {"WAC:", std::move(continent)}}};
    }

};

TEST_F(CallStatusTest, StatusZoneAndInformationOfTheTypedCall) {
    LoggerSession session = Started();
    ASSERT_TRUE(Save(session, "DL1ABC", "14", "16").messages.empty());
    const Screen& screen = session.CurrentScreen();

    Type(session, "W1AW");
    (void)session.LeaveCallField();
    EXPECT_EQ(screen.status.text, "United States - NEW COUNTRY");
    EXPECT_EQ(screen.entry[Field::ExchangeReceived], "05");
    EXPECT_EQ(screen.callInfo, Info("United States", "W1", "05", "NA"));
    EXPECT_TRUE(session.CallInfoShown());

    Type(session, "DL1ABC");  // a duplicate: the alarm first, then the status in the information colour
    EXPECT_EQ(screen.status.font, StatusFont::Alarm);
    (void)session.LeaveCallField();
    EXPECT_EQ(screen.status.text, "Fed. Rep. of Germany - WORKED COUNTRY");
    EXPECT_EQ(screen.status.color, "InfoColor");
    EXPECT_EQ(screen.status.font, StatusFont::Info);
    EXPECT_EQ(screen.callInfo, Info("Fed. Rep. of Germany", "DL1", "14", "EU"));

    // Leaving again without a change fills the panel no more, while the status follows the files.
    Write("statistics/20m.x", "");
    Write("dxcc/cty.dat", "");
    (void)session.LeaveCallField();
    EXPECT_EQ(screen.status.text, "UNKNOWN COUNTRY");
    EXPECT_EQ(screen.callInfo, Info("Fed. Rep. of Germany", "DL1", "14", "EU"));
    Type(session, "DL1ABC");
    (void)session.LeaveCallField();
    EXPECT_EQ(screen.callInfo, Info("", "", "", ""));
}

TEST_F(CallStatusTest, NothingForShortCallsAndNoZoneOutsideJapan) {
    LoggerSession session = Started();
    Type(session, "W1");
    (void)session.LeaveCallField();
    EXPECT_EQ(session.CurrentScreen().entry[Field::ExchangeReceived], "");
    EXPECT_FALSE(session.CallInfoShown());

    m_store.WriteString(kSettingsGroup, "Contest", "JA");
    m_store.WriteString(kSettingsGroup, "CDROM", "rac");
    LoggerSession japan = Started();
    Type(japan, "JA1ABC");
    (void)japan.LeaveCallField();
    EXPECT_EQ(japan.CurrentScreen().entry[Field::ExchangeReceived], "");
    EXPECT_EQ(japan.CurrentScreen().status.text, "");
    EXPECT_EQ(japan.CurrentScreen().callInfo, Info("Japan", "JA1", "25", "AS"));  // no callbook library here
    EXPECT_TRUE(japan.CallInfoShown());
}

}  // namespace
}  // namespace tallyhawk
