#include "log/contact_editor.h"

#include "database/contest_index.h"
#include "log/contest_log_writer.h"
#include "log/qso_line.h"
#include "log/qso_line_patch.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

TEST(EditTransfer, EightKeyedLinesWithLineFeedsReadBack) {
    const EditTransfer transfer{"DL1AB", "2002-02-16", "12:34", "40", "CW", "1", "123", "5"};
    const std::string text = FormatEditTransfer(transfer);
    EXPECT_EQ(text, "call:DL1AB\ndate:2002-02-16\nutc:12:34\nband:40\nmode:CW\nsent:1\nrcvd:123\nnum:5\n");
    EXPECT_EQ(ParseEditTransfer(text), transfer);
    // Keys in any order, CR LF line ends, a missing key left empty; the value is what follows the
    // key's length from the line's start.
    const EditTransfer parsed = ParseEditTransfer("num:7\r\nmode:PH\r\n xcall:DL1AB\n");
    EXPECT_EQ(parsed.number, "7");
    EXPECT_EQ(parsed.mode, "PH");
    EXPECT_EQ(parsed.call, "l:DL1AB");
    EXPECT_EQ(parsed.date, "");
}

TEST(EditTransfer, LogViewCellsOfAnIndexContact) {
    const auto transfer = EditTransferFromIndex(3, {"UA9XXX", "2002-02-16,0905,20,PH,59001, 59002,X"});
    EXPECT_EQ(transfer, (EditTransfer{"UA9XXX", "2002-02-16", "09:05", "20", "PH", "59001", "59002,X", "3"}));
    EXPECT_EQ(EditTransferFromIndex(1, {"DL1AB", ""}).utc, ":");
}

TEST(EditRefusal, EachRuleOfTheOkButton) {
    const EditTransfer good{"DL1AB", "2002-02-16", "12:34", "40", "CW", "1", "123", "1"};
    const struct {
        std::string name;
        std::string EditTransfer::*field;
        std::string value;
        bool refused;
    } cases[] = {
        {"short call", &EditTransfer::call, "K1", true},   {"three-letter call", &EditTransfer::call, "K1A", false},
        {"date without dashes", &EditTransfer::date, "20020216", true},
        {"short date", &EditTransfer::date, "2002-", true},
        {"time hour 3x", &EditTransfer::utc, "31:00", true}, {"time minute 6x", &EditTransfer::utc, "12:60", true},
        {"time too short", &EditTransfer::utc, "12", true},  {"time 23:59", &EditTransfer::utc, "23:59", false},
        {"band 12", &EditTransfer::band, "12", true},        {"band 160", &EditTransfer::band, "160", false},
        {"mode SSB", &EditTransfer::mode, "SSB", true},      {"mode PS", &EditTransfer::mode, "PS", false},
        {"empty sent", &EditTransfer::sent, " ", true},      {"empty rcvd", &EditTransfer::rcvd, "", true},
    };
    EXPECT_FALSE(EditRefusalReason(good, {}).has_value());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditTransfer typed = good;
        typed.*c.field = c.value;
        EXPECT_EQ(EditRefusalReason(typed, {}).has_value(), c.refused);
    }
}

class ContactEditorTest : public testing::ProgramFolderFixture {
protected:
    // Logs `count` contacts DL1AA, DL2AA, ... at 12:31, 12:32, ... into log and index.
    void LogContacts(int count) {
        const ProgramFolder folder(Folder());
        StationProfile station;
        station.callsign = "UA1AAA";
        for (int i = 1; i <= count; ++i) {
            const QsoRecord qso{"DL" + std::to_string(i) + "AA", "2002-02-16", "123" + std::to_string(i), "40",
                                "CW", std::to_string(i), "1" + std::to_string(i)};
            ASSERT_TRUE(ContestLogWriter({folder, station, "CQ", "0"}, qso));
            ASSERT_TRUE(AppendContestIndex(Files().index, ContestIndexEntry(qso.call),
                                           ContestIndexRecord(MakeQsoSummary(qso))));
        }
    }
    ContactFiles Files() const { return ContactFilesFor(ProgramFolder(Folder()), "UA1AAA"); }
    ContactEditTarget Target() const { return {Files(), "UA1AAA", "0"}; }
    std::string Log() const { return Read("UA1AAA.cbr"); }
    std::string Calls() const { return Read("database/UA1AAA.idx"); }
    std::string Records() const { return Read("database/UA1AAA.bdx"); }
    static EditTransfer Contact(int n) {
        return {"DL" + std::to_string(n) + "AA", "2002-02-16", "12:3" + std::to_string(n), "40", "CW",
                std::to_string(n), "1" + std::to_string(n), std::to_string(n)};
    }
};

TEST_F(ContactEditorTest, EditingTheTimeOfContactFiveChangesOnlyItsLineAndRecord) {
    LogContacts(7);
    const std::string log = Log(), calls = Calls(), records = Records();
    EditTransfer typed = Contact(5);
    typed.utc = "12:39";
    const auto result = SaveEditedContact(Target(), typed);
    EXPECT_EQ(result.outcome, ContactEditOutcome::Done);
    EXPECT_TRUE(result.notWritten.empty());
    ASSERT_TRUE(result.advice.has_value());
    EXPECT_EQ(result.advice->titleEnglish, "WARNING");
    const auto line = FindQsoLine(Log(), 5);
    ASSERT_TRUE(line.has_value());
    std::string expected = log;
    expected.replace(line->start + 25, 4, "1239");
    EXPECT_EQ(Log(), expected);
    EXPECT_EQ(Calls(), calls);
    std::string expectedRecords = records;
    expectedRecords.replace(4 * 140, 140, ContestIndexRecord("2002-02-16,1239,40,CW,5,15"));
    EXPECT_EQ(Records(), expectedRecords);
}

TEST_F(ContactEditorTest, DeletingContactOneOfThreeKeepsTheHeaderAndTheOthers) {
    LogContacts(3);
    const std::string log = Log();
    const auto result = DeleteContact(Files(), 1);
    EXPECT_EQ(result.outcome, ContactEditOutcome::Done);
    const auto first = FindQsoLine(log, 1);
    EXPECT_EQ(Log(), log.substr(0, first->start) + log.substr(first->start + 83));
    EXPECT_EQ(CountQsoLines(Log()), 2u);
    EXPECT_EQ(Calls(), ContestIndexEntry("DL2AA") + ContestIndexEntry("DL3AA"));
    EXPECT_EQ(Records().size(), 280u);
    EXPECT_EQ(Records().substr(0, 26), "2002-02-16,1232,40,CW,2,12");
}

TEST_F(ContactEditorTest, InvalidFieldsAndNumbersOutOfStepWriteNothing) {
    LogContacts(3);
    const std::string log = Log(), calls = Calls(), records = Records();
    EditTransfer badMode = Contact(2);
    badMode.mode = "SSB";
    EXPECT_EQ(SaveEditedContact(Target(), badMode).outcome, ContactEditOutcome::Refused);
    for (const std::string number : {"0", "4", "-1", "x", ""}) {
        SCOPED_TRACE(number);
        EditTransfer typed = Contact(2);
        typed.number = number;
        EXPECT_EQ(SaveEditedContact(Target(), typed).outcome, ContactEditOutcome::OutOfRange);
    }
    EXPECT_EQ(DeleteContact(Files(), 0).outcome, ContactEditOutcome::OutOfRange);
    EXPECT_EQ(DeleteContact(Files(), 4).outcome, ContactEditOutcome::OutOfRange);
    // A log with one line fewer than the index is out of step for contact 3.
    const auto third = FindQsoLine(log, 3);
    Write("UA1AAA.cbr", log.substr(0, third->start));
    EXPECT_EQ(DeleteContact(Files(), 3).outcome, ContactEditOutcome::OutOfRange);
    EXPECT_EQ(Calls(), calls);
    EXPECT_EQ(Records(), records);
    EXPECT_EQ(Log(), log.substr(0, third->start));
}

TEST_F(ContactEditorTest, ReplacementOfAnotherLengthRewritesTheRestOfTheLog) {
    LogContacts(3);
    const std::string log = Log();
    EditTransfer longCall = Contact(2);
    longCall.call = "DL2AA/P/MM/QRPP";  // 15 characters push the line to 82
    EXPECT_EQ(SaveEditedContact(Target(), longCall).outcome, ContactEditOutcome::Done);
    const std::string patched = Log();
    EXPECT_EQ(patched.size(), log.size() + 1);
    EXPECT_EQ(FindQsoLine(patched, 2)->text.size(), 82u);
    EXPECT_EQ(FindQsoLine(patched, 3)->text, FindQsoLine(log, 3)->text);
    EXPECT_EQ(Calls().substr(14, 14), "DL2AA/P/MM/QRP");  // the index entry keeps 14 characters
    EXPECT_EQ(SaveEditedContact(Target(), Contact(2)).outcome, ContactEditOutcome::Done);
    EXPECT_EQ(Log(), log);
}

TEST_F(ContactEditorTest, MissingFilesAreSkippedAndTheOthersPatched) {
    LogContacts(2);
    std::filesystem::remove(PathOf("database/UA1AAA.bdx"));
    std::filesystem::remove(PathOf("database/UA1AAA.idx"));
    EditTransfer typed = Contact(2);
    typed.call = "OK1XX";
    EXPECT_EQ(SaveEditedContact(Target(), typed).outcome, ContactEditOutcome::Done);
    EXPECT_EQ(Cut(FindQsoLine(Log(), 2)->text, qso_columns::kWorkedCall), "OK1XX         ");
    EXPECT_FALSE(std::filesystem::exists(PathOf("database/UA1AAA.idx")));
    std::filesystem::remove(PathOf("UA1AAA.cbr"));
    EXPECT_EQ(SaveEditedContact(Target(), typed).outcome, ContactEditOutcome::OutOfRange);  // nothing to patch
}

}  // namespace
}  // namespace tallyhawk
