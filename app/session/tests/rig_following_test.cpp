// Following the radio: its frequency and mode become the entry row's band and mode as a settings
// message would set them; the radio's settings; the notes when it goes away and comes back; the side
// file of exact frequencies through save, edit, delete and reload.
#include "app/session/rig_following.h"

#include "app/session/settings_dialogs.h"
#include "log/contact_frequency_file.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

TEST(RigFollowing, FrequenciesFallInTheContestBandsOnly) {
    const std::vector<std::pair<Hertz, std::optional<Band>>> cases = {
        {1'799'999, std::nullopt}, {1'800'000, Band::M160},    {1'999'000, Band::M160},
        {3'500'000, Band::M80},    {3'799'500, Band::M80},     {4'000'001, std::nullopt},
        {7'025'000, Band::M40},    {10'120'000, std::nullopt}, {14'025'000, Band::M20},
        {14'350'000, Band::M20},   {18'100'000, std::nullopt}, {21'300'000, Band::M15},
        {28'500'000, Band::M10},   {29'700'000, Band::M10},    {50'100'000, std::nullopt},
        {0, std::nullopt},
    };
    for (const auto& [hertz, band] : cases) {
        SCOPED_TRACE(hertz);
        EXPECT_EQ(BandOfFrequency(hertz), band);
    }
}

TEST(RigFollowing, RadioModesMapToEntryCodes) {
    const std::vector<std::pair<std::string_view, std::optional<std::string_view>>> cases = {
        {"CW", "CW"},    {"CWR", "CW"},  {"USB", "PH"},         {"LSB", "PH"},      {"AM", "PH"},
        {"FM", "PH"},    {"RTTY", "RY"}, {"RTTYR", "RY"},       {"PKTUSB", "RY"},   {"PKTLSB", "RY"},
        {"PKTFM", "RY"}, {"PSK", "PS"},  {"FAX", std::nullopt}, {"", std::nullopt}, {"usb", std::nullopt},
    };
    for (const auto& [rigMode, code] : cases) {
        SCOPED_TRACE(rigMode);
        EXPECT_EQ(EntryModeOfRigMode(rigMode), code);
    }
}

TEST(RigFollowing, ContestsOnFixedBandsKeepTheirBand) {
    EXPECT_TRUE(ContestKeepsBand("A10", Band::M20));
    EXPECT_FALSE(ContestKeepsBand("A10", Band::M10));
    EXPECT_TRUE(ContestKeepsBand("RS7", Band::M80));
    EXPECT_FALSE(ContestKeepsBand("RS2", Band::M10));
    EXPECT_TRUE(ContestKeepsBand("RS2", Band::M20));
    EXPECT_FALSE(ContestKeepsBand("CQ", Band::M160));
    EXPECT_FALSE(ContestKeepsBand("???", Band::M40));
}

class RigSessionTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyShippedDxcc();
        Configure({{"Callsign", "UA1AAA"},
                   {"Contest", "CQ"},
                   {"Band", "40"},
                   {"Mode", "CW"},
                   {"CQZone", "16"},
                   {"Continent", "EU"},
                   {"Date", "2002-02-16"}});
        m_store.WriteInt(kSettingsGroup, "RealTimeMode", 1);
        m_store.WriteInt(kSettingsGroup, "SetWindowOnTop", 1);
    }

    static const std::string& Entry(const LoggerSession& session, Field field) {
        return session.CurrentScreen().entry[field];
    }

    std::optional<Hertz> FrequencyOf(std::size_t number) const {
        return LoggedContactFrequency(ProgramFolder(Folder()), "UA1AAA", number);
    }

    static constexpr const char* kSideFile = "database/UA1AAA.frq";
};

TEST_F(RigSessionTest, BandAndModeFollowTheRadioAndNothingElseChanges) {
    LoggerSession session = Started();
    EXPECT_TRUE(session.FollowRig({14'025'000, "USB"}).notes.empty());
    EXPECT_EQ(Entry(session, Field::Band), "20");
    EXPECT_EQ(Entry(session, Field::Mode), "PH");
    EXPECT_EQ(session.Rig().frequency, 14'025'000);
    // Unlike a message from a dialog, the radio leaves the flags as they are.
    EXPECT_TRUE(session.Setup().realTimeMode);
    EXPECT_TRUE(session.Options().onTop);

    // A band the operator sets stays while the radio stays in its band; a move of the radio wins again.
    session.ApplySettingsMessage("settings: band:80 current:yes ontop:yes");
    (void)session.FollowRig({14'030'000, "USB"});
    EXPECT_EQ(Entry(session, Field::Band), "80");
    (void)session.FollowRig({18'100'000, "CW"});  // off the contest bands: the band stays
    EXPECT_EQ(Entry(session, Field::Band), "80");
    EXPECT_EQ(Entry(session, Field::Mode), "CW");
    (void)session.FollowRig({7'010'000, "FAX"});  // a mode the contests do not log: the mode stays
    EXPECT_EQ(Entry(session, Field::Band), "40");
    EXPECT_EQ(Entry(session, Field::Mode), "CW");
    (void)session.FollowRig({7'040'000, "PKTUSB"});
    EXPECT_EQ(Entry(session, Field::Mode), "RY");
}

TEST_F(RigSessionTest, AContestOnAFixedBandKeepsItsBand) {
    m_store.WriteString(kSettingsGroup, "Contest", "A10");
    m_store.WriteString(kSettingsGroup, "Band", "10");
    LoggerSession session = Started();
    (void)session.FollowRig({14'025'000, "LSB"});
    EXPECT_EQ(Entry(session, Field::Band), "10");
    EXPECT_EQ(Entry(session, Field::Mode), "PH");
}

TEST_F(RigSessionTest, ALostRadioIsNotedOnceAndItsFrequencyForgotten) {
    LoggerSession session = Started();
    (void)session.FollowRig({14'025'000, "CW"});
    const Effects lost = session.RigNotConnected();
    ASSERT_EQ(lost.notes.size(), 1u);
    EXPECT_EQ(lost.notes[0].textEnglish, "radio not connected");
    EXPECT_TRUE(session.RigNotConnected().notes.empty());
    EXPECT_FALSE(session.Rig().frequency);
    EXPECT_EQ(Entry(session, Field::Band), "20");  // the row keeps what the radio last set

    const Effects back = session.FollowRig({14'025'000, "CW"});
    ASSERT_EQ(back.notes.size(), 1u);
    EXPECT_EQ(back.notes[0].textEnglish, "radio connected");
}

TEST_F(RigSessionTest, LoggingWithoutARadioWritesNoSideFile) {
    LoggerSession session = Started();
    ASSERT_TRUE(Save(session, "DL1AB", "14", "16").sounds.empty());
    EXPECT_FALSE(std::filesystem::exists(PathOf(kSideFile)));
    EXPECT_FALSE(FrequencyOf(1));
}

TEST_F(RigSessionTest, SaveEditDeleteAndReloadKeepTheSideFileInStep) {
    LoggerSession session = Started();
    ASSERT_TRUE(Save(session, "DL1AB", "14", "16", "12:00").sounds.empty());  // before the radio
    (void)session.FollowRig({14'025'300, "CW"});
    ASSERT_TRUE(Save(session, "OK1XX", "15", "16", "12:01").sounds.empty());
    (void)session.SetFieldText(Field::Band, "40");  // by hand, while the radio stays on 20 m
    ASSERT_TRUE(Save(session, "W1AW", "5", "16", "12:02").sounds.empty());
    (void)session.FollowRig({7'012'000, "CW"});
    ASSERT_TRUE(Save(session, "JA1XX", "25", "16", "12:03").sounds.empty());
    // The contact logged before the first frequency has a blank record.
    EXPECT_EQ(Read(kSideFile), std::string(kFrequencyRecordLength, ' ') +
                                   "\r\n"
                                   "14025300    OK1XX         2002-02-16 1201\r\n"
                                   "            W1AW          2002-02-16 1202\r\n"
                                   "7012000     JA1XX         2002-02-16 1203\r\n");
    EXPECT_EQ(FrequencyOf(2), 14'025'300);
    EXPECT_FALSE(FrequencyOf(3));
    EXPECT_FALSE(FrequencyOf(5));

    // An edit that keeps the band keeps the frequency; one that moves the band forgets it.
    auto editor = session.OpenContactEditor(2);
    ASSERT_TRUE(editor);
    editor->call = "OK1XY";
    ASSERT_EQ(session.SaveEditedContact(*editor).outcome, ContactEditOutcome::Done);
    EXPECT_EQ(FrequencyOf(2), 14'025'300);
    editor = session.OpenContactEditor(4);
    editor->band = "20";
    ASSERT_EQ(session.SaveEditedContact(*editor).outcome, ContactEditOutcome::Done);
    EXPECT_FALSE(FrequencyOf(4));

    ASSERT_EQ(session.DeleteContact(1).outcome, ContactEditOutcome::Done);
    EXPECT_EQ(Read(kSideFile),
              "14025300    OK1XY         2002-02-16 1201\r\n"
              "            W1AW          2002-02-16 1202\r\n"
              "            JA1XX         2002-02-16 1203\r\n");

    // A line removed from the log by hand: the reload puts every frequency back beside its contact.
    const std::string log = Read("UA1AAA.cbr");
    const std::size_t ok1xy = log.find("QSO:");
    Write("UA1AAA.cbr", log.substr(0, ok1xy) + log.substr(log.find("QSO:", ok1xy + 1)));
    (void)session.FollowRig({7'013'000, "CW"});
    ASSERT_TRUE(Save(session, "K3LR", "5", "16", "12:04").sounds.empty());
    ASSERT_EQ(session.ReloadContestLog().status, ReloadStatus::Reloaded);
    EXPECT_EQ(Read(kSideFile),
              "            W1AW          2002-02-16 1202\r\n"
              "            JA1XX         2002-02-16 1203\r\n"
              "7013000     K3LR          2002-02-16 1204\r\n");
    EXPECT_EQ(LoggedContactFrequencies(ProgramFolder(Folder()), "UA1AAA"),
              (std::vector<std::optional<Hertz>>{std::nullopt, std::nullopt, 7'013'000}));
}

TEST_F(RigSessionTest, TheExportsGiveTheRadiosFrequency) {
    LoggerSession session = Started();
    (void)session.FollowRig({14'025'600, "CW"});
    ASSERT_TRUE(Save(session, "OK1XX", "15", "16", "12:01").sounds.empty());
    (void)session.SetFieldText(Field::Band, "40");  // by hand: the frequency of this contact is unknown
    ASSERT_TRUE(Save(session, "W1AW", "5", "16", "12:02").sounds.empty());

    const SubmissionWrite cabrillo = session.ExportCabrillo();
    ASSERT_FALSE(cabrillo.message);
    const std::string cabrilloText = Read(cabrillo.path.filename().string());
    EXPECT_NE(cabrilloText.find("QSO: 14026 CW 2002-02-16 1201 UA1AAA"), std::string::npos) << cabrilloText;
    EXPECT_NE(cabrilloText.find("QSO:  7000 CW 2002-02-16 1202 UA1AAA"), std::string::npos) << cabrilloText;
    const SubmissionWrite adif = session.ExportAdif();
    ASSERT_FALSE(adif.message);
    const std::string adifText = Read(adif.path.filename().string());
    EXPECT_NE(adifText.find("<FREQ:7>14.0256"), std::string::npos) << adifText;
    EXPECT_NE(adifText.find("<FREQ:5>7.000"), std::string::npos) << adifText;
}

TEST(RigSettings, DefaultsReachAnyRigctldAndTheDialogStoresThem) {
    MemorySettingsBackend store;
    (void)LoadSettings(store, ClockReading{});
    const RigSettings defaults = LoadRigSettings(store);
    EXPECT_EQ(defaults, (RigSettings{.enabled = false, .model = 2, .port = "localhost:4532", .speed = 0}));
    // The first run stores no radio settings: a store without a radio looks as it always did.
    EXPECT_FALSE(store.ReadInt(kSettingsGroup, "RigControl"));

    ConfigurationDialogValues values = OpenConfigurationDialog(store, ClockReading{});
    EXPECT_EQ(values.rig, defaults);
    values.rig = {.enabled = true, .model = 1035, .port = "  /dev/ttyUSB0 ", .speed = 38400};
    const std::string message = ApplyConfigurationDialog(store, values);
    EXPECT_EQ(message.find("rig"), std::string::npos);  // the message stays what it was
    EXPECT_EQ(LoadRigSettings(store),
              (RigSettings{.enabled = true, .model = 1035, .port = "/dev/ttyUSB0", .speed = 38400}));
    EXPECT_EQ(WriteSetting(store, "RigPort", std::string(100, 'x')), SettingWriteStatus::TooLong);
    EXPECT_EQ(WriteSetting(store, "RigModel", "two"), SettingWriteStatus::NotANumber);
}

}  // namespace
}  // namespace tallyhawk
