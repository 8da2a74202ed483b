#include "log/contest_log_writer.h"
#include "log/qso_line.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

QsoRecord FortyMetreCw() { return QsoRecord{"DL1AB", "2002-02-16", "1234", "40", "CW", "1", "123"}; }

TEST(QsoLine, FortyMetreCwExampleByteForByte) {
    const std::string expected = "QSO:  7000 CW 2002-02-16 1234 UA1AAA        599 1      DL1AB         599 123    0";
    const std::string line = FormatQsoLine(FortyMetreCw(), "UA1AAA", "0");
    EXPECT_EQ(line, expected);
    EXPECT_EQ(line.size(), 81u);
    EXPECT_EQ(Cut(line, qso_columns::kWorkedCall), "DL1AB         ");
    EXPECT_EQ(Cut(line, qso_columns::kExchangeReceived), "123    ");
}

TEST(QsoLine, ModesBandsAndExchangesAreNormalised) {
    QsoRecord qso = FortyMetreCw();
    qso.mode = "SSB";
    qso.band = "6";
    qso.exchangeSent = " 12345678";  // first 6 characters, then trimmed
    const std::string line = FormatQsoLine(qso, "UA1AAA", "0");
    EXPECT_EQ(Cut(line, qso_columns::kFrequency), "***** ");
    EXPECT_EQ(Cut(line, qso_columns::kMode), "PH");
    EXPECT_EQ(Cut(line, qso_columns::kReportReceived), "59  ");
    EXPECT_EQ(Cut(line, qso_columns::kExchangeSent), "12345  ");
}

TEST(QsoLine, LongCallShiftsTheRestInsteadOfBeingCut) {
    QsoRecord qso = FortyMetreCw();
    qso.call = "ABCDEFGHIJKLMNO";
    const std::string line = FormatQsoLine(qso, "UA1AAA", "7");
    EXPECT_EQ(line.size(), 82u);
    EXPECT_EQ(line.back(), '7');
}

TEST(Address, SplitsOnStarsIntoFourLines) {
    using Lines = std::array<std::string, 4>;
    EXPECT_EQ(SplitAddress("a*b*c*d"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitAddress("a*b*c*d*e"), (Lines{"a", "b", "c", "d*e"}));
    EXPECT_EQ(SplitAddress("street*town"), (Lines{"street", "", "", "town"}));
    EXPECT_EQ(SplitAddress("town"), (Lines{"", "", "", "town"}));
    EXPECT_EQ(SplitAddress(""), (Lines{"", "", "", ""}));
}

using ContestLogFile = testing::ProgramFolderFixture;

TEST_F(ContestLogFile, FirstContactWritesTheHeaderThenOnlyLines) {
    const ProgramFolder folder(Folder());
    const StationProfile station{"UA1AAA", "Ivan", "Club x", "street 1*flat 2*town*country", "16", "EU"};
    const ContestLogWrite target{folder, station, "WPX", "0"};
    ASSERT_TRUE(ContestLogWriter(target, FortyMetreCw()));
    ASSERT_TRUE(ContestLogWriter(target, FortyMetreCw()));
    const std::string line = FormatQsoLine(FortyMetreCw(), "UA1AAA", "0") + "\r\n";
    EXPECT_EQ(Read("UA1AAA.cbr"),
              "START-OF-LOG: 2.0\r\nARRL-SECTION:\r\nCONTEST: WPX\r\nCALLSIGN: UA1AAA\r\nCATEGORY:\r\n"
              "CLAIMED-SCORE:\r\nOPERATORS:\r\nCLUB: CLUB X\r\nNAME: IVAN\r\nADDRESS: STREET 1\r\n"
              "ADDRESS: FLAT 2\r\nADDRESS: TOWN\r\nADDRESS: COUNTRY\r\nSOAP BOX:\r\n" +
                  line + line);
}

TEST_F(ContestLogFile, OverwriteAtOffsetReplacesOneLine) {
    const ProgramFolder folder(Folder());
    const StationProfile station{"UA1AAA", "", "", "", "", ""};
    const ContestLogWrite target{folder, station, "CQ", "0"};
    ASSERT_TRUE(ContestLogWriter(target, FortyMetreCw()));
    const auto headerSize = FormatLogHeader("CQ", station).size();
    EXPECT_EQ(headerSize, 175u);  // 14 lines, four of them "ADDRESS: " with nothing after the blank
    QsoRecord changed = FortyMetreCw();
    changed.time = "2359";
    ASSERT_TRUE(ContestLogWriter(target, changed, static_cast<std::int64_t>(headerSize)));
    EXPECT_EQ(Read("UA1AAA.cbr").substr(headerSize), FormatQsoLine(changed, "UA1AAA", "0") + "\r\n");
}

TEST_F(ContestLogFile, MissingFolderIsReportedAndNothingIsCreated) {
    const ProgramFolder folder(PathOf("absent"));
    const StationProfile station{"UA1AAA", "", "", "", "", ""};
    EXPECT_FALSE(ContestLogWriter({folder, station, "CQ", "0"}, FortyMetreCw()));
    EXPECT_FALSE(std::filesystem::exists(PathOf("absent")));
}

}  // namespace
}  // namespace tallyhawk
