#include "database/contest_index.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

class ReloadTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyTestData("scoring_dxcc", "dxcc");
        Configure({{"Callsign", "UA1AAA"}, {"Contest", "CQ"}, {"Band", "20"}, {"Mode", "CW"},
                   {"Date", "2002-02-16"}});
    }
    static void Save(LoggerSession& session, std::string_view call, std::string_view band) {
        session.SetFieldText(Field::Band, band);
        ASSERT_TRUE(SessionFixture::Save(session, call, "15", "14").sounds.empty());
    }
};

TEST_F(ReloadTest, RebuildsTheIndexAndCountersFromTheLog) {
    LoggerSession session = Started();
    for (const char* call : {"DL1AB", "OK1XX", "G3ABC"}) Save(session, call, "20");
    Save(session, "JA1ZZ", "40");
    const std::string indexBefore = Read("database/UA1AAA.idx") + Read("database/UA1AAA.bdx");
    Write("statistics/stale.x", "junk");
    Write("database/Edit.bak", "junk");
    Write("database/UA1AAA.idx", "garbage");

    LoggerSession restarted = Started();
    std::vector<int> progress;
    const ReloadResult result = restarted.ReloadContestLog([&](int percent) { progress.push_back(percent); });
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(Read("database/UA1AAA.idx") + Read("database/UA1AAA.bdx"), indexBefore);
    EXPECT_FALSE(std::filesystem::exists(PathOf("statistics/stale.x")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("database/Edit.bak")));
    EXPECT_EQ(restarted.QsoCounters().Count(Band::M20), 3);
    EXPECT_EQ(restarted.QsoCounters().Count(Band::M40), 1);
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(ReloadTest, InvalidLogIsNamedAndNothingIsDeleted) {
    LoggerSession session = Started();
    Save(session, "DL1AB", "20");
    Write("UA1AAA.cbr", Read("UA1AAA.cbr") + "ADDRESS: " + std::string(70, 'X') + "\r\n");
    Write("statistics/keep.x", "kept");
    const ReloadResult result = session.ReloadContestLog();
    EXPECT_EQ(result.status, ReloadStatus::InvalidLine);
    EXPECT_EQ(result.badLine, 16u);  // 14 header lines, one contact, then the long line
    ASSERT_EQ(result.messages.size(), 1u);
    const Message& message = result.messages[0];
    EXPECT_EQ(MessageTitle(message, false), "WARNING!");
    EXPECT_EQ(MessageText(message, false),
              "Error occurs when loading UA1AAA.cbr.\nSome entries are not correct Cabrillo ARRL format.\n"
              "Please see ARRL templates (https://www.arrl.org/cabrillo-format-tools).");
    EXPECT_EQ(MessageTitle(message, true), "ОШИБКА:");
    EXPECT_EQ(MessageText(message, true),
              "Ошибка при загрузке UA1AAA.cbr.\nНекоторые строки не соответствуют ARRL Cabrillo формату.\n"
              "Проверьте правильность формата в любом текстовом редакторе.\n"
              "Для информации обращайтесь на сайт ARRL (https://www.arrl.org/cabrillo-format-tools).");
    EXPECT_EQ(Read("statistics/keep.x"), "kept");
    EXPECT_EQ(ContestIndexCount(ContestIndexFilesFor(ProgramFolder(Folder()), "UA1AAA")), 1u);
}

TEST_F(ReloadTest, MissingLogSaysItIsNotCreatedYetInTheChosenLanguage) {
    m_store.WriteInt(kSettingsGroup, "Language", 1);
    LoggerSession session = Started();
    const ReloadResult result = session.ReloadContestLog();
    EXPECT_EQ(result.status, ReloadStatus::NoLogFile);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(MessageText(result.messages[0], false),
              "Cabrillo file UA1AAA.cbr not created yet for reloading\n");
    const Effects& effects = result;
    EXPECT_EQ(MessageTitle(effects.messages[0], true), "ОШИБКА:");
    EXPECT_EQ(MessageText(effects.messages[0], true), "Cabrillo файл UA1AAA.cbr еще не создан, введите первое QSO.\n");
}

TEST_F(ReloadTest, EmptyLogPassesAndLeavesEverythingAtZero) {
    LoggerSession session = Started();
    Save(session, "DL1AB", "20");
    Write("UA1AAA.cbr", "");
    const ReloadResult result = session.ReloadContestLog();
    EXPECT_EQ(result.status, ReloadStatus::Reloaded);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(Read("database/UA1AAA.idx"), "");  // the log view's refresh leaves an empty index
    EXPECT_FALSE(std::filesystem::exists(PathOf("statistics/20m.x")));
    EXPECT_EQ(session.QsoCounters().Total(), 0);
    EXPECT_EQ(session.PointCounters().Total(), 0);
    EXPECT_EQ(Read("statistics/UA1AAA.sf"),
              "10mQSO: 0/0\r\n15mQSO: 0/0\r\n20mQSO: 0/0\r\n40mQSO: 0/0\r\n80mQSO: 0/0\r\n160mQSO: 0/0\r\n");
}

// A closing line after the contacts still gets its flush, and a band key the log should not hold is
// indexed but counted in no band.
TEST_F(ReloadTest, ClosingLinesAndOddBandKeys) {
    LoggerSession session = Started();
    Save(session, "DL1AB", "20");
    Save(session, "W1AW", "20");
    std::string log = Read("UA1AAA.cbr");
    const std::size_t last = log.rfind("QSO: ");
    log.replace(last + 5, 2, "50");
    Write("UA1AAA.cbr", log + "END-OF-LOG:\r\n");
    Write("statistics/20m.x", "stale");
    const ReloadResult result = session.ReloadContestLog();
    EXPECT_EQ(result.status, ReloadStatus::Reloaded);
    EXPECT_EQ(Read("statistics/20m.x"), " DL   ");
    EXPECT_EQ(ContestIndexCount(ContestIndexFilesFor(ProgramFolder(Folder()), "UA1AAA")), 2u);
    EXPECT_EQ(session.QsoCounters().Total(), 1);
    // 3 points (no own continent is set), one country, one zone.
    EXPECT_EQ(session.CurrentScreen().scoreLabel, "6");
}

}  // namespace
}  // namespace tallyhawk
