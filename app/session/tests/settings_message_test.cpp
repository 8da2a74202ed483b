#include "app/session/settings_message.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

TEST(SettingsMessageParse, ValuesAreCutToTheirWidths) {
    const auto message = ParseSettingsMessage("settings: current:yes cont:RUSSIAN band:160 mode:RTTY mode:x");
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->realTimeMode);
    EXPECT_FALSE(message->onTop);
    EXPECT_FALSE(message->callbookType.has_value());
    EXPECT_EQ(message->contest, "RUS");
    EXPECT_EQ(message->band, "160");
    EXPECT_EQ(message->mode, "RY");  // the first occurrence counts
    EXPECT_EQ(ParseSettingsMessage("settings: mode:PSK")->mode, "PS");
    EXPECT_EQ(ParseSettingsMessage("settings: mode:SSB")->mode, "SSB");
    EXPECT_EQ(ParseSettingsMessage("settings: date:2002")->date, "2002");  // cut at the text's end
}

TEST(SettingsMessageParse, WithoutTheTagNothingIsRead) {
    EXPECT_FALSE(ParseSettingsMessage("cont:CQ band:20").has_value());
    EXPECT_FALSE(ParseSettingsMessage("").has_value());
    // Only the first 255 characters are read.
    EXPECT_FALSE(ParseSettingsMessage(std::string(255, ' ') + "settings:").has_value());
    EXPECT_FALSE(ParseSettingsMessage(std::string("x\0settings:", 11)).has_value());
}

TEST(SettingsMessageParse, CallbookDriveDependsOnTheCallbook) {
    const auto rac = ParseSettingsMessage("settings: disk:d trxid:0 cdrom:rac ontop:yes ");
    ASSERT_TRUE(rac.has_value());
    EXPECT_TRUE(rac->onTop);
    EXPECT_EQ(CallbookDrive(*rac->diskLetter, *rac->callbookType), "d:\\");
    const auto qrz = ParseSettingsMessage("settings: disk:D trxid:0 cdrom:qrz \n");
    EXPECT_EQ(CallbookDrive(*qrz->diskLetter, *qrz->callbookType), "d");
    EXPECT_EQ(ParseSettingsMessage("settings: cdrom:none ")->callbookType, "non");
}

using SettingsMessageSession = testing::SessionFixture;

TEST_F(SettingsMessageSession, MessageChangesTheEntryRowAndClearsAbsentFlags) {
    Configure({});
    m_store.WriteInt(kSettingsGroup, "SetWindowOnTop", 1);
    LoggerSession session = Started();
    EXPECT_TRUE(session.Options().onTop);
    EXPECT_TRUE(session.Setup().realTimeMode);
    session.ApplySettingsMessage("settings:  cont:CQ band:20 mode:Phone date:2002-11-30");
    EXPECT_EQ(session.Setup().contest, "CQ");
    EXPECT_EQ(session.CurrentScreen().entry[Field::Band], "20");
    EXPECT_EQ(session.CurrentScreen().entry[Field::Mode], "PH");
    EXPECT_EQ(session.CurrentScreen().entry[Field::Date], "2002-11-30");
    EXPECT_FALSE(session.Options().onTop);
    EXPECT_FALSE(session.Setup().realTimeMode);
    EXPECT_FALSE(session.ExchangeAcceptsLetters());
    session.ApplySettingsMessage("cont:RS7");  // no "settings:": ignored
    EXPECT_EQ(session.Setup().contest, "CQ");
}

}  // namespace
}  // namespace tallyhawk
