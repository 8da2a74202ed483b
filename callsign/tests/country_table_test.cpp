// The country lookup: field cuts of a record, the search key of a call, and the country file kept in
// memory (the fuzz target compares it with a fresh scan).
#include "callsign/country_table.h"

#include <gtest/gtest.h>

#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

TEST(CountryInfo, CutsFieldsByColumn) {
    const CountryInfo germany{"Fed. Rep. of Germany      14:  DL:   :EU"};
    EXPECT_EQ(germany.Name(), "Fed. Rep. of Germany");
    EXPECT_EQ(germany.CqZone(), "14");
    EXPECT_EQ(germany.Continent(), "EU");

    const CountryInfo itu{"ITU HQ                    5:   4U1/i::EU"};
    EXPECT_EQ(itu.CqZone(), "5");
    EXPECT_EQ(itu.PrincipalPrefix(), "4U1/i");

    const CountryInfo longName{"ABCDEFGHIJKLMNOPQRSTUVWXYZ14   W:     NA"};
    EXPECT_EQ(longName.Name(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(longName.Name25(), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(longName.ContinentRest(), "NA");

    // Short records: whatever columns exist are cut, the rest is empty.
    const CountryInfo shortRecord{"Nowhere                   9"};
    EXPECT_EQ(shortRecord.CqZone(), "9");
    EXPECT_EQ(shortRecord.PrincipalPrefix(), "");
    EXPECT_EQ(shortRecord.Continent(), "");
    const CountryInfo prefixOnly{"Nowhere                   9    X"};
    EXPECT_EQ(prefixOnly.PrincipalPrefix(), "");  // the one character taken for the ":"
    EXPECT_TRUE(CountryInfo{}.Empty());
}

PrefixLists Lists(std::string two, std::string three, std::string four) {
    return {PrefixList(std::move(two)), PrefixList(std::move(three)), PrefixList(std::move(four))};
}

TEST(CountrySearchKey, CutsAndExtendsTheWpxPrefixByTheLists) {
    const PrefixLists lists = Lists(" DL EA UA ", " EA8 R1A R8F ", " UA9F VP2E ");
    const struct {
        const char* call;
        const char* key;
    } cases[] = {
        {"DL1ABC", "DL"},                           // two-character list
        {"DL10AB", "DL"},                           // DL10 searched as DL1, then cut
        {"EA8ABC", "EA8"},                          // three-character list keeps the key whole
        {"EA1ABC", "EA"},                           //
        {"UA9FAB", "UA9F"},                         // four-character list takes the next character
        {"UA9AAB", "UA"},                           //
        {"R8FAB", "R8F"},                           // three-character list takes the next character
        {"R8AAB", "R8"},                            //
        {"VP2EAB", "VP2E"},                         //
        {"G3ABC/VP2E", "VP2E"}, {"4X10AB", "4X1"},  // not listed: the WPX prefix cut to three
        {"R1ANB", "R1AN"},                          // R1A followed by N
        {"R1ABC", "R1A"},                           //
        {"  DL1ABC ", "DL"},                        // blanks around the call do not count
        {"3DA0ABC", ""},                            // no WPX prefix
    };
    for (const auto& [call, key] : cases) {
        SCOPED_TRACE(call);
        EXPECT_EQ(CountrySearchKey(call, lists), key);
    }
}

TEST(CountrySearchKey, WithoutListsIsTheWpxPrefixCutToThree) {
    const PrefixLists none;
    EXPECT_EQ(CountrySearchKey("DL100AB", none), "DL1");
    EXPECT_EQ(CountrySearchKey("G3ABC/VP2E", none), "VP2E");
    EXPECT_EQ(CountrySearchKey("R1ANB", none), "R1");
}

TEST(PrefixList, AnswersAsASearchOfTheText) {
    const std::string text = " AB  C D-E  x";
    const PrefixList list(text);
    for (const char* code : {"AB", "", " ", "C", "D-E", "x", "AB ", " C", "Z", "C D-E"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(list.Contains(code), text.find(" " + std::string(code) + " ") != std::string::npos);
    }
}

TEST(TextModeLines, DropsTheCrOfCrLfOnly) {
    const auto lines = TextModeLines("a\r\nb\n\nc\r\rd\ne\r");
    const std::vector<std::string_view> expected = {"a", "b", "", "c\r\rd", "e\r"};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(TextModeLines("").empty());
    EXPECT_EQ(TextModeLines("x\n").size(), 1u);
}

class CountryTableTest : public testing::ProgramFolderFixture {
protected:
    CountryTable Table() {
        CountryTable table{ProgramFolder(Folder())};
        table.LoadPrefixLists();
        return table;
    }
    void SetModified(const std::string& relative, int secondsLater) {
        const auto path = PathOf(relative);
        std::filesystem::last_write_time(
            path, std::filesystem::last_write_time(path) + std::chrono::seconds(secondsLater));
    }
};

TEST_F(CountryTableTest, LastMatchingLineWinsAndShortLinesComeWhole) {
    Write("dxcc/cty.dat",
          "First                     14:  DL:   :EU DL1 \r\n"
          "\r\n"
          "Second                    15:  DL:   :EU DL1 DK1 \r\n"
          "Short DK1 \r\n"
          "Unterminated              16:  XX:   :EU DM1");
    CountryTable table = Table();
    EXPECT_EQ(table.LookupCountry("DL1ABC").record, "Second                    15:  DL:   :EU");
    EXPECT_EQ(table.LookupCountry("DK1ABC").record, "Short DK1 ");
    EXPECT_TRUE(table.LookupCountry("DM1ABC").Empty());  // the last word has no blank after it
    EXPECT_TRUE(table.LookupCountry("ZZ1ABC").Empty());
}

TEST_F(CountryTableTest, ShortCallsAndMissingFilesGiveTheEmptyRecord) {
    // The empty key of a two-character call would match this line; the file is not even read.
    Write("dxcc/cty.dat", "Anything  14:  A:  :EU \r\n");
    CountryTable table = Table();
    EXPECT_TRUE(table.LookupCountry("W1").Empty());
    EXPECT_TRUE(table.LookupCountry("  W1  ").Empty());
    EXPECT_FALSE(table.LookupCountry("3DA0AB").Empty());  // empty key: two blanks match
    std::filesystem::remove(PathOf("dxcc/cty.dat"));
    table.BeginOperation();
    EXPECT_TRUE(table.LookupCountry("3DA0AB").Empty());
}

TEST_F(CountryTableTest, PrefixListsUseTheirFirstLineOnly) {
    Write(
        "dxcc/cty.dat",
        "Spain                     14:  EA:   :EU EA \r\nCanary                    33:  EA8:  :AF EA8 \r\n");
    Write("dxcc/prx2.dat", " EA \r\n EB \r\n");
    Write("dxcc/prx3.dat", "\r\n EA8 \r\n");
    CountryTable table = Table();
    EXPECT_EQ(table.Lists().two.Text(), " EA ");
    EXPECT_EQ(table.Lists().three.Text(), "");
    EXPECT_EQ(table.LookupCountry("EA8ABC").PrincipalPrefix(), "EA");  // EA8 not kept: cut to EA
    EXPECT_EQ(table.LookupCountry("EA1ABC").PrincipalPrefix(), "EA");
}

TEST_F(CountryTableTest, AChangedFileIsReadAtTheNextOperation) {
    Write("dxcc/cty.dat", "Old                       14:  DL:   :EU DL1 \r\n");
    CountryTable table = Table();
    EXPECT_EQ(table.LookupCountry("DL1ABC").Name(), "Old");
    // Same size, later modification time: still picked up.
    Write("dxcc/cty.dat", "New                       14:  DL:   :EU DL1 \r\n");
    SetModified("dxcc/cty.dat", 5);
    EXPECT_EQ(table.LookupCountry("DL1ABC").Name(), "Old");  // within the operation the copy holds
    table.BeginOperation();
    EXPECT_EQ(table.LookupCountry("DL1ABC").Name(), "New");
    // Another size, same second: picked up too.
    Write("dxcc/cty.dat", "Newer                     14:  DL:   :EU DL1 \r\n");
    table.BeginOperation();
    EXPECT_EQ(table.LookupCountry("DL1ABC").Name(), "Newer");
}

}  // namespace
}  // namespace tallyhawk
