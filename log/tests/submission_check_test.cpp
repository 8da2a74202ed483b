#include "log/submission_check.h"

#include <gtest/gtest.h>

#include "core/qso_record.h"
#include "log/contest_log_writer.h"
#include "log/qso_line.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

std::string Line(std::string_view call, std::string_view time, std::string_view received, std::string_view band = "20",
                 std::string_view mode = "CW", std::string_view date = "2024-11-23") {
    const QsoRecord qso{.call = std::string(call), .date = std::string(date), .time = std::string(time),
                        .band = std::string(band), .mode = std::string(mode), .exchangeSent = "14",
                        .exchangeReceived = std::string(received)};
    return FormatQsoLine(qso, "DL1XYZ", "0") + "\r\n";
}

std::vector<std::string> Texts(const std::vector<CheckFinding>& findings) {
    std::vector<std::string> texts;
    for (const auto& finding : findings) texts.push_back(FindingText(finding));
    return texts;
}

const ContactCheckRules kCqWwCw{.contestName = "CQ-WW-CW", .modes = kCwLogs, .exchange = kCqZoneExchange,
                                .period = ParseContestPeriod("2024-11-23 0000 2024-11-25 0000")};

TEST(SubmissionCheck, OneFindingForEachKindOfFault) {
    const std::string log = FormatLogHeader("CQ", {.callsign = "DL1XYZ"}) +  // 14 lines
                            Line("W1AW", "1200", "05") +                      // 15: clean
                            Line("K1AR", "1159", "05") +                      // 16: before line 15
                            Line("JA1ABC", "1300", "45") +                    // 17: no CQ zone
                            Line("JA1ABD", "1301", "") +                      // 18: empty exchange
                            Line("12345", "1302", "05") +                     // 19: no call
                            Line("W1AW", "1303", "05") +                      // 20: duplicate of line 15
                            Line("W1AW", "1304", "05", "40") +                // 21: another band: no duplicate
                            Line("VE3ABC", "1305", "04", "20", "PH") +        // 22: phone in the CW edition
                            Line("ZS1ABC", "1306", "38", "6") +               // 23: no band of the contest
                            Line("PY1ABC", "0000", "11", "20", "CW", "2024-11-25") +  // 24: after the contest
                            Line("VERYLONGCALL1AB", "0001", "11", "20", "CW", "2024-11-25") +  // 25: shifted
                            "QSO: broken\r\n";                                // 26: unreadable
    const auto findings = CheckContacts(ReadContestLogContacts(log), kCqWwCw);
    EXPECT_EQ(Texts(findings), (std::vector<std::string>{
        "line 16: out of time order: 2024-11-23 1159 is before 2024-11-23 1200 of line 15",
        "line 17: exchange received \"45\" is not a CQ zone 1-40",
        "line 18: exchange received is empty",
        "line 19: \"12345\" cannot be a call",
        "line 20: duplicate of line 15: W1AW on 20 m CW",
        "line 22: mode PH is not a mode of CQ-WW-CW (CW)",
        "line 23: frequency ***** is on no band of the contest",
        "line 24: outside the contest period 2024-11-23 0000 2024-11-25 0000",
        "line 25: not in the log's fixed columns (a call of 14 or more characters?)",
        "line 25: outside the contest period 2024-11-23 0000 2024-11-25 0000",
        "line 25: \"VERYLONGCALL1AB\" cannot be a call",
        "line 26: QSO: line that cannot be read",
    }));
}

TEST(SubmissionCheck, CleanLogAndMixedModeEdition) {
    const std::string log = Line("W1AW", "1200", "DARC") + Line("W1AW", "1201", "28", "20", "PH");
    const ContactCheckRules iaru{.contestName = "IARU-HF", .modes = kCwLogs | kPhoneLogs,
                                 .exchange = kItuZoneOrSocietyExchange, .period = std::nullopt};
    EXPECT_TRUE(CheckContacts(ReadContestLogContacts(log), iaru).empty());
}

TEST(SubmissionCheck, RequiredHeaderFieldsAndGridLocator) {
    const std::vector<RequiredHeaderField> fields = {{"CATEGORY-POWER", "", "CategoryPower"},
                                                     {"EMAIL", "op@example.org", "Email"}};
    EXPECT_EQ(Texts(CheckHeader(fields, "CQ-WW-CW", "JO62")),
              (std::vector<std::string>{"header: CATEGORY-POWER is empty; CQ-WW-CW requires it (set CategoryPower)"}));
    EXPECT_TRUE(CheckHeader({}, "CQ-WW-CW", "jo62qm").empty());
    EXPECT_EQ(CheckHeader({}, "CQ-WW-CW", "JO6").size(), 1u);
    EXPECT_EQ(CheckHeader({}, "CQ-WW-CW", "ZZ62").size(), 1u);
}

}  // namespace
}  // namespace tallyhawk
