#include "core/contest_id.h"
#include "scoring/contest_table.h"
#include "scoring/statistics_store.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

ContactFacts Facts(std::string country, std::string cont, Band band = Band::M20) {
    ContactFacts q;
    q.call = "X1X";
    q.country = std::move(country);
    q.cont = std::move(cont);
    q.band = band;
    q.mode = "CW";
    return q;
}

TEST(ContestTable, OneRowPerContestInListOrder) {
    const auto rules = AllContestRules();
    ASSERT_EQ(rules.size(), kContestNames.size());
    for (std::size_t i = 0; i < rules.size(); ++i) {
        SCOPED_TRACE(rules[i].name);
        EXPECT_EQ(rules[i].name, kContestNames[i].listName);
        EXPECT_EQ(rules[i].id, kContestNames[i].code);
        EXPECT_EQ(RulesFor(rules[i].id), &rules[i]);
    }
    EXPECT_EQ(RulesFor("XYZ"), nullptr);
    EXPECT_EQ(RulesFor("RS"), nullptr);
}

TEST(ContestPoints, WpxAndCqWwByContinent) {
    const OwnStation europe{"DL1XYZ", "DL", "EU"};
    const OwnStation america{"W1XYZ", "W", "NA"};
    struct Case {
        ContactFacts q;
        const OwnStation& own;
        int points;
    };
    const Case cases[] = {
        {Facts("DL", "EU"), europe, 0}, {Facts("F", "EU"), europe, 1},  {Facts("W", "NA"), europe, 3},
        {Facts("VE", "NA"), america, 2}, {Facts("W", "NA"), america, 0}, {Facts("", ""), europe, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.q.country + " worked by " + c.own.country);
        EXPECT_EQ(RulesFor("WPX")->points(c.q, c.own), c.points);
        EXPECT_EQ(RulesFor("CQ")->points(c.q, c.own), c.points);
    }
}

TEST(ContestPoints, RuleEdgesWithPlainValues) {
    ContactFacts da2 = Facts("DL", "EU");
    da2.wpx = "DA2";
    EXPECT_EQ(RulesFor("REF")->points(da2, {"JA1XYZ", "JA", "AS"}), 3);  // DA scores for anyone
    ContactFacts iaru = Facts("DL", "EU");
    iaru.sent = "28";
    iaru.exch = "28";
    const OwnStation dl{"DL1XYZ", "DL", "EU"};
    EXPECT_EQ(RulesFor("IAR")->points(iaru, dl), 0);
    iaru.exch = "AC";
    EXPECT_EQ(RulesFor("IAR")->points(iaru, dl), 1);
    const OwnStation australia{"VK2XYZ", "VK", "OC"};
    EXPECT_EQ(RulesFor("RS7")->points(Facts("G", "EU", Band::M40), australia), 30);
    EXPECT_EQ(RulesFor("RS7")->points(Facts("G", "EU", Band::M40), {"W1XYZ", "W", "NA"}), 15);
    EXPECT_EQ(RulesFor("RS2")->points(Facts("G", "EU", Band::M15), australia), 3);
    EXPECT_EQ(RulesFor("OCE")->points(Facts("VK", "OC", Band::M160), australia), 20);
    EXPECT_EQ(RulesFor("AAD")->points(Facts("BY", "AS", Band::M160), dl), 3);
    EXPECT_EQ(RulesFor("JA")->points(Facts("JA", "AS", Band::M80), dl), 2);
    EXPECT_EQ(RulesFor("SAC")->points(Facts("SM", "EU", Band::M80), {"W1XYZ", "W", "NA"}), 3);
    EXPECT_EQ(RulesFor("SAC")->points(Facts("SM", "EU", Band::M15), {"W1XYZ", "W", "NA"}), 1);
}

TEST(ContestPoints, BandsThatEarnNoPointsStillRecordMultipliers) {
    BandPointCounters points;
    MultiplierCopies copies;
    ContactFacts q = Facts("DL", "EU", Band::M160);
    q.exch = "28";
    ScoreContact(*RulesFor("LZ"), q, {"LZ1XYZ", "LZ", "EU"}, points, copies);
    EXPECT_EQ(points.Total(), 0);
    EXPECT_EQ(copies.Copy("160m.x"), " 28 ");
}

TEST(ContestPoints, Arrl10mRecountCountsOnlyCwAndPhone) {
    ContactFacts rtty = Facts("DL", "EU", Band::M10);
    rtty.mode = "RY";
    rtty.exch = "001";
    const OwnStation own{"W1XYZ", "W", "NA"};
    BandPointCounters updated, recounted;
    MultiplierCopies updateFiles, recountFiles;
    ScoreContact(*RulesFor("A10"), rtty, own, updated, updateFiles, ScoringPass::Update);
    ScoreContact(*RulesFor("A10"), rtty, own, recounted, recountFiles, ScoringPass::Recount);
    EXPECT_EQ(updated.Points(Band::M160), 2);  // the update counts every mode but CW as phone
    EXPECT_EQ(updateFiles.Copy("ssb.cq"), " DL   ");
    EXPECT_EQ(recounted.Total(), 0);
    EXPECT_EQ(recountFiles.Copy("ssb.cq"), "");
}

TEST(MultiplierFileNames, TheFilesEachContestKeeps) {
    EXPECT_EQ(MultiplierFileNames(*RulesFor("WPX"), "DL1XYZ"),
              (std::vector<std::string>{"DL1XYZ.wpx", "10m.x", "15m.x", "20m.x", "40m.x", "80m.x", "160m.x"}));
    EXPECT_EQ(MultiplierFileNames(*RulesFor("A10"), "W1XYZ"),
              (std::vector<std::string>{"cw.cq", "cw.was", "cw.itu", "ssb.cq", "ssb.was", "ssb.itu"}));
    EXPECT_EQ(MultiplierFileNames(*RulesFor("REF"), "F5XYZ").size(), 18u);
    EXPECT_EQ(MultiplierFileNames(*RulesFor("CQ"), "F5XYZ")[6], "10m.z");
}

// The update writes the files on disk and the recount in-memory copies; for the same contacts every
// contest must leave the same bytes in both.
class SharedRuleUnits : public testing::ProgramFolderFixture {};

TEST_F(SharedRuleUnits, FilesAndCopiesEndEqualInEveryContest) {
    const std::vector<ContactFacts> contacts = [] {
        std::vector<ContactFacts> list;
        const char* const rows[][5] = {
            {"DL1ABC", "DL", "EU", "DL1", "14"},   {"ON4ABC", "ON", "EU", "ON4", "5AN"}, {"W1AW", "W", "NA", "W1", "MA"},
            {"JA1ABC", "JA", "AS", "JA1", "10"},   {"SP5AB", "SP", "EU", "SP5", "W"},    {"G3ABC", "G", "EU", "G3", "LON"},
            {"UR5ABC", "UR", "EU", "UR5", "KI"},   {"DA0HQ", "DL", "EU", "DA0", "DARC"}, {"VK2ABC", "VK", "OC", "VK2", "30"},
            {"SM5ABC", "SM", "EU", "SM5", "001"}, {"PA3ABC", "PA", "EU", "PA3", "NH"},  {"OK1ABC", "OK", "EU", "OK1", "PRA"},
        };
        for (const auto& row : rows) {
            for (Band band : {Band::M20, Band::M40}) {
                ContactFacts q = Facts(row[1], row[2], band);
                q.call = row[0];
                q.wpx = row[3];
                q.exch = row[4];
                q.sent = "14";
                q.cqmKey = row[1];
                list.push_back(q);
            }
        }
        return list;
    }();
    for (const ContestRules& rules : AllContestRules()) {
        SCOPED_TRACE(rules.name);
        std::filesystem::remove_all(PathOf("statistics"));
        StatisticsStore disk{ProgramFolder(Folder())};
        MultiplierCopies copies;
        BandPointCounters diskPoints, copyPoints;
        for (const OwnStation& own : {OwnStation{"DL1XYZ", "DL", "EU"}, OwnStation{"W1XYZ", "W", "NA"}}) {
            for (const ContactFacts& q : contacts) {
                ScoreContact(rules, q, own, diskPoints, disk);
                ScoreContact(rules, q, own, copyPoints, copies, ScoringPass::Recount);
            }
        }
        EXPECT_EQ(diskPoints.Total(), copyPoints.Total());
        for (const std::string& name : MultiplierFileNames(rules, "DL1XYZ")) {
            EXPECT_EQ(Read("statistics/" + name), copies.Copy(name)) << name;
        }
    }
}

}  // namespace
}  // namespace tallyhawk
