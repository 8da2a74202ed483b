#include "scoring/statistics_store.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

TEST(MultiplierEntries, BytesAndNeedlesOfEachKind) {
    struct Case {
        MultiplierEntry entry;
        std::string bytes;
        std::string needle;
    };
    const Case cases[] = {
        {CountryEntry("DL"), " DL   ", " DL "},
        {CountryEntry("FT5/W"), " FT5/W", " FT5/W "},  // no trailing blank left
        {CountryEntry("ABCDEF"), " ABCDE", " ABCDEF "},
        {CountryEntry(""), "      ", "  "},
        {CodeEntry("14"), " 14 ", " 14 "},
        {CodeEntry("5"), " 5  ", " 5 "},
        {CodeEntry("1234"), " 123", " 1234 "},
        {StateEntry("MA"), " MA ", " MA "},
        {StateEntry("X"), " X  ", " X "},
        {PaddedEntry("DL1"), " DL1  ", " DL1  "},
        {PaddedEntry("ABCDEF"), " ABCDE", " ABCDE"},
        {BarePrefixEntry("AK1"), "AK1   ", "AK1"},
        {LetterEntry('W'), "W", "W"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("[" + c.bytes + "]");
        EXPECT_EQ(c.entry.bytes, c.bytes);
        EXPECT_EQ(c.entry.needle, c.needle);
    }
}

// The files on disk and the in-memory copies must give the same bytes for the same steps.
class StatisticsStoreTest : public testing::ProgramFolderFixture {
protected:
    template <typename Steps>
    void ExpectBothStores(const std::string& name, Steps steps, const std::string& expected) {
        StatisticsStore disk{ProgramFolder(Folder())};
        MultiplierCopies copies;
        steps(static_cast<MultiplierFiles&>(disk));
        steps(static_cast<MultiplierFiles&>(copies));
        EXPECT_EQ(Read("statistics/" + name), expected);
        EXPECT_EQ(copies.Copy(name), expected);
    }
};

TEST_F(StatisticsStoreTest, SearchesArePlainSubstringsOfTheWholeFile) {
    ExpectBothStores(
        "20m.x",
        [](MultiplierFiles& files) {
            // A five-character key is appended again while it is the last entry: no blank follows it.
            EXPECT_TRUE(files.FindOrAppend("20m.x", CountryEntry("FT5/W")));
            EXPECT_TRUE(files.FindOrAppend("20m.x", CountryEntry("FT5/W")));
            EXPECT_FALSE(files.FindOrAppend("20m.x", CountryEntry("FT5/W")));  // now followed by an entry
            EXPECT_TRUE(files.FindOrAppend("20m.x", CountryEntry("VP2EAB")));  // six characters: never found
            EXPECT_TRUE(files.FindOrAppend("20m.x", CountryEntry("VP2EAB")));
        },
        " FT5/W FT5/W VP2EA VP2EA");
    ExpectBothStores(
        "X.wpx",
        [](MultiplierFiles& files) {
            EXPECT_TRUE(files.FindOrAppend("X.wpx", BarePrefixEntry("AK1")));
            EXPECT_FALSE(files.FindOrAppend("X.wpx", BarePrefixEntry("K1")));  // inside AK1
            EXPECT_FALSE(files.FindOrAppend("X.wpx", BarePrefixEntry("1 ")));  // across entries
            EXPECT_TRUE(files.FindOrAppend("X.wpx", BarePrefixEntry("k1")));   // case counts
        },
        "AK1   k1    ");
}

TEST_F(StatisticsStoreTest, FailedListTestAndOpenCreateTheFileEmpty) {
    ExpectBothStores(
        "20m.z", [](MultiplierFiles& files) { EXPECT_FALSE(files.FindOrAppendIf("20m.z", CodeEntry("XX"), false)); },
        "");
    EXPECT_TRUE(std::filesystem::exists(PathOf("statistics/20m.z")));
    Write("statistics/40m.x", " DL   ");
    StatisticsStore store{ProgramFolder(Folder())};
    store.Open("40m.x");
    store.Open("80m.x");
    EXPECT_EQ(Read("statistics/40m.x"), " DL   ");
    EXPECT_TRUE(std::filesystem::exists(PathOf("statistics/80m.x")));
}

TEST_F(StatisticsStoreTest, CountIsSizeOverWidthAndAMissingFolderComesBack) {
    StatisticsStore store{ProgramFolder(Folder())};
    Write("statistics/20m.x", "1234567890123");
    EXPECT_EQ(store.Count("20m.x", 6), 2u);
    EXPECT_EQ(store.Count("20m.x", 4), 3u);
    EXPECT_EQ(store.Count("20m.x", 1), 13u);
    EXPECT_EQ(store.Count("40m.x", 6), 0u);
    std::filesystem::remove_all(PathOf("statistics"));
    EXPECT_TRUE(store.FindOrAppend("20m.x", CountryEntry("DL")));
    store.Append("20m.y", CountryEntry("DL1"));
    EXPECT_EQ(Read("statistics/20m.x"), " DL   ");
    EXPECT_EQ(Read("statistics/20m.y"), " DL1  ");
}

}  // namespace
}  // namespace tallyhawk
