// Each contest worked from a home and a foreign station: the points of every contact, the bytes of every
// statistics file and the claimed score, worked out by hand. Countries come from the small country file
// in tests/data/scoring_dxcc.
#include <map>

#include "callsign/own_country.h"
#include "core/qso_record.h"
#include "scoring/contest_table.h"
#include "scoring/score_display.h"
#include "scoring/statistics_update.h"
#include "scoring/tests/scoring_folder_fixture.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

struct Qso {
    std::string call;
    std::string band;
    std::string exch;
    int points;
    std::string mode = "CW";
};

using Files = std::map<std::string, std::string>;

// One contest worked from one station: the contacts with the points each earns, then every statistics
// file with its bytes and the claimed score.
struct Sequence {
    std::string contest;
    std::string ownCall;
    std::string continent;
    std::vector<Qso> qsos;
    Files files;
    std::int64_t claimed;
    std::string sent = "001";
    std::vector<std::pair<Band, int>> pointSlots = {};  // checked where a contest keeps more than points
};

const Sequence kSequences[] = {
    // clang-format off
    // W1XX: W1 is worked, no 40 m file. K1ABC: K1 occurs inside the stored AK1, worked.
    {"WPX", "DL1XYZ", "EU",
     {{"DL1ABC", "20", "1", 0}, {"W1AW", "20", "2", 3}, {"W1XX", "40", "3", 3}, {"AK1ABC", "20", "4", 3},
      {"K1ABC", "15", "5", 3}, {"UA9AAA", "15", "6", 3}},
     {{"DL1XYZ.wpx", "DL1   W1    AK1   UA9   "}, {"20m.x", "DL1   W1    AK1   "}, {"15m.x", "UA9   "}}, 15 * 4},
    {"WPX", "W1XYZ", "NA",
     {{"K3LR", "20", "1", 0}, {"VE3ABC", "20", "2", 2}, {"DL1ABC", "20", "3", 3}},
     {{"W1XYZ.wpx", "K3    VE3   DL1   "}, {"20m.x", "K3    VE3   DL1   "}}, 5 * 3},
    {"CQ", "UA3ABC", "EU",
     {{"DL1ABC", "20", "14", 1}, {"W1AW", "20", "05", 3}, {"UA9AAA", "20", "17", 3}, {"UA1ABC", "20", "16", 0},
      {"DL2XYZ", "40", "14", 1}, {"DK1AA", "20", "14", 1}},
     {{"20m.x", " DL    W     RA0   RA1  "}, {"20m.z", " 14  05  17  16 "}, {"40m.x", " DL   "}, {"40m.z", " 14 "}},
     9 * 10},
    {"CQ", "W1XYZ", "NA",
     {{"K3LR", "20", "05", 0}, {"VE3ABC", "20", "04", 2}, {"LU1ABC", "20", "13", 3}},
     {{"20m.x", " W     VE    LU   "}, {"20m.z", " 05  04  13 "}}, 5 * 6},
    // DL1ABC/T earns 8 on phone too; its country is unknown.
    // Its point slots: CW points on 10, CW contacts on 15, phone points on 160, phone contacts on 80.
    {"A10", "W1XYZ", "NA",
     {{"K3LR", "10", "PA", 4 + 1}, {"VE3ABC", "10", "ON", 2 + 1, "PH"}, {"DL1ABC", "10", "001", 4 + 1},
      {"DL1ABC/MM", "10", "1", 4 + 1}, {"DL1ABC/T", "10", "002", 8 + 1, "PH"}},
     {{"cw.was", " PA "}, {"ssb.was", " ON "}, {"cw.cq", " DL   "}, {"cw.itu", " 1  "}, {"ssb.cq", "      "}},
     (12 + 10) * 5, "001", {{Band::M10, 12}, {Band::M15, 3}, {Band::M160, 10}, {Band::M80, 2}}},
    {"A10", "DL1XYZ", "EU",
     {{"W1AW", "10", "MA", 4 + 1}, {"DL2ABC", "10", "001", 4 + 1}},
     {{"cw.was", " MA "}, {"cw.cq", " DL   "}}, 8 * 2},
    {"ARR", "W1XYZ", "NA",
     {{"DL1ABC", "20", "100", 3}, {"K3LR", "20", "MA", 0}, {"JA1ABC", "20", "100", 3}, {"DL2XYZ", "20", "100", 3}},
     {{"20m.x", " DL    JA   "}}, 9 * 2},
    {"ARR", "DL1XYZ", "EU",
     {{"W1AW", "20", "MA", 3}, {"VE3ABC", "20", "ON", 3}, {"K3LR", "40", "PA", 3}, {"DL2ABC", "20", "100", 0},
      {"K1ABC", "20", "MA", 3}},
     {{"20m.x", " MA  ON "}, {"40m.x", " PA "}}, 12 * 3},
    // 160 m is no part of the score.
    {"UBD", "ON4XYZ", "EU",
     {{"DL1ABC", "20", "001", 2}, {"ON5AB", "20", "002", 1}, {"W1AW", "20", "003", 3}, {"W1AW", "160", "004", 0}},
     {{"20m.x", " DL    ON    W    "}, {"160m.x", " W    "}}, 6 * 3},
    // OO5XYZ: XX is no province.
    {"UBD", "DL1XYZ", "EU",
     {{"ON4ABC", "20", "5AN", 10}, {"OO5XYZ", "20", "12XX", 10}, {"F5ABC", "20", "001", 3}, {"W1AW", "20", "002", 1},
      {"ON4ABC", "40", "BR", 10}},
     {{"20m.x", " F    "}, {"20m.y", " ON4   OO5  "}, {"20m.z", " AN "}, {"40m.y", " ON4  "}, {"40m.z", " BR "}},
     34 * 6},
    {"REF", "F5XYZ", "EU",
     {{"F6ABC", "20", "75", 1}, {"TK5AB", "20", "2A", 1}, {"FG5AB", "20", "001", 3}, {"DL1ABC", "20", "002", 1},
      {"DA1ABC", "20", "003", 1}},
     {{"20m.x", " 75 "}, {"20m.y", " 2A  DA "}, {"20m.z", " FG   "}}, 7 * 4},
    {"REF", "HB9XYZ", "EU",
     {{"F5ABC", "20", "75", 5}, {"DL1ABC", "20", "001", 0}, {"DA2XYZ", "40", "002", 5}, {"FR5AB", "20", "003", 5}},
     {{"20m.x", " 75 "}, {"40m.y", " DA "}, {"20m.z", " FR   "}}, 15 * 3},
    {"JA", "JA1XYZ", "AS",
     {{"W1AW", "20", "05", 1}, {"JH1ABC", "20", "10", 0}, {"DL1ABC", "80", "14", 2}, {"K3LR", "20", "05", 1}},
     {{"20m.x", " W    "}, {"20m.z", " 05 "}, {"80m.x", " DL   "}, {"80m.z", " 14 "}}, 4 * 4},
    {"JA", "DL1XYZ", "EU",
     {{"JA1ABC", "160", "10", 4}, {"JD1ABC", "20", "100", 1}, {"W1AW", "20", "MA", 0}},
     {{"160m.x", " 10 "}, {"20m.x", " 100"}}, 5 * 2},
    // W is counted by call area; the 40 m file is opened although the contact does not count.
    {"PAC", "PA3XYZ", "EU",
     {{"DL1ABC", "20", "001", 1}, {"W1AW", "20", "002", 1}, {"PA3ABC", "20", "NH", 0}, {"PA3ABC", "40", "NH", 0}},
     {{"20m.x", " DL    W1   "}, {"40m.x", ""}}, 2 * 2},
    // "R" occurs inside "GR" and "FR" of the province list, so it is taken as a province.
    {"PAC", "DL1XYZ", "EU",
     {{"PA3ABC", "20", "5NH", 1}, {"PB0ABC", "20", "R", 1}, {"W1AW", "15", "001", 0}},
     {{"20m.x", " NH  R  "}, {"15m.x", ""}}, 2 * 2},
    {"AAD", "JA1XYZ", "AS",
     {{"DL1ABC", "20", "001", 3}, {"BY1AB", "20", "002", 1}, {"JH1ABC", "20", "003", 0}, {"W1AW", "80", "004", 6}},
     {{"20m.x", " DL    BY   "}, {"80m.x", " W    "}}, 10 * 3},
    {"AAD", "DL1XYZ", "EU",
     {{"JA1ABC", "160", "001", 3}, {"W1AW", "20", "002", 0}, {"UA9AAA", "10", "003", 2}},
     {{"160m.x", " JA1  "}, {"20m.x", ""}, {"10m.x", " UA9  "}}, 5 * 2},
    {"SP", "SP5XYZ", "EU",
     {{"DL1ABC", "20", "001", 1}, {"SP6ABC", "20", "002", 3}, {"W1AW", "20", "003", 3}},
     {{"20m.x", " DL    SP    W    "}}, 7 * 3},
    // SN1ABC: X is no province letter.
    // provinces are counted by bytes.
    {"SP", "DL1XYZ", "EU",
     {{"SP5ABC", "20", "001W", 3}, {"SQ9ABC", "20", "K", 3}, {"SP6ABC", "20", "5W", 3}, {"SN1ABC", "20", "X", 3},
      {"W1AW", "40", "001", 0}},
     {{"20m.x", "WK"}, {"40m.x", ""}}, 12 * 2},
    {"OKM", "OK1XYZ", "EU",
     {{"DL1ABC", "20", "001", 1}, {"W1AW", "20", "002", 3}, {"OM3ABC", "20", "BAA", 0}, {"DL1XX", "20", "003", 1}},
     {{"20m.x", " DL1   W1   "}}, 5 * 2},
    {"OKM", "W1XYZ", "NA",
     {{"OK1ABC", "20", "001PRA", 3}, {"OM3ABC", "40", "BAA", 3}, {"DL1ABC", "20", "001", 0}},
     {{"20m.x", " PRA  "}, {"40m.x", " BAA  "}}, 6 * 2},
    // only the 10 and 15 m files count.
    {"RS2", "G3XYZ", "EU",
     {{"DL1ABC", "15", "001", 3}, {"W1AW", "10", "002", 3}, {"GM3ABC", "10", "003", 0}, {"DL1ABC", "20", "004", 0}},
     {{"15m.x", " DL   "}, {"10m.x", " W1   "}, {"20m.x", " DL   "}}, 6 * 2},
    {"RS7", "VK2XYZ", "OC",
     {{"G3ABC", "40", "10LON", 30}, {"GM4ABC", "40", "5AB", 30}, {"DL1ABC", "40", "001", 0}},
     {{"40m.x", " LON   AB   "}}, 60 * 2},
    {"RUS", "UA3XYZ", "EU",
     {{"UA1ABC", "20", "MA", 2}, {"DL1ABC", "20", "001", 3}, {"W1AW", "20", "002", 5}, {"UA9AAA", "20", "NS", 5}},
     {{"20m.x", " RA1   DL    W     RA0  "}, {"20m.z", " MA  NS "}}, 15 * 6},
    {"RUS", "DL1XYZ", "EU",
     {{"UA3ABC", "20", "MA", 10}, {"DL2ABC", "20", "001", 2}, {"UA2ABC", "20", "KA", 10}},
     {{"20m.x", " RA1   DL    RA2  "}, {"20m.z", " MA  KA "}}, 22 * 5},
    {"UKR", "UT5XYZ", "EU",
     {{"UR5ABC", "20", "KI", 0}, {"DL1ABC", "20", "001", 2}, {"W1AW", "20", "002", 3}},
     {{"20m.x", " DL    W    "}}, 5 * 2},
    {"UKR", "DL1XYZ", "EU",
     {{"UR5ABC", "20", "001KI", 10}, {"UT1ABC", "20", "XX", 10}, {"DL2ABC", "20", "002", 1}},
     {{"20m.x", " UR    DL   "}, {"20m.z", " KI "}}, 21 * 3},
    {"CQM", "UA3XYZ", "EU",
     {{"UA4PAB", "20", "001", 2}, {"UA3ABC", "20", "002", 1}, {"W1AW", "20", "003", 3}, {"UA9AAA", "20", "004", 3}},
     {{"20m.x", " RA4P  RA1   W     RA0  "}}, 9 * 4},
    {"CQM", "DL1XYZ", "EU",
     {{"UU4JAB", "20", "001", 2}, {"UR5ABC", "20", "002", 2}, {"DL2ABC", "20", "003", 1}},
     {{"20m.x", " UU5   UR    DL   "}}, 5 * 3},
    // DL2ABC: own zone and continent.
    {"IAR", "DL1XYZ", "EU",
     {{"DL2ABC", "20", "28", 0}, {"W1AW", "20", "08", 5}, {"F5ABC", "20", "27", 3}, {"DA0HQ", "20", "DARC", 1},
      {"ON4ABC", "20", "AC", 1}, {"G3ABC", "20", "R1", 1}},
     {{"20m.x", " DA0  "}, {"20m.z", " 28  08  27  R1 "}}, 11 * 5, "28"},
    {"IAR", "W1XYZ", "NA",
     {{"K3LR", "20", "08", 0}, {"K6ABC", "20", "06", 3}, {"DL1ABC", "20", "28", 5}},
     {{"20m.z", " 08  06  28 "}}, 8 * 3, "08"},
    {"OCE", "VK2XYZ", "OC",
     {{"ZL1ABC", "20", "001", 1}, {"VK3ABC", "20", "002", 1}, {"W1AW", "80", "003", 10}},
     {{"20m.x", " ZL1   VK3  "}, {"80m.x", " W1   "}}, 12 * 3},
    {"OCE", "DL1XYZ", "EU",
     {{"VK2ABC", "40", "001", 5}, {"W1AW", "20", "002", 0}, {"ZL1ABC", "160", "003", 20}},
     {{"40m.x", " VK2  "}, {"160m.x", " ZL1  "}}, 25 * 2},
    // 160 m is no part of the score.
    {"SAC", "SM5XYZ", "EU",
     {{"DL1ABC", "20", "001", 2}, {"W1AW", "20", "002", 3}, {"OH1ABC", "20", "003", 0}, {"W1AW", "160", "004", 0}},
     {{"20m.x", " DL    W    "}, {"160m.x", " W    "}}, 5 * 2},
    {"SAC", "W1XYZ", "NA",
     {{"SM5ABC", "40", "001", 3}, {"OH0ABC", "20", "002", 1}, {"LA1ABC", "20", "003", 1}, {"SM5XX", "20", "004", 1}},
     {{"40m.x", " SM5  "}, {"20m.x", " OH0   LA1   SM5  "}}, 6 * 4},
    {"LZ", "LZ1XYZ", "EU",
     {{"DL1ABC", "20", "28", 1}, {"W1AW", "20", "08", 3}, {"LZ2ABC", "20", "28", 1}},
     {{"20m.x", " 28  08 "}}, 5 * 2},
    {"LZ", "DL1XYZ", "EU",
     {{"LZ1ABC", "20", "BU", 6}, {"DL2ABC", "20", "28", 1}, {"LZ2ABC", "160", "BU", 0}},
     {{"20m.x", " BU  28 "}, {"160m.x", " BU "}}, 7 * 3},
    // clang-format on
};

class ContestSequenceTest : public testing::ScoringFolderFixture {
protected:
    // A fresh contest: empty statistics and counters, the own station as start-up computes it.
    void Operate(std::string contest, std::string ownCall, std::string continent, std::string sent = "001") {
        for (const char* folder : {"statistics", "database"}) {
            fs::remove_all(PathOf(folder));
            fs::create_directories(PathOf(folder));
        }
        m_contest = std::move(contest);
        m_sent = std::move(sent);
        m_countries->BeginOperation();
        const std::string ownPrefix =
            ComputeOwnCountryPrefix(*m_countries, ownCall, OwnCountryKeyFor(m_contest));
        m_own = {std::move(ownCall), ownPrefix, std::move(continent)};
        m_qsos.Clear();
        m_points.Clear();
    }

    void Log(const std::vector<Qso>& qsos) {
        for (const Qso& q : qsos) {
            SCOPED_TRACE(q.call + " on " + q.band);
            const auto before = m_points.Total();
            const QsoRecord record{q.call, "2024-11-30", "1200", q.band, q.mode, m_sent, q.exch};
            m_countries->BeginOperation();
            UpdateStatistics({ProgramFolder(Folder()), m_contest, m_own, *m_countries}, q.call,
                             MakeQsoSummary(record), m_points);
            m_qsos.Increment(q.band);
            EXPECT_EQ(m_points.Total() - before, q.points);
        }
    }

    // Every file of the statistics folder with its bytes.
    Files StatisticsFiles() const {
        Files files;
        for (const auto& entry : fs::directory_iterator(PathOf("statistics"))) {
            files[entry.path().filename().string()] = Read("statistics/" + entry.path().filename().string());
        }
        return files;
    }

    std::int64_t Claimed() const {
        const ScoreLayout layout = RulesFor(m_contest)->layout(m_own);
        const StatisticsStore store{ProgramFolder(Folder())};
        return BuildScoreDisplay(layout, {m_qsos, m_points}, store, m_own.call, "").claimedScore;
    }

    std::string m_contest;
    std::string m_sent;
    OwnStation m_own;
    BandQsoCounters m_qsos;
    BandPointCounters m_points;
};

TEST_F(ContestSequenceTest, EachContestFromAHomeAndAForeignStation) {
    for (const Sequence& s : kSequences) {
        SCOPED_TRACE(s.contest + " at " + s.ownCall);
        Operate(s.contest, s.ownCall, s.continent, s.sent);
        Log(s.qsos);
        for (const auto& [band, points] : s.pointSlots) EXPECT_EQ(m_points.Points(band), points);
        EXPECT_EQ(StatisticsFiles(), s.files);
        EXPECT_EQ(Claimed(), s.claimed);
    }
}

}  // namespace
}  // namespace tallyhawk
