#include "log/contest_log_writer.h"
#include "log/qso_line.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

QsoRecord FortyMetreCw() { return QsoRecord{"DL1AB", "2002-02-16", "1234", "40", "CW", "1", "123"}; }

TEST(QsoLine, EveryFieldInItsColumnsByteForByte) {
    QsoRecord normalised = FortyMetreCw();
    normalised.mode = "SSB";
    normalised.band = "6";
    normalised.exchangeSent = " 12345678";  // first 6 characters, then trimmed
    QsoRecord longCall = FortyMetreCw();
    longCall.call = "ABCDEFGHIJKLMNO";
    const struct {
        std::string name;
        QsoRecord qso;
        std::string transmitter;
        std::string line;
    } cases[] = {
        {"40 m CW", FortyMetreCw(), "0",
         "QSO:  7000 CW 2002-02-16 1234 UA1AAA        599 1      DL1AB         599 123    0"},
        {"mode, band and exchange normalised", normalised, "0",
         "QSO: ***** PH 2002-02-16 1234 UA1AAA        59  12345  DL1AB         59  123    0"},
        {"a long call shifts the rest instead of being cut", longCall, "7",
         "QSO:  7000 CW 2002-02-16 1234 UA1AAA        599 1      ABCDEFGHIJKLMNO599 123    7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatQsoLine(c.qso, "UA1AAA", c.transmitter), c.line);
    }
    const std::string line = FormatQsoLine(FortyMetreCw(), "UA1AAA", "0");
    EXPECT_EQ(Cut(line, qso_columns::kWorkedCall), "DL1AB         ");
    EXPECT_EQ(Cut(line, qso_columns::kExchangeReceived), "123    ");
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
