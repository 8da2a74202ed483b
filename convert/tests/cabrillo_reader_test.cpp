#include "convert/cabrillo_reader.h"

#include <gtest/gtest.h>

namespace tallyhawk {
namespace {

std::string Joined(const std::vector<std::string_view>& fields) {
    std::string text;
    for (auto field : fields) text += (text.empty() ? "" : " ") + std::string(field);
    return text;
}

TEST(CabrilloReader, SplitsTheFieldsOfAQsoLine) {
    const struct {
        std::string_view fields;
        std::string sent, call, received, transmitter;
    } cases[] = {
        {"14004 CW 2024-11-23 0000 W3LPL 599 05 OH0Z 599 15", "599 05", "OH0Z", "599 15", ""},
        {"  3501 CW 2024-11-23 0000 W3LPL         599 05     OH0Z          599 15     0", "599 05", "OH0Z",
         "599 15", "0"},
        {"14024\tCW\t2024-11-02\t2102\tKD4D\t1 A 70 VA\tW1AW\t123 B 55 CT", "1 A 70 VA", "W1AW", "123 B 55 CT", ""},
        {"28000 PH 2005-10-02 0700 G4BUO 59 001 LN DL1AB 59 012", "59 001 LN", "DL1AB", "59 012", ""},
        {"28000 PH 2005-10-02 0700 DL1AB 59 012 G4BUO 59 001 LN", "59 012", "G4BUO", "59 001 LN", ""},
        {"7000 CW 2024-01-01 1200 DL1AB DL2CD", "", "DL2CD", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fields);
        const auto qso = ReadCabrilloQso(c.fields);
        ASSERT_TRUE(qso.has_value());
        EXPECT_EQ(Joined(qso->sent), c.sent);
        EXPECT_EQ(qso->call, c.call);
        EXPECT_EQ(Joined(qso->received), c.received);
        EXPECT_EQ(qso->transmitter, c.transmitter);
    }
    EXPECT_FALSE(ReadCabrilloQso("7000 CW 2024-01-01 1200 DL1AB").has_value());
}

TEST(CabrilloReader, ReadsTagsAndQsoLinesAndSkipsTheRest) {
    const CabrilloLog log = ReadCabrillo(
        "\r\nSTART-OF-LOG:   3.0\r\nCONTEST:CQ-WPX-CW\r\nCreated-By: Manually\r\nCALLSIGN: AA1ZZZ \r\n"
        "QSO:  3799 PH 1999-03-06 0711 AA1ZZZ 59 001 W1AW 59 001 0\r\nX-QSO: 3799 PH 1999-03-06 0712 AA1ZZZ 59 002 "
        "K1AR 59 002 0\r\nQTC: 14019 CW 2025-08-09 1201 II2Q 001/10 1200 DL1AB 123\r\nsome text\r\nqso: 7000 CW\n"
        "END-OF-LOG:");
    EXPECT_EQ(log.Tag("START-OF-LOG"), "3.0");
    EXPECT_EQ(log.Tag("CONTEST"), "CQ-WPX-CW");
    EXPECT_EQ(log.Tag("CREATED-BY"), "Manually");
    EXPECT_EQ(log.Tag("CALLSIGN"), "AA1ZZZ");
    EXPECT_EQ(log.Tag("SOAPBOX"), "");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].line, 6u);
    EXPECT_EQ(log.qsos[0].frequency, "3799");
    EXPECT_EQ(log.qsos[0].ownCall, "AA1ZZZ");
    EXPECT_EQ(log.unreadQsoLines, std::vector<std::size_t>{10});
}

}  // namespace
}  // namespace tallyhawk
