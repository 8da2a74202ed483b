#include "convert/log_conversion.h"

#include "convert/log_file_check.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

const std::string kAdif =
    "Exported\r\n<EOH>\r\n"
    "<CALL:5>UA1AA<QSO_DATE:8>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:2>CW<RST_SENT:3>599<RST_RCVD:3>579<EOR>\r\n"
    "<CALL:5>DL1AB<QSO_DATE:8>20020315<TIME_ON:4>1240<BAND:3>40M<MODE:3>SSB<RST_SENT:2>59<RST_RCVD:2>57<EOR>\r\n";
const std::string kCabrillo =
    "START-OF-LOG: 2.0\r\n"
    "QSO:  7000 CW 2002-02-16 1234 UA1AAA        599 1      DL1AB         579 123    0\r\n";

class LogConversionTest : public testing::ProgramFolderFixture {
protected:
    ConversionResult Run(const std::string& source, LogFormat format) {
        return ConvertLog({.source = PathOf(source), .format = format, .outputFolder = Folder(), .callsign = "W1AW"},
                          [this](std::string_view text) { m_shown.emplace_back(text); });
    }
    std::vector<std::string> m_shown;
};

TEST_F(LogConversionTest, AdifIsAppendedToConvertCbrWithTheStatusTexts) {
    Write("in.adi", kAdif);
    Write("Convert.cbr", "kept\r\n");
    const auto result = Run("in.adi", LogFormat::Adif);
    EXPECT_EQ(result.outcome, ConversionOutcome::Converted);
    EXPECT_EQ(result.records, 2);
    EXPECT_EQ(m_shown, (std::vector<std::string>{"Checking ...", std::string(25, ' '), "QSO: 1", "QSO: 2",
                                                 "Complete          "}));
    EXPECT_EQ(Read("Convert.cbr"),
              "kept\r\n"
              "QSO: 14000 CW 2002-03-15 1234 W1AW          599 ****** UA1AA         579 ****** 0\r\n"
              "QSO:  7000 PH 2002-03-15 1240 W1AW          59  ****** DL1AB         57  ****** 0\r\n");
    EXPECT_TRUE(IsValidCabrilloText(Read("Convert.cbr")));  // the reload check takes the converted lines
}

TEST_F(LogConversionTest, AdifHeaderGoesOnlyIntoAnEmptyConvertAdi) {
    Write("in.cbr", kCabrillo);
    ASSERT_EQ(Run("in.cbr", LogFormat::Cabrillo).records, 1);
    ASSERT_EQ(Run("in.cbr", LogFormat::Cabrillo).records, 1);
    const std::string record = "<CALL:5>DL1AB <QSO_DATE:8>20020216 <TIME_ON:6>123400 <MODE:2>CW <BAND:3>40M "
                               "<RST_SENT:3>599 <RST_RCVD:3>579 <EOR> \r\n";
    EXPECT_EQ(Read("Convert.adi"), "<EOH>\r\n\r\n" + record + record);
}

TEST_F(LogConversionTest, SourceWithoutRecordsCreatesTheOutputAndSaysNoEntries) {
    Write("header.cbr", "START-OF-LOG: 2.0\r\n");
    const auto result = Run("header.cbr", LogFormat::Cabrillo);
    EXPECT_EQ(result.outcome, ConversionOutcome::Converted);
    EXPECT_EQ(m_shown.back(), "No entries         ");
    EXPECT_TRUE(std::filesystem::exists(PathOf("Convert.adi")));
    EXPECT_EQ(Read("Convert.adi"), "");
}

TEST_F(LogConversionTest, RejectedSourceTouchesNoOutputAndNamesTheFile) {
    Write("broken.adi", "<CALL:5>UA1AA<EOR>\r\n");  // no <EOH>
    Write("broken.cbr", "QSO: too short\r\n");
    Write("Convert.cbr", "kept\r\n");
    const auto adif = Run("broken.adi", LogFormat::Adif);
    EXPECT_EQ(adif.outcome, ConversionOutcome::Rejected);
    ASSERT_TRUE(adif.message.has_value());
    EXPECT_EQ(adif.message->textEnglish, "Some entries of " + PathOf("broken.adi").string() +
                                             " are not correct of ADIF format.\n\n Please repair file before "
                                             "converting or try Ozmend-utility.");
    const auto cabrillo = Run("broken.cbr", LogFormat::Cabrillo);
    ASSERT_TRUE(cabrillo.message.has_value());
    EXPECT_NE(cabrillo.message->textRussian.find("не соответствуют Cabrillo формату"), std::string::npos);
    EXPECT_EQ(Read("Convert.cbr"), "kept\r\n");
    EXPECT_FALSE(std::filesystem::exists(PathOf("Convert.adi")));
    EXPECT_EQ(m_shown, (std::vector<std::string>{"Checking ...", "Checking ..."}));
}

TEST_F(LogConversionTest, DirectionFollowsTheChosenFormatNotTheName) {
    // A log named .txt passes the check unread and is converted the way the operator chose.
    Write("contest.txt", kCabrillo);
    EXPECT_EQ(Run("contest.txt", LogFormat::Cabrillo).records, 1);
    EXPECT_EQ(Run("contest.txt", LogFormat::Adif).records, 0);
    EXPECT_EQ(Run("missing.txt", LogFormat::Adif).outcome, ConversionOutcome::SourceUnreadable);
    m_shown.clear();
    EXPECT_EQ(ConvertLog({}, [this](std::string_view text) { m_shown.emplace_back(text); }).outcome,
              ConversionOutcome::NothingChosen);
    EXPECT_EQ(m_shown, std::vector<std::string>{"Checking ..."});
}

TEST_F(LogConversionTest, UnwritableOutputIsReported) {
    Write("in.adi", kAdif);
    std::filesystem::create_directory(PathOf("Convert.cbr"));
    const auto result = Run("in.adi", LogFormat::Adif);
    EXPECT_EQ(result.outcome, ConversionOutcome::OutputNotWritten);
    ASSERT_TRUE(result.message.has_value());
    EXPECT_NE(result.message->textEnglish.find("Convert.cbr"), std::string::npos);
}

}  // namespace
}  // namespace tallyhawk
