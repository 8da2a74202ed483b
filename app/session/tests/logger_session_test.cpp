#include "app/session/logger_session.h"
#include "log/contest_log_writer.h"
#include "log/qso_line.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

ClockReading FixedClock() {
    ClockReading now;
    now.year = 2002;
    now.month = 2;
    now.day = 16;
    return now;
}

class LoggerSessionTest : public testing::ProgramFolderFixture {
protected:
    void SetUp() override {
        ProgramFolderFixture::SetUp();
        (void)LoadSettings(m_store, FixedClock());  // past the first run
        m_store.WriteString(kSettingsGroup, "Callsign", "UA1AAA");
        m_store.WriteString(kSettingsGroup, "Contest", "CQ");
        m_store.WriteString(kSettingsGroup, "Band", "40");
        m_store.WriteString(kSettingsGroup, "Mode", "CW");
        m_store.WriteString(kSettingsGroup, "CQZone", "14");
    }

    LoggerSession Started() {
        LoggerSession session(ProgramFolder(Folder()), m_store, FixedClock);
        (void)session.Start();
        return session;
    }

    static void Type(LoggerSession& session, std::string_view call, std::string_view time, std::string_view sent,
                     std::string_view received) {
        session.SetFieldText(Field::Call, call);
        session.SetFieldText(Field::Time, time);
        session.SetFieldText(Field::ExchangeSent, sent);
        session.SetFieldText(Field::ExchangeReceived, received);
    }

    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        std::string text = Read("UA1AAA.cbr");
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    MemorySettingsBackend m_store;
};

TEST_F(LoggerSessionTest, CompleteRowLogsOneContactAndKeepsTheSetupFields) {
    LoggerSession session = Started();
    Type(session, "DL1AB", "12:34", "14", "15");
    const Effects effects = session.SaveContact();
    EXPECT_TRUE(effects.sounds.empty());
    EXPECT_TRUE(effects.messages.empty());
    const auto lines = LogLines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.back(), "QSO:  7000 CW 2002-02-16 1234 UA1AAA        599 14     DL1AB         599 15     0");
    const Screen& screen = session.CurrentScreen();
    EXPECT_EQ(screen.focus, Field::Call);
    EXPECT_EQ(screen.entry[Field::Call], "");
    EXPECT_EQ(screen.entry[Field::ExchangeReceived], "");
    EXPECT_EQ(screen.entry[Field::ExchangeSent], "14");  // the own zone again; only WPX clears the field
    EXPECT_EQ(screen.entry[Field::Date], "2002-02-16");
    EXPECT_EQ(screen.entry[Field::Time], "12:34");
    EXPECT_EQ(screen.entry[Field::Band], "40");
    EXPECT_EQ(screen.entry[Field::Mode], "CW");
    EXPECT_EQ(session.QsoCounters().Count(Band::M40), 1);
}

TEST_F(LoggerSessionTest, WpxClearsTheSentSerialAfterASave) {
    m_store.WriteString(kSettingsGroup, "Contest", "WPX");
    LoggerSession session = Started();
    Type(session, "DL1AB", "12:34", "1", "7");
    (void)session.SaveContact();
    EXPECT_EQ(session.CurrentScreen().entry[Field::ExchangeSent], "");
}

TEST_F(LoggerSessionTest, IncompleteRowsMoveTheFocusAndPlayTheWarning) {
    LoggerSession session = Started();
    Type(session, "", "12:34", "14", "15");
    session.SetFocus(Field::Time);
    Effects effects = session.SaveContact();
    EXPECT_EQ(effects.sounds, std::vector<Sound>{Sound::IncompleteRow});
    EXPECT_EQ(session.CurrentScreen().focus, Field::Call);

    Type(session, "DL1AB", "12:34", "", "");
    (void)session.SaveContact();
    EXPECT_EQ(session.CurrentScreen().focus, Field::ExchangeReceived);  // the later rule wins

    Type(session, "DL1AB", "", "14", "15");
    session.SetFocus(Field::ExchangeSent);
    effects = session.SaveContact();
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
    LoggerSession session(ProgramFolder(Folder()), m_store, [] {
        ClockReading now = FixedClock();
        now.hour = 1;
        now.minute = 15;
        return now;
    });
    (void)session.Start();
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

TEST_F(LoggerSessionTest, ShortTimeIsRepairedBeforeTheContactIsBuilt) {
    LoggerSession session = Started();
    Type(session, "DL1AB", "9:3", "14", "15");
    (void)session.SaveContact();
    const auto lines = LogLines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.back().size(), 81u);
    EXPECT_EQ(Cut(lines.back(), qso_columns::kTime), "0000");
}

TEST_F(LoggerSessionTest, UnknownBandIsLoggedButCountsNowhere) {
    LoggerSession session = Started();
    session.SetFieldText(Field::Band, "6");
    Type(session, "DL1AB", "12:34", "14", "15");
    (void)session.SaveContact();
    EXPECT_EQ(Cut(LogLines().back(), qso_columns::kFrequency), "***** ");
    EXPECT_EQ(session.QsoCounters().Total(), 0);
}

TEST_F(LoggerSessionTest, UnwritableLogKeepsTheRowAndNamesTheFile) {
    LoggerSession session = Started();
    Type(session, "DL1AB", "12:34", "14", "15");
    std::filesystem::create_directory(PathOf("UA1AAA.cbr"));  // a folder where the log should be
    const Effects effects = session.SaveContact();
    ASSERT_EQ(effects.messages.size(), 1u);
    EXPECT_NE(effects.messages[0].textEnglish.find("UA1AAA.cbr"), std::string::npos);
    EXPECT_EQ(session.CurrentScreen().entry[Field::Call], "DL1AB");
    EXPECT_EQ(session.CurrentScreen().entry[Field::ExchangeReceived], "15");
    EXPECT_EQ(session.QsoCounters().Total(), 0);
}

TEST_F(LoggerSessionTest, MissingDxccFolderWarnsAtStart) {
    std::filesystem::remove_all(PathOf("dxcc"));
    LoggerSession session(ProgramFolder(Folder()), m_store, FixedClock);
    const Effects effects = session.Start();
    ASSERT_EQ(effects.messages.size(), 1u);
    EXPECT_EQ(effects.messages[0].textEnglish, "Missing DXCC tables!\nProgram will not work properly.");
}

}  // namespace
}  // namespace tallyhawk
