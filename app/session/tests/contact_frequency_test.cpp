// The side file of exact frequencies through save, edit, delete and reload, and its record layout.
#include "log/contact_frequency_file.h"

#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

TEST(ContactFrequencyRecord, WritesFixedColumnsAndReadsThemBack) {
    const std::vector<std::pair<ContactFrequency, std::string>> cases = {
        {{14'025'000, "DL1ABC", "2002-02-16", "1234"}, "14025000    DL1ABC        2002-02-16 1234"},
        {{std::nullopt, "W1AW", "2002-02-16", "0000"}, "            W1AW          2002-02-16 0000"},
        {{1'830'500, "VERYLONGCALL1", "2002-02-16", "2359"}, "1830500     VERYLONGCALL1 2002-02-16 2359"},
    };
    for (const auto& [record, line] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(FormatFrequencyRecord(record), line);
        EXPECT_EQ(line.size(), kFrequencyRecordLength);
        EXPECT_EQ(ParseFrequencyRecord(line), record);
    }
    // Whatever a line holds, it is one record; a frequency that does not read is unknown.
    const auto records = ParseFrequencyFile("14025000x   DL1AB\n\r\n999999999999\r\n7000000");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_FALSE(records[0].hertz);
    EXPECT_EQ(records[0].call, "DL1AB");
    EXPECT_FALSE(records[1].hertz);
    EXPECT_FALSE(records[2].hertz);
    EXPECT_EQ(records[3].hertz, 7'000'000);
}

class ContactFrequencySessionTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyShippedDxcc();
        Configure({{"Callsign", "UA1AAA"}, {"Contest", "CQ"}, {"Band", "20"}, {"Mode", "CW"},
                   {"CQZone", "16"}, {"Continent", "EU"}, {"Date", "2002-02-16"}});
    }

    std::optional<Hertz> FrequencyOf(std::size_t number) const {
        return LoggedContactFrequency(ProgramFolder(Folder()), "UA1AAA", number);
    }

    static constexpr const char* kSideFile = "database/UA1AAA.frq";
};

TEST_F(ContactFrequencySessionTest, LoggingWithoutARadioWritesNoSideFile) {
    LoggerSession session = Started();
    ASSERT_TRUE(Save(session, "DL1AB", "14", "16").sounds.empty());
    EXPECT_FALSE(std::filesystem::exists(PathOf(kSideFile)));
    EXPECT_FALSE(FrequencyOf(1));
}

TEST_F(ContactFrequencySessionTest, SaveEditDeleteAndReloadKeepTheSideFileInStep) {
    LoggerSession session = Started();
    ASSERT_TRUE(Save(session, "DL1AB", "14", "16", "12:00").sounds.empty());  // before the radio
    (void)session.FollowRig({14'025'300, "CW"});
    ASSERT_TRUE(Save(session, "OK1XX", "15", "16", "12:01").sounds.empty());
    (void)session.SetFieldText(Field::Band, "40");  // by hand, while the radio stays on 20 m
    ASSERT_TRUE(Save(session, "W1AW", "5", "16", "12:02").sounds.empty());
    (void)session.FollowRig({7'012'000, "CW"});
    ASSERT_TRUE(Save(session, "JA1XX", "25", "16", "12:03").sounds.empty());
    // The contact logged before the first frequency has a blank record.
    EXPECT_EQ(Read(kSideFile),
              std::string(kFrequencyRecordLength, ' ') + "\r\n"
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

}  // namespace
}  // namespace tallyhawk
