// Start-up loads the call-sign data: prefix lists, oblast names for RUSSIAN DX, the own-country prefix.
#include "app/session/logger_session.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

class SessionCallsignTest : public testing::ProgramFolderFixture {
protected:
    LoggerSession Started(std::string_view callsign, std::string_view contest, Effects* effects = nullptr) {
        (void)LoadSettings(m_store, ClockReading{});
        m_store.WriteString(kSettingsGroup, "Callsign", std::string(callsign));
        m_store.WriteString(kSettingsGroup, "Contest", std::string(contest));
        LoggerSession session(ProgramFolder(Folder()), m_store);
        const Effects started = session.Start();
        if (effects) *effects = started;
        return session;
    }
    MemorySettingsBackend m_store;
};

TEST_F(SessionCallsignTest, StartComputesTheOwnCountryAndLoadsOblastsForRussianDxOnly) {
    CopyShippedDxcc();
    LoggerSession russian = Started("UA4PAB", "RUS");
    EXPECT_EQ(russian.OwnCountryPrefix(), "RA1");
    EXPECT_EQ(russian.Oblasts().OblastName("4P"), "Tatarstan");
    EXPECT_EQ(russian.Countries().LookupCountry("JA1ABC").PrincipalPrefix(), "JA");

    LoggerSession cqm = Started("UA4PAB", "CQM");
    EXPECT_EQ(cqm.OwnCountryPrefix(), "RA4P");
    EXPECT_TRUE(cqm.Oblasts().Empty());
}

TEST_F(SessionCallsignTest, WithoutCountryFilesStartWarnsAndGoesOnWithEmptyRecords) {
    std::filesystem::remove_all(PathOf("dxcc"));
    Effects effects;
    LoggerSession session = Started("DL1ABC", "CQ", &effects);
    ASSERT_EQ(effects.messages.size(), 1u);
    EXPECT_EQ(MessageText(effects.messages.front(), false), MessageText(MissingDxccMessage(), false));
    EXPECT_EQ(session.OwnCountryPrefix(), "");
    EXPECT_TRUE(session.Countries().LookupCountry("DL1ABC").Empty());
}

}  // namespace
}  // namespace tallyhawk
