#include "log/contest_log_validator.h"
#include "log/logged_contact.h"
#include "log/qso_line.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

const std::string kLine = "QSO:  7000 CW 2002-02-16 1234 UA1AAA        599 1      DL1AB         599 123    0";

// The one line rule of the reload check and of the file check before a conversion.
TEST(LogLineCheck, LengthsBlanksAndLastCharacter) {
    std::string blankTaken = kLine;
    blankTaken[29] = 'X';  // between the time and the own call: not looked at
    const struct {
        std::string name;
        std::string line;
        bool valid;
    } cases[] = {
        {"the program's QSO line", kLine, true},
        {"header line", "START-OF-LOG: 2.0", true},
        {"header of 70", std::string(70, 'H'), true},
        {"header of 71", std::string(71, 'H'), false},
        {"header of 80", std::string(80, 'H'), false},
        {"header of 81", std::string(81, 'H'), true},
        {"header of 82", std::string(82, 'H'), false},
        {"two-digit transmitter id", kLine + "1", false},
        {"QSO line of 80", kLine.substr(0, 80), false},
        {"ending in a letter", kLine.substr(0, 80) + "A", false},
        {"ending in punctuation", kLine.substr(0, 80) + "*", true},
        {"ending in a code-page byte", kLine.substr(0, 80) + "\xC0", false},
        {"blank not in the checked list", blankTaken, true},
        {"short QSO: line lacks its blanks", "QSO: 14000", false},
        {"QSOX is a header line", "QSOX 14000", true},
        {"lower-case qso: is a header line", "qso: short", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ValidContestLogLine(c.line), c.valid);
    }
    for (std::size_t column : {5, 11, 14, 25, 44, 48, 55, 69, 73, 80}) {
        std::string shifted = kLine;
        shifted[column - 1] = 'X';
        EXPECT_FALSE(ValidContestLogLine(shifted)) << "blank of column " << column << " taken";
    }
}

using LogCheck = testing::ProgramFolderFixture;

TEST_F(LogCheck, WholeFileWithEitherLineEnd) {
    EXPECT_FALSE(ContestLogValidator(PathOf("missing.cbr")).passed);
    Write("empty.cbr", "");
    EXPECT_TRUE(ContestLogValidator(PathOf("empty.cbr")).passed);
    Write("lf.cbr", "START-OF-LOG: 2.0\n" + kLine + "\n" + kLine);
    EXPECT_TRUE(ContestLogValidator(PathOf("lf.cbr")).passed);
    Write("bad.cbr", "START-OF-LOG: 2.0\r\n" + kLine + "\r\n" + kLine + "7\r\n");
    const auto bad = ContestLogValidator(PathOf("bad.cbr"));
    EXPECT_FALSE(bad.passed);
    EXPECT_EQ(bad.badLine, 3u);
}

TEST(LoggedContactRead, FieldsAreCutByColumn) {
    const LoggedContact contact = ReadLoggedContact(kLine);
    EXPECT_EQ(contact.call, "DL1AB");
    EXPECT_EQ(contact.band, "40");
    EXPECT_EQ(contact.summary, "2002-02-16,1234,40,CW,1,123");

    QsoRecord qso{"ABCDEFGHIJKLMN", "2002-02-16", "1234", "6", "PH", "123456", "ABCDEF"};
    const LoggedContact odd = ReadLoggedContact(FormatQsoLine(qso, "UA1AAA", "0"));
    EXPECT_EQ(odd.call, "ABCDEFGHIJKLM");  // 13 characters survive
    EXPECT_EQ(odd.band, "**");
    EXPECT_EQ(odd.summary, "2002-02-16,1234,**,PH,12345,ABCDEF");
    std::string fiftyKey = kLine;
    fiftyKey.replace(5, 2, "50");
    EXPECT_EQ(ReadLoggedContact(fiftyKey).band, "50");
    EXPECT_EQ(ReadLoggedContact("QSO:").summary, ",,**,,,");
}

}  // namespace
}  // namespace tallyhawk
