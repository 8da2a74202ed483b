#include "scoring/contest_table.h"

#include <gtest/gtest.h>

#include "scoring/statistics_store.h"

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
    EXPECT_EQ(RulesFor("XYZ"), nullptr);
    EXPECT_EQ(RulesFor("RS"), nullptr);  // no prefix of RS2 or RS7
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

}  // namespace
}  // namespace tallyhawk
