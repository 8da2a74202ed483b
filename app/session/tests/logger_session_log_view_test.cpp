#include "database/contest_index.h"
#include "database/logbook_database.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

class LogViewSessionTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        Configure({{"Callsign", "UA1AAA"}, {"Contest", "WPX"}, {"Band", "20"}, {"Mode", "CW"},
                   {"CQZone", "16"}, {"Date", "2002-02-16"}});
    }

    // Contacts straight into the contest index, numbered from 1 in their sent exchange.
    void Index(std::initializer_list<std::pair<std::string_view, std::string_view>> callsAndBands) {
        const auto files = ContestIndexFilesFor(ProgramFolder(Folder()), "UA1AAA");
        for (const auto& [call, band] : callsAndBands) {
            const std::string sent = std::to_string(++m_indexed);
            const std::string summary = "2002-02-16,1200," + std::string(band) + ",CW," + sent + ",5";
            ASSERT_TRUE(AppendContestIndex(files, ContestIndexEntry(call), ContestIndexRecord(summary)));
        }
    }

    void IndexNumbered(int count) {
        for (int i = 0; i < count; ++i) Index({{"DL" + std::to_string(i) + "AB", "20"}});
    }

    static std::vector<std::string> Column(const LoggerSession& session, std::size_t column) {
        std::vector<std::string> texts;
        for (const LogViewRow& row : session.CurrentScreen().logView) texts.push_back(row.cells[column]);
        return texts;
    }

    int m_indexed = 0;
};

TEST_F(LogViewSessionTest, StartShowsTheLastSevenContacts) {
    IndexNumbered(8);
    const LoggerSession session = Started();
    EXPECT_EQ(Column(session, kLogNumberColumn),
              (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8"}));
    const LogViewCells& newest = session.CurrentScreen().logView.back().cells;
    EXPECT_EQ(newest, (LogViewCells{"8", "DL7AB", "2002-02-16", "12:00", "20", "CW", "8", "5"}));
}

TEST_F(LogViewSessionTest, WpxSerialIsFilledWhenTheTimeFieldIsLeft) {
    LoggerSession session = Started();
    EXPECT_EQ(session.CurrentScreen().entry[Field::ExchangeSent], "1");
    EXPECT_EQ(session.CurrentScreen().focus, Field::Call);  // no call yet: the focus stays in Call

    for (std::string_view call : {"DL1AB", "OK1XX"}) {
        (void)session.CallChanged(call);
        session.SetFieldText(Field::Time, "12:34");
        session.LeaveTimeField();
        EXPECT_EQ(session.CurrentScreen().focus, Field::ExchangeReceived);
        session.SetFieldText(Field::ExchangeReceived, "7");
        ASSERT_TRUE(session.SaveContact().sounds.empty());
        EXPECT_EQ(session.CurrentScreen().entry[Field::ExchangeSent], "");
    }
    EXPECT_NE(Read("UA1AAA.cbr").find("1234 UA1AAA        599 2      OK1XX"), std::string::npos);
    (void)session.CallChanged("UA9XX");
    session.LeaveTimeField();
    EXPECT_EQ(session.CurrentScreen().entry[Field::ExchangeSent], "3");
}

TEST_F(LogViewSessionTest, TypingShowsPrefixMatchesAndRaisesTheDuplicateAlarm) {
    Index({{"UA1AA", "20"}, {"W1AW", "20"}, {"UA9XX", "20"}});
    LoggerSession session = Started();
    EXPECT_TRUE(session.CallChanged("U").sounds.empty());
    EXPECT_TRUE(session.CallChanged("Ua").sounds.empty());
    EXPECT_EQ(Column(session, kLogCallColumn),
              (std::vector<std::string>{"UA9XX", "UA1AA", "", "", "", "", ""}));
    EXPECT_EQ(Column(session, kLogNumberColumn), (std::vector<std::string>{"3", "1", "", "", "", "", ""}));

    Effects effects = session.CallChanged("UA1AA");
    EXPECT_EQ(effects.sounds, std::vector<Sound>{Sound::WorkedBefore});
    const Screen& screen = session.CurrentScreen();
    EXPECT_EQ(screen.logView[0].cells[kLogCallColumn], "UA1AA");
    EXPECT_EQ(screen.logView[0].callColor, kGridBackColorWorked);
    EXPECT_EQ(screen.status.text, "WORKED BEFORE");
    EXPECT_EQ(screen.status.color, "AlarmColor");
    EXPECT_EQ(session.ColorValue(screen.logView[0].callColor), Rgb(255, 200, 200));

    session.SetFieldText(Field::Band, "40");
    effects = session.CallChanged("UA1AA");
    EXPECT_TRUE(effects.sounds.empty());
    EXPECT_EQ(screen.logView[0].callColor, kGridBackColorNotWorked);
    EXPECT_EQ(screen.status.text, "");
}

TEST_F(LogViewSessionTest, RejectedCharacterIsRemovedAndEmptyTextKeepsTheAlarm) {
    Index({{"UA1AA", "20"}, {"UA1AA", "20"}});
    LoggerSession session = Started();
    const Effects effects = session.CallChanged("UA1AA.");
    EXPECT_EQ(session.CurrentScreen().entry[Field::Call], "UA1AA");
    EXPECT_EQ(effects.sounds.size(), 2u);  // one alarm per duplicate row
    EXPECT_EQ(session.CurrentCall(), "UA1AA");

    // Emptying the field searches nothing: the rows and the label stay, compared with the last call.
    EXPECT_EQ(session.CallChanged("").sounds.size(), 2u);
    EXPECT_EQ(session.CurrentScreen().status.text, "WORKED BEFORE");
    EXPECT_FALSE(session.CallInfoShown());
}

TEST_F(LogViewSessionTest, RefreshAfterASearchShowsTheLastContactsInTheNormalColour) {
    IndexNumbered(9);
    Index({{"UA1AA", "20"}});
    LoggerSession session = Started();
    (void)session.CallChanged("UA1AA");
    EXPECT_EQ(Column(session, kLogNumberColumn), (std::vector<std::string>{"10", "", "", "", "", "", ""}));
    session.SetFieldText(Field::Time, "25:70");
    session.LeaveTimeField();
    EXPECT_EQ(session.CurrentScreen().entry[Field::Time], "20:00");
    EXPECT_EQ(Column(session, kLogNumberColumn),
              (std::vector<std::string>{"4", "5", "6", "7", "8", "9", "10"}));
    for (const LogViewRow& row : session.CurrentScreen().logView) EXPECT_EQ(row.callColor, kGridBackColor);
    EXPECT_EQ(session.CurrentScreen().entry[Field::ExchangeSent], "11");
}

TEST_F(LogViewSessionTest, ScrollingKeysMoveThroughTheIndex) {
    IndexNumbered(20);
    LoggerSession session = Started();
    const auto firstShown = [&session] {
        return session.CurrentScreen().logView.front().cells[kLogNumberColumn];
    };
    EXPECT_EQ(firstShown(), "14");
    const std::pair<LogViewKey, std::string_view> steps[] = {
        {LogViewKey::Up, "13"}, {LogViewKey::PageUp, "6"}, {LogViewKey::PageDown, "13"},
        {LogViewKey::Home, "1"},
    };
    for (const auto& [key, expected] : steps) {
        session.ScrollLogView(key);
        EXPECT_EQ(firstShown(), expected) << static_cast<int>(key);
    }
    EXPECT_EQ(session.CurrentScreen().logView.back().cells[kLogNumberColumn], "7");
}

TEST_F(LogViewSessionTest, ADoubleClickedRowOpensItsContactAndTheEditorLeavesTheLastContactsShown) {
    IndexNumbered(20);
    LoggerSession session = Started();
    session.ScrollLogView(LogViewKey::Home);
    const auto opened = session.OpenContactEditorAtRow(2);
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->number, "3");
    EXPECT_EQ(opened->call, "DL2AB");
    EXPECT_EQ(session.EditorFields(), opened);  // the transfer file the dialog refills from
    EXPECT_FALSE(session.OpenContactEditorAtRow(7).has_value());

    const ContactEditResult declined = session.DeleteDeclined();
    EXPECT_EQ(declined.outcome, ContactEditOutcome::Done);
    ASSERT_TRUE(declined.advice.has_value());
    EXPECT_EQ(declined.advice->textEnglish, ReloadAdviceMessage().textEnglish);
    session.ContactEditorClosed();
    EXPECT_EQ(session.CurrentScreen().logView.front().cells[kLogNumberColumn], "14");
    EXPECT_EQ(session.CurrentScreen().focus, Field::Call);  // no call typed: the serial takes no focus
}

TEST_F(LogViewSessionTest, ADeletedContactLeavesNoRowBehindAndAnEmptyRowOpensNoEditor) {
    IndexNumbered(3);
    LoggerSession session = Started();
    EXPECT_EQ(session.DeleteContact(1).outcome, ContactEditOutcome::Done);
    EXPECT_EQ(Column(session, kLogCallColumn), (std::vector<std::string>{"DL1AB", "DL2AB", "", "", "", "", ""}));
    EXPECT_EQ(session.OpenContactEditorAtRow(1).value_or(EditTransfer{}).number, "2");
    EXPECT_FALSE(session.OpenContactEditorAtRow(2).has_value());
}

TEST_F(LogViewSessionTest, LeavingTheCallFieldShowsItsLogbookHistory) {
    LoggerSession session = Started();
    const ProgramFolder folder(Folder());
    for (int i = 1; i <= 10; ++i) {
        const std::string day = i < 10 ? "0" + std::to_string(i) : std::to_string(i);
        ASSERT_TRUE(AppendLogbookRecord(folder, "UA1AA", "<QSO_DATE:8>200203" + day + "<BAND:3>20M<EOR>"));
    }
    ASSERT_TRUE(AppendLogbookRecord(folder, "UA1AAA", "<QSO_DATE:8>20040101<EOR>"));

    (void)session.CallChanged("UA");
    (void)session.LeaveCallField();  // two characters look nothing up
    EXPECT_TRUE(session.CurrentScreen().lookupView.empty());

    (void)session.CallChanged("UA1AA");
    (void)session.LeaveCallField();
    const Screen& screen = session.CurrentScreen();
    ASSERT_EQ(screen.lookupView.size(), 10u);
    EXPECT_EQ(screen.lookupView[9], (LookupRow{"2002-03-10", "", "20", "", ""}));
    EXPECT_EQ(screen.callLabel, "UA1AA");
    EXPECT_FALSE(std::filesystem::exists(PathOf("database/LookUp.bdx")));
}

}  // namespace
}  // namespace tallyhawk
