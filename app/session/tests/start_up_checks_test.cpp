#include "app/session/start_up_checks.h"

#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

TEST(DisplayCheck, FewerThanSixteenColourBitsCloseTheProgram) {
    const std::pair<int, bool> depths[] = {{1, true}, {8, true}, {15, true}, {16, false}, {24, false}, {32, false}};
    for (const auto& [bits, refused] : depths) {
        SCOPED_TRACE(bits);
        const auto message = DisplayColorDepthMessage(bits);
        ASSERT_EQ(message.has_value(), refused);
        if (!message) continue;
        EXPECT_EQ(message->titleEnglish, "ERROR: COLORS LESS THEN 16 BIT");
        EXPECT_EQ(message->textRussian, message->textEnglish);  // English only
    }
}

TEST(StationCall, ShortCallsAndTheDefaultAreMissing) {
    struct Case {
        std::string_view call;
        bool unusable, missing;
    };
    const Case cases[] = {{"", true, true},         {"AB", true, true},          {" AB ", true, true},
                          {"UNKNOWN", false, true}, {"DL1ABC", false, false}, {"K1A", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(StationCallUnusable(c.call), c.unusable);
        EXPECT_EQ(StationCallMissing(c.call), c.missing);
    }
}

class FirstStartTest : public testing::SessionFixture {};

// A first start reads nothing back: the call stays empty until the personal dialog stores one.
TEST_F(FirstStartTest, NothingIsLoggedUntilThePersonalDialogSetsTheCall) {
    LoggerSession session(ProgramFolder(Folder()), m_store, m_clock);
    (void)session.Start();
    EXPECT_TRUE(session.StationCallMissing());
    session.SetFieldText(Field::Band, "20");
    session.SetFieldText(Field::Mode, "CW");
    session.SetFieldText(Field::Date, "2002-02-16");
    const Effects refused = Save(session, "DL1AB", "5", "1");
    EXPECT_EQ(refused.dialog, std::optional<Dialog>(Dialog::Personal));
    EXPECT_EQ(refused.sounds, std::vector<Sound>{Sound::IncompleteRow});
    EXPECT_TRUE(FilesOf({"."}).empty());
    EXPECT_EQ(session.CurrentScreen().entry[Field::Call], "DL1AB");  // the row stays for another try

    m_store.WriteString(kSettingsGroup, "Callsign", "UA1AAA");
    ASSERT_TRUE(session.PersonalDialogClosed().has_value());
    EXPECT_FALSE(session.StationCallMissing());
    EXPECT_TRUE(Save(session, "DL1AB", "5", "1").sounds.empty());
    EXPECT_TRUE(std::filesystem::exists(PathOf("UA1AAA.cbr")));

    // A call changed once the station is set takes effect at the next start.
    m_store.WriteString(kSettingsGroup, "Callsign", "UA1BBB");
    EXPECT_FALSE(session.PersonalDialogClosed().has_value());
    EXPECT_EQ(session.Station().callsign, "UA1AAA");
}

TEST_F(FirstStartTest, TheDefaultCallAsksForThePersonalDialogButStillLogs) {
    Configure({{"Callsign", "UNKNOWN"}, {"Contest", "WPX"}, {"Band", "20"}, {"Mode", "CW"}});
    LoggerSession session = Started();
    EXPECT_TRUE(session.StationCallMissing());
    EXPECT_TRUE(Save(session, "DL1AB", "5", "1").sounds.empty());
    EXPECT_TRUE(std::filesystem::exists(PathOf("UNKNOWN.cbr")));
}

}  // namespace
}  // namespace tallyhawk
