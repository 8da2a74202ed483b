// Start-up loads the call-sign data: prefix lists, oblast names for RUSSIAN DX, the own-country prefix.
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

class SessionCallsignTest : public testing::SessionFixture {
protected:
    LoggerSession Started(std::string_view callsign, std::string_view contest) {
        Configure({{"Callsign", std::string(callsign)}, {"Contest", std::string(contest)}});
        return SessionFixture::Started();
    }
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
    Configure({{"Callsign", "DL1ABC"}, {"Contest", "CQ"}});
    LoggerSession session(ProgramFolder(Folder()), m_store, m_clock);
    const Effects effects = session.Start();
    ASSERT_EQ(effects.messages.size(), 1u);
    EXPECT_EQ(MessageText(effects.messages.front(), false), MessageText(MissingDxccMessage(), false));
    EXPECT_EQ(session.OwnCountryPrefix(), "");
    EXPECT_TRUE(session.Countries().LookupCountry("DL1ABC").Empty());
}

}  // namespace
}  // namespace tallyhawk
