#include "app/session/logger_session.h"
#include "database/contest_index.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

class ReloadTest : public testing::ProgramFolderFixture {
protected:
    void SetUp() override {
        ProgramFolderFixture::SetUp();
        (void)LoadSettings(m_store, ClockReading{});
        m_store.WriteString(kSettingsGroup, "Callsign", "UA1AAA");
        m_store.WriteString(kSettingsGroup, "Contest", "CQ");
        m_store.WriteString(kSettingsGroup, "Band", "20");
        m_store.WriteString(kSettingsGroup, "Mode", "CW");
        m_store.WriteString(kSettingsGroup, "Date", "2002-02-16");
    }
    LoggerSession Started() {
        LoggerSession session(ProgramFolder(Folder()), m_store, [] { return ClockReading{}; });
        (void)session.Start();
        return session;
    }
    void Save(LoggerSession& session, std::string_view call, std::string_view band) {
        session.SetFieldText(Field::Band, band);
        session.SetFieldText(Field::Call, call);
        session.SetFieldText(Field::Time, "12:00");
        session.SetFieldText(Field::ExchangeSent, "14");
        session.SetFieldText(Field::ExchangeReceived, "15");
        ASSERT_TRUE(session.SaveContact().sounds.empty());
    }
    MemorySettingsBackend m_store;
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
    const Effects effects = restarted.ReloadContestLog([&](int percent) { progress.push_back(percent); });
    EXPECT_TRUE(effects.messages.empty());
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
    const Effects effects = session.ReloadContestLog();
    ASSERT_EQ(effects.messages.size(), 1u);
    EXPECT_EQ(effects.messages[0].titleEnglish, "WARNING!");
    EXPECT_EQ(effects.messages[0].textEnglish.rfind("Error occurs when loading UA1AAA.cbr.\n", 0), 0u);
    EXPECT_EQ(Read("statistics/keep.x"), "kept");
    EXPECT_EQ(ContestIndexCount(ContestIndexFilesFor(ProgramFolder(Folder()), "UA1AAA")), 1u);
}

TEST_F(ReloadTest, MissingLogSaysItIsNotCreatedYetInTheChosenLanguage) {
    m_store.WriteInt(kSettingsGroup, "Language", 1);
    LoggerSession session = Started();
    const Effects effects = session.ReloadContestLog();
    ASSERT_EQ(effects.messages.size(), 1u);
    EXPECT_EQ(MessageTitle(effects.messages[0], true), "ОШИБКА:");
    EXPECT_EQ(MessageText(effects.messages[0], true), "Cabrillo файл UA1AAA.cbr еще не создан, введите первое QSO.\n");
}

}  // namespace
}  // namespace tallyhawk
