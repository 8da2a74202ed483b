#include <gtest/gtest.h>

#include <vector>

#include "log/contest_log_writer.h"
#include "log/log_replay.h"
#include "log/qso_line.h"

namespace tallyhawk {
namespace {

std::string LogOf(int contacts, std::string_view trailer = "") {
    std::string log = FormatLogHeader("CQ", StationProfile{"UA1AAA"});
    for (int i = 0; i < contacts; ++i) {
        const QsoRecord qso{"DL" + std::to_string(i) + "AB", "2002-02-16", "1234", "20", "CW", "14", "15"};
        log += FormatQsoLine(qso, "UA1AAA", "0") + "\r\n";
    }
    return log.append(trailer);
}

// The contact numbers (1-based) whose call carried the flush flag; 0 stands for the extra empty call.
std::vector<int> FlushPoints(std::string_view log) {
    std::vector<int> points;
    int number = 0;
    ReplayContestLog(log, [&](const LoggedContact& contact, bool flush) {
        if (!contact.call.empty()) ++number;
        if (flush) points.push_back(contact.call.empty() ? 0 : number);
    });
    return points;
}

TEST(LogReplay, FlushesEveryThousandContactsAndOnTheLastLine) {
    EXPECT_EQ(FlushPoints(LogOf(1000)), (std::vector<int>{1000}));
    EXPECT_EQ(FlushPoints(LogOf(1001)), (std::vector<int>{1000, 1001}));
    EXPECT_EQ(FlushPoints(LogOf(2500)), (std::vector<int>{1000, 2000, 2500}));
    EXPECT_EQ(FlushPoints(LogOf(3, "END-OF-LOG:\r\n")), (std::vector<int>{0}));
    EXPECT_EQ(FlushPoints(LogOf(0)), (std::vector<int>{}));
    std::string unterminated = LogOf(2);
    unterminated.resize(unterminated.size() - 2);  // the last line without its line end
    EXPECT_EQ(FlushPoints(unterminated), (std::vector<int>{2}));
}

TEST(LogReplay, ProgressOnlyGrows) {
    std::vector<int> shown;
    ReplayContestLog(LogOf(500), [](const LoggedContact&, bool) {}, [&](int percent) { shown.push_back(percent); });
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), 100);
    EXPECT_LE(shown.size(), 100u);
    for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_GT(shown[i], shown[i - 1]);
}

}  // namespace
}  // namespace tallyhawk
