#include "log/qso_line.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

class LoggerSessionTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        m_clock = [] {
            ClockReading now;
            now.year = 2002, now.month = 2, now.day = 16;
            return now;
        };
        Configure(
            {{"Callsign", "UA1AAA"}, {"Contest", "CQ"}, {"Band", "40"}, {"Mode", "CW"}, {"CQZone", "14"}});
    }

    std::string LastLogLine() const {
        const std::string text = Read("UA1AAA.cbr");
        const std::size_t start = text.rfind("\r\n", text.size() - 3);
        return start == std::string::npos ? "" : text.substr(start + 2, text.size() - start - 4);
    }
};

TEST_F(LoggerSessionTest, CompleteRowLogsOneContactAndKeepsTheSetupFields) {
    LoggerSession session = Started();
    const Effects effects = Save(session, "DL1AB", "15", "14", "12:34");
    EXPECT_TRUE(effects.sounds.empty());
    EXPECT_TRUE(effects.messages.empty());
    EXPECT_EQ(LastLogLine(),
              "QSO:  7000 CW 2002-02-16 1234 UA1AAA        599 14     DL1AB         599 15     0");
    const Screen& screen = session.CurrentScreen();
    EXPECT_EQ(screen.focus, Field::Call);
    EXPECT_EQ(screen.entry[Field::Call], "");
    EXPECT_EQ(screen.entry[Field::ExchangeReceived], "");
    EXPECT_EQ(screen.entry[Field::ExchangeSent], "14");  // the own zone again; only WPX clears the field
    EXPECT_EQ(screen.entry[Field::Time], "12:34");
    EXPECT_EQ(screen.entry[Field::Band], "40");
    EXPECT_EQ(session.QsoCounters().Count(Band::M40), 1);
}

TEST_F(LoggerSessionTest, IncompleteRowsMoveTheFocusAndPlayTheWarning) {
    LoggerSession session = Started();
    session.SetFocus(Field::Time);
    Effects effects = Save(session, "", "15", "14", "12:34");
    EXPECT_EQ(effects.sounds, std::vector<Sound>{Sound::IncompleteRow});
    EXPECT_EQ(session.CurrentScreen().focus, Field::Call);

    (void)Save(session, "DL1AB", "", "", "12:34");
    EXPECT_EQ(session.CurrentScreen().focus, Field::ExchangeReceived);  // the later rule wins

    session.SetFocus(Field::ExchangeSent);
    effects = Save(session, "DL1AB", "15", "14", "");
    EXPECT_EQ(effects.sounds, std::vector<Sound>{Sound::IncompleteRow});
    EXPECT_EQ(session.CurrentScreen().focus, Field::ExchangeSent);  // an empty time alone moves nothing
    EXPECT_FALSE(effects.dialog.has_value());

    session.SetFieldText(Field::Time, "12:34");
    session.SetFieldText(Field::Band, "");
    effects = session.SaveContact();
    EXPECT_EQ(effects.dialog, Dialog::Configuration);
    EXPECT_FALSE(std::filesystem::exists(PathOf("UA1AAA.cbr")));
    EXPECT_EQ(session.QsoCounters().Total(), 0);
}

TEST_F(LoggerSessionTest, RealTimeModeFillsTheTimeFieldFromTheShiftedClock) {
    m_store.WriteString(kSettingsGroup, "TimeShift", "-90");
    m_store.WriteInt(kSettingsGroup, "RealTimeMode", 1);
    m_clock = [] {
        ClockReading now;
        now.hour = 1;
        now.minute = 15;
        return now;
    };
    LoggerSession session = Started();
    session.EnterTimeField();
    EXPECT_EQ(session.CurrentScreen().entry[Field::Time], "23:45");
    EXPECT_EQ(session.CurrentScreen().focus, Field::Call);  // no call yet
    (void)session.CallChanged("DL1AB");
    session.EnterTimeField();
    EXPECT_EQ(session.CurrentScreen().focus, Field::ExchangeReceived);  // past the pre-filled zone

    m_store.WriteInt(kSettingsGroup, "RealTimeMode", 0);
    LoggerSession typed = Started();
    typed.SetFieldText(Field::Time, "12:3");
    typed.EnterTimeField();
    EXPECT_EQ(typed.CurrentScreen().entry[Field::Time], "12:3");
    EXPECT_EQ(typed.CurrentScreen().focus, Field::Time);
}

TEST_F(LoggerSessionTest, ShortTimeIsRepairedAndAnUnknownBandIsLoggedButCountsNowhere) {
    LoggerSession session = Started();
    (void)Save(session, "DL1AB", "15", "14", "9:3");
    EXPECT_EQ(LastLogLine().size(), 81u);
    EXPECT_EQ(Cut(LastLogLine(), qso_columns::kTime), "0000");
    session.SetFieldText(Field::Band, "6");
    (void)Save(session, "DL2AB", "15", "14", "12:34");
    EXPECT_EQ(Cut(LastLogLine(), qso_columns::kFrequency), "***** ");
    EXPECT_EQ(session.QsoCounters().Total(), 1);
}

TEST_F(LoggerSessionTest, UnwritableLogKeepsTheRowAndNamesTheFile) {
    LoggerSession session = Started();
    std::filesystem::create_directory(PathOf("UA1AAA.cbr"));  // a folder where the log should be
    const Effects effects = Save(session, "DL1AB", "15", "14", "12:34");
    ASSERT_EQ(effects.messages.size(), 1u);
    EXPECT_NE(effects.messages[0].textEnglish.find("UA1AAA.cbr"), std::string::npos);
    EXPECT_EQ(session.CurrentScreen().entry[Field::Call], "DL1AB");
    EXPECT_EQ(session.CurrentScreen().entry[Field::ExchangeReceived], "15");
    EXPECT_EQ(session.QsoCounters().Total(), 0);
}

TEST_F(LoggerSessionTest, PortableOwnCallKeepsItsFilesBesideTheOthers) {
    Configure({{"Callsign", "UA9XXX/P"}, {"Contest", "WPX"}});
    LoggerSession session = Started();
    EXPECT_TRUE(Save(session, "DL1AB", "15", "1", "12:34").messages.empty());
    EXPECT_NE(Read("UA9XXX_P.cbr").find("\r\nCALLSIGN: UA9XXX/P\r\n"), std::string::npos);
    for (const char* file : {"database/UA9XXX_P.idx", "statistics/UA9XXX_P.sf", "statistics/UA9XXX_P.wpx"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(PathOf(file))) << file;
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("UA9XXX")));
    LoggerSession restarted = Started();
    EXPECT_EQ(restarted.ReloadContestLog().status, ReloadStatus::Reloaded);
    EXPECT_EQ(restarted.QsoCounters().Total(), 1);
    EXPECT_EQ(restarted.CurrentScreen().logView[0].cells[kLogCallColumn], "DL1AB");
}

}  // namespace
}  // namespace tallyhawk
