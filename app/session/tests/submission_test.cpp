// The log for the sponsor, the contest's ADIF and the check, through the session: a worked example
// of each family of exchanges, with the claimed score the score display shows.
#include "convert/adif_reader.h"
#include "core/program_version.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

struct Contact {
    std::string_view call, time, band, mode, sent, received;
};

class SubmissionTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyTestData("scoring_dxcc", "dxcc");
    }

    // Logs the contacts in one session; a second session, started as the score command starts one,
    // writes the export.
    LoggerSession Logged(const std::vector<Contact>& contacts) {
        {
            LoggerSession session = Started();
            for (const auto& contact : contacts) {
                session.SetFieldText(Field::Band, contact.band);
                session.SetFieldText(Field::Mode, contact.mode);
                EXPECT_TRUE(Save(session, contact.call, contact.received, contact.sent, contact.time).sounds.empty());
            }
        }
        return Started();
    }

    static std::string CreatedBy() { return "CREATED-BY: Tallyhawk " + std::string(ProgramVersion()) + "\r\n"; }
};

TEST_F(SubmissionTest, CqWwTakesReportAndZoneAndTheStationsDetails) {
    Configure({{"Callsign", "DL1XYZ"}, {"Contest", "CQ"}, {"Mode", "CW"}, {"Continent", "EU"},
               {"Date", "2024-11-23"}, {"Name", "Hans Muster"}, {"Club", "Rhein Contest Club"},
               {"Address", "Hauptstr. 1**50667 Koeln"}, {"CategoryPower", "LOW"}, {"Email", "dl1xyz@example.org"},
               {"GridLocator", "JO30"}, {"Soapbox", "Good conditions on 20 m.*Thanks for the QSOs!"}});
    const LoggerSession session = Logged({{"W1AW", "12:00", "20", "CW", "14", "05"},
                                          {"JA1ABC", "12:01", "40", "CW", "14", "25"}});
    // 20 m: W and zone 5; 40 m: JA and zone 25; two contacts of 3 points with other continents.
    EXPECT_EQ(session.CurrentScreen().scoreLabel, "24");
    const SubmissionWrite written = session.ExportCabrillo();
    ASSERT_FALSE(written.message.has_value());
    EXPECT_EQ(written.path, Folder() / "DL1XYZ-CQ-WW-CW.log");
    EXPECT_EQ(written.contacts, 2);
    EXPECT_EQ(Read("DL1XYZ-CQ-WW-CW.log"),
              "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nCALLSIGN: DL1XYZ\r\n"
              "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-ASSISTED: NON-ASSISTED\r\nCATEGORY-BAND: ALL\r\n"
              "CATEGORY-MODE: CW\r\nCATEGORY-POWER: LOW\r\nCATEGORY-STATION: FIXED\r\nCATEGORY-TRANSMITTER: ONE\r\n"
              "CLAIMED-SCORE: 24\r\nCLUB: Rhein Contest Club\r\nGRID-LOCATOR: JO30\r\nNAME: Hans Muster\r\n"
              "ADDRESS: Hauptstr. 1\r\nADDRESS: 50667 Koeln\r\nEMAIL: dl1xyz@example.org\r\n" + CreatedBy() +
              "SOAPBOX: Good conditions on 20 m.\r\nSOAPBOX: Thanks for the QSOs!\r\n"
              "QSO: 14000 CW 2024-11-23 1200 DL1XYZ        599 14     W1AW          599 05     0\r\n"
              "QSO:  7000 CW 2024-11-23 1201 DL1XYZ        599 14     JA1ABC        599 25     0\r\n"
              "END-OF-LOG:\r\n");
    EXPECT_TRUE(session.CheckSubmission().findings.empty());
}

TEST_F(SubmissionTest, WpxPhoneLogIsTheSsbEditionWithSerials) {
    Configure({{"Callsign", "DL1XYZ"}, {"Contest", "WPX"}, {"Mode", "Phone"}, {"Continent", "EU"},
               {"Date", "2025-03-29"}, {"CategoryPower", "HIGH"}});
    m_store.WriteInt(kSettingsGroup, "TranceiverID", 1);
    const LoggerSession session = Logged({{"W1AW", "00:01", "20", "PH", "1", "12"},
                                          {"DL2ABC", "00:02", "20", "PH", "2", "7"}});
    // W1 and DL2 are new prefixes; only W1AW, on another continent, earns points (3).
    EXPECT_EQ(session.CurrentScreen().scoreLabel, "6");
    const SubmissionWrite written = session.ExportCabrillo();
    EXPECT_EQ(Read("DL1XYZ-CQ-WPX-SSB.log"),
              "START-OF-LOG: 3.0\r\nCONTEST: CQ-WPX-SSB\r\nCALLSIGN: DL1XYZ\r\n"
              "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-ASSISTED: NON-ASSISTED\r\nCATEGORY-BAND: ALL\r\n"
              "CATEGORY-MODE: SSB\r\nCATEGORY-POWER: HIGH\r\nCATEGORY-STATION: FIXED\r\nCATEGORY-TRANSMITTER: ONE\r\n"
              "CLAIMED-SCORE: 6\r\n" + CreatedBy() +
              "QSO: 14000 PH 2025-03-29 0001 DL1XYZ         59 1      W1AW           59 12     1\r\n"
              "QSO: 14000 PH 2025-03-29 0002 DL1XYZ         59 2      DL2ABC         59 7      1\r\n"
              "END-OF-LOG:\r\n");
    // The sponsor's robot also wants an e-mail address.
    const SubmissionCheck check = session.CheckSubmission();
    ASSERT_EQ(check.findings.size(), 1u);
    EXPECT_EQ(FindingText(check.findings[0]), "header: EMAIL is empty; CQ-WPX-SSB requires it (set Email)");
}

TEST_F(SubmissionTest, ArrlDxFromOutsideWAndVeIsDxWithStatesReceived) {
    Configure({{"Callsign", "DL1XYZ"}, {"Contest", "ARR"}, {"Mode", "CW"}, {"Continent", "EU"},
               {"Date", "2025-02-15"}, {"CategoryPower", "QRP"}, {"Email", "x@example.org"},
               {"CategoryOperator", "MULTI-OP"}, {"CategoryTransmitter", "TWO"}});
    const LoggerSession session = Logged({{"W1AW", "12:00", "20", "CW", "5", "MA"},
                                          {"VE3ABC", "12:05", "15", "CW", "5", "ON"}});
    EXPECT_EQ(session.CurrentScreen().scoreLabel, "12");  // 2 x 3 points, MA on 20 m and ON on 15 m
    (void)session.ExportCabrillo();
    const std::string log = Read("DL1XYZ-ARRL-DX-CW.log");
    EXPECT_NE(log.find("CALLSIGN: DL1XYZ\r\nLOCATION: DX\r\nCATEGORY-OPERATOR: MULTI-OP\r\n"), std::string::npos);
    EXPECT_NE(log.find("CATEGORY-TRANSMITTER: TWO\r\nCLAIMED-SCORE: 12\r\n"), std::string::npos);
    EXPECT_NE(log.find("QSO: 21000 CW 2025-02-15 1205 DL1XYZ        599 5      VE3ABC        599 ON     0\r\n"),
              std::string::npos);
    const SubmissionCheck check = session.CheckSubmission();
    ASSERT_EQ(check.findings.size(), 1u);
    EXPECT_EQ(FindingText(check.findings[0]), "header: OPERATORS is empty; ARRL-DX-CW requires it (set Operators)");
}

TEST_F(SubmissionTest, OverriddenNameAndMixedModesOfIaru) {
    Configure({{"Callsign", "DL1XYZ"}, {"Contest", "IAR"}, {"Mode", "CW"}, {"Continent", "EU"},
               {"Date", "2024-07-13"}, {"CabrilloContest", "IARU-HF-TEST"}, {"CategoryMode", ""}});
    const LoggerSession session = Logged({{"DL0HQ", "12:00", "20", "CW", "28", "DARC"},
                                          {"W1AW", "12:10", "20", "PH", "28", "8"}});
    const SubmissionWrite written = session.ExportCabrillo(PathOf("out/iaru.log"));
    EXPECT_TRUE(written.message.has_value());  // no folder "out": nothing written, the reason told
    const SubmissionWrite again = session.ExportCabrillo(PathOf("iaru.log"));
    ASSERT_FALSE(again.message.has_value());
    const std::string log = Read("iaru.log");
    EXPECT_NE(log.find("CONTEST: IARU-HF-TEST\r\n"), std::string::npos);
    EXPECT_NE(log.find("CATEGORY-MODE: MIXED\r\n"), std::string::npos);
    EXPECT_NE(log.find("CLAIMED-SCORE: " + session.CurrentScreen().scoreLabel + "\r\n"), std::string::npos);
    EXPECT_NE(log.find("DL0HQ         599 DARC   0\r\n"), std::string::npos);
}

TEST_F(SubmissionTest, AdifOfTheContestReadsBackFieldByField) {
    Configure({{"Callsign", "DL1XYZ"}, {"Contest", "RUS"}, {"Mode", "CW"}, {"Continent", "EU"},
               {"Date", "2025-03-15"}, {"Operators", "DL2OP"}});
    const LoggerSession session = Logged({{"W1AW", "00:01", "160", "CW", "1", "12"},
                                          {"JA1ABC", "00:02", "10", "CW", "2", "MA"}});
    const SubmissionWrite written = session.ExportAdif();
    EXPECT_EQ(written.path, Folder() / "DL1XYZ-RDXC.adi");
    const std::string text = Read("DL1XYZ-RDXC.adi");
    const AdifDocument document = ReadAdif(text);
    ASSERT_EQ(document.records.size(), 2u);
    const AdifRecord& first = document.records[0];
    for (const auto& [name, value] : std::vector<std::pair<std::string_view, std::string_view>>{
             {"CALL", "W1AW"}, {"QSO_DATE", "20250315"}, {"TIME_ON", "0001"}, {"BAND", "160m"}, {"FREQ", "1.900"},
             {"MODE", "CW"}, {"RST_SENT", "599"}, {"RST_RCVD", "599"}, {"STX", "1"}, {"SRX", "12"},
             {"CONTEST_ID", "RDXC"}, {"STATION_CALLSIGN", "DL1XYZ"}, {"OPERATOR", "DL2OP"}}) {
        EXPECT_EQ(first.Value(name), value) << name;
    }
    EXPECT_EQ(document.records[1].Value("SRX_STRING"), "MA");  // an oblast, no serial number
    EXPECT_FALSE(document.records[1].Has("SRX"));
    EXPECT_NE(text.find("<ADIF_VER:5>3.1.4 <PROGRAMID:9>Tallyhawk "), std::string::npos);
}

TEST_F(SubmissionTest, NothingToExportOrCheckWithoutAContestLog) {
    Configure({{"Callsign", "DL1XYZ"}, {"Contest", "CQ"}});
    const LoggerSession session = Started();
    EXPECT_TRUE(session.ExportCabrillo().message.has_value());
    EXPECT_TRUE(session.ExportAdif().message.has_value());
    EXPECT_TRUE(session.CheckSubmission().message.has_value());
    EXPECT_FALSE(std::filesystem::exists(PathOf("DL1XYZ-CQ-WW-CW.log")));
}

}  // namespace
}  // namespace tallyhawk
