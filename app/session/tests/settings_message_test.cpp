#include "app/session/exchange_rules.h"
#include "app/session/logger_session.h"
#include "app/session/settings_message.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

TEST(SettingsMessageParse, ContestDialogMessage) {
    const auto message = ParseSettingsMessage("settings:  cont:CQ band:20 mode:Phone date:2002-11-30");
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->contest, "CQ");
    EXPECT_EQ(message->band, "20");
    EXPECT_EQ(message->mode, "PH");
    EXPECT_EQ(message->date, "2002-11-30");
    EXPECT_FALSE(message->onTop);
    EXPECT_FALSE(message->hideToTray);
    EXPECT_FALSE(message->realTimeMode);
    EXPECT_FALSE(message->callbookType.has_value());
}

TEST(SettingsMessageParse, ValuesAreCutToTheirWidths) {
    const auto message = ParseSettingsMessage("settings: current:yes cont:RUSSIAN band:160 mode:RTTY mode:x");
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->realTimeMode);
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

TEST(ExchangeRules, LettersOnlyWhereTheExchangeHasThem) {
    for (const char* code : {"A10", "ARR", "UBD", "REF", "PAC", "SP", "OKM", "RS7", "RS2", "RUS", "UKR", "IAR"}) {
        EXPECT_TRUE(ExchangeAllowsLetters(code)) << code;
    }
    for (const char* code : {"WPX", "CQ", "AAD", "JA", "LZ", "CQM", "OCE", "SAC", ""}) {
        EXPECT_FALSE(ExchangeAllowsLetters(code)) << code;
    }
}

using SettingsMessageSession = testing::ProgramFolderFixture;

TEST_F(SettingsMessageSession, MessageChangesTheEntryRowAndClearsAbsentFlags) {
    MemorySettingsBackend store;
    ClockReading now;
    (void)LoadSettings(store, now);
    store.WriteInt(kSettingsGroup, "SetWindowOnTop", 1);
    LoggerSession session(ProgramFolder(Folder()), store, [now] { return now; });
    (void)session.Start();
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
