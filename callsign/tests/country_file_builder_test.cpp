// Reading the AD1C country file and building the program's country files from it.
#include "callsign/country_file_builder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "callsign/code_lists.h"
#include "callsign/country_table.h"
#include "core/file_io.h"
#include "core/text.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

constexpr std::string_view kSample =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
    "    DA,DB,DL,=DL0XX/VP8;\r\n"
    "Spain:                    14:  37:  EU:   40.37:     4.88:    -1.0:  EA:\r\n"
    "    AM,EA,EB;\r\n"
    "Canary Islands:           33:  36:  AF:   28.32:    15.85:     0.0:  EA8:\n"
    "    EA8,EB8,EA9(34){EU};\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    R1,R2,R9F(17),UA;\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\n"
    "    R8,R9,UA9;\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IT9;\n"
    "Broken record without enough fields:  14;\n"
    "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\n"
    "    K,W,AA6(3),=DL0XX;\n";

TEST(CountrySource, ReadsCountriesEntriesAndOverrides) {
    const CountrySource source = ParseCountrySource(kSample);
    ASSERT_EQ(source.countries.size(), 7u);
    EXPECT_EQ(source.countries[0].name, "Fed. Rep. of Germany");
    EXPECT_EQ(source.countries[2].cqZone, 33);
    EXPECT_EQ(source.countries[2].ituZone, 36);
    EXPECT_EQ(source.countries[5].primaryPrefix, "IT9");  // the WAE mark dropped
    const SourceTarget* ea9 = ResolvePrefix(source, "EA9ABC");
    ASSERT_NE(ea9, nullptr);
    EXPECT_EQ(ea9->country, 2);
    EXPECT_EQ(ea9->cqZone, 34);
    EXPECT_EQ(ea9->continent, "EU");
    EXPECT_EQ(ResolveCall(source, "DL0XX")->country, 6);  // exact call first, the later entry wins
    EXPECT_EQ(ResolveCall(source, "DL0XY")->country, 0);
    EXPECT_EQ(ResolveCall(source, "ZZ1ZZ"), nullptr);
    EXPECT_TRUE(ParseCountrySource("").countries.empty());
    EXPECT_TRUE(ParseCountrySource("no colons at all; ;;;").countries.empty());
}

TEST(CountryFileBuilder, PrincipalPrefixesAreTheOnesTheRulesCompare) {
    const std::pair<const char*, const char*> cases[] = {
        {"K", "W"},     {"UA9", "RA0"},     {"4U1I", "4U1/i"},    {"JD/o", "JD1"},
        {"SV/a", "SY"}, {"VP8/g", "VP8/g"}, {"ABCDEFG", "ABCDE"},
    };
    for (const auto& [primary, principal] : cases) {
        SCOPED_TRACE(primary);
        EXPECT_EQ(PrincipalPrefixFor(primary), principal);
    }
}

using CountryFileBuilderTest = testing::ProgramFolderFixture;

TEST_F(CountryFileBuilderTest, BuiltFilesFindTheSourceCountryOfEachCallShape) {
    ASSERT_TRUE(WriteCountryFiles(ProgramFolder(Folder()), BuildCountryFiles(ParseCountrySource(kSample))));
    CountryTable table{ProgramFolder(Folder())};
    table.LoadPrefixLists();
    const struct {
        const char* call;
        const char* prefix;
        const char* zone;
    } cases[] = {
        {"DL1ABC", "DL", "14"},  {"DA0AB", "DL", "14"},       {"DL10AB", "DL", "14"}, {"EA1ABC", "EA", "14"},
        {"AM100X", "EA", "14"},  {"EA8ABC", "EA8", "33"},     {"EB8AB", "EA8", "33"}, {"EA9AB", "EA8", "34"},
        {"UA1ABC", "RA1", "16"}, {"R9FAB", "RA1", "17"},      {"R9AB", "RA0", "17"},  {"R8FAB", "RA0", "17"},
        {"UA9ABC", "RA0", "17"}, {"IT9ABC", "IT9", "15"},     {"K1ABC", "W", "5"},    {"AA6BB", "W", "3"},
        {"W1ABC/4", "W", "5"},   {"DL1ABC/EA8", "EA8", "33"}, {"QQ1ABC", "", ""},
    };
    table.BeginOperation();
    for (const auto& [call, prefix, zone] : cases) {
        SCOPED_TRACE(call);
        const CountryInfo info = table.LookupCountry(call);
        EXPECT_EQ(info.PrincipalPrefix(), prefix);
        EXPECT_EQ(info.CqZone(), zone);
    }
}

TEST(CountryFileBuilder, HeadsFollowTheFortyColumnLayout) {
    const CountryFiles files = BuildCountryFiles(ParseCountrySource(kSample));
    EXPECT_EQ(files.countryFile.substr(0, 44), "Fed. Rep. of Germany      14:  DL:   :EU DA ");
    EXPECT_NE(files.countryFile.find("\r\nUnited States of America  3:   W:    :NA "), std::string::npos);
    EXPECT_EQ(files.countryFile.substr(files.countryFile.size() - 2), "\r\n");
    for (const std::string* list : {&files.twoList, &files.threeList, &files.fourList}) {
        EXPECT_EQ(list->front(), ' ');
        EXPECT_EQ(list->substr(list->size() - 3), " \r\n");
    }
}

TEST(CountryFileBuilder, DamagedSourcesKeepTheLineLayout) {
    std::vector<std::string> sources;
    for (std::size_t length = 0; length < kSample.size(); length += 29)
        sources.emplace_back(kSample.substr(0, length));
    sources.emplace_back("Bad\r\nName:\x01:\x02:\n\n:::\x7F\t:;=::,(((;{:;");
    sources.emplace_back(std::string(300, ':') + ";");
    for (const std::string& source : sources) {
        SCOPED_TRACE(source);
        const CountryFiles files = BuildCountryFiles(ParseCountrySource(source));
        for (std::string_view line : TextModeLines(files.countryFile)) {
            ASSERT_GE(line.size(), kCountryRecordLength + 1);
            EXPECT_EQ(line[40], ' ');
        }
        EXPECT_EQ(TextModeLines(files.twoList).size(), 1u);
    }
}

// The shipped files: every line's head in its columns, every key on one line only and never a word of
// a head, and every prefix that the code lists and contest rules compare present as a principal prefix.
TEST(ShippedCountryFile, KeysAndHeadsAreUnambiguous) {
    const std::string text =
        ReadFileOrEmpty(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc" / "cty.dat");
    std::map<std::string, int, std::less<>> lineOfKey;
    WordSet headWords, principalPrefixes;
    int number = 0;
    for (std::string_view line : TextModeLines(text)) {
        ++number;
        SCOPED_TRACE(line);
        ASSERT_GE(line.size(), kCountryRecordLength + 1);
        const CountryInfo info{std::string(line.substr(0, kCountryRecordLength))};
        EXPECT_FALSE(info.PrincipalPrefix().empty());
        EXPECT_TRUE(IsUpperLetter(line[38]) && IsUpperLetter(line[39]));
        EXPECT_TRUE(ParseInt(info.CqZone()).has_value());
        EXPECT_EQ(line[40], ' ');
        principalPrefixes.emplace(info.PrincipalPrefix());
        ForEachBlankEnclosedWord(std::string(line.substr(0, kCountryRecordLength)) + " ",
                                 [&](std::string_view word) { headWords.emplace(word); });
        ForEachBlankEnclosedWord(line.substr(kCountryRecordLength), [&](std::string_view key) {
            EXPECT_TRUE(lineOfKey.emplace(std::string(key), number).second) << key;
        });
    }
    for (const auto& word : headWords) EXPECT_FALSE(lineOfKey.contains(word)) << word;
    std::string compared = std::string(EuCountryList) + std::string(FrancophoneList) +
                           std::string(BritishList) + std::string(ScandinavianList) +
                           " FG FH FJ FK FM FO FP FR FS FT FW FY F TK " + " RA0 CE JA LU PY VE W VK ZS ZL " +
                           " RA1 RA2 UR JD1 SP OK OM PA LZ ON ";
    ForEachBlankEnclosedWord(compared, [&](std::string_view prefix) {
        EXPECT_TRUE(principalPrefixes.contains(prefix)) << prefix;
    });
}

std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (unsigned char c : text) hash = (hash ^ c) * 0x100000001b3u;
    return hash;
}

// The shipped files are the builder's output for the AD1C release they name; a newer installed
// release is not compared (regenerate with tallyhawk-cli cty).
TEST(ShippedCountryFile, IsTheBuilderOutputOfItsSource) {
    const auto source = ReadFile("/usr/share/hamradio-files/cty.dat");
    if (!source || Fnv1a(*source) != 0xd44cd23d15601be3u) GTEST_SKIP() << "another AD1C release is installed";
    const CountryFiles files = BuildCountryFiles(ParseCountrySource(*source));
    const auto shipped = std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc";
    EXPECT_EQ(files.countryFile, ReadFileOrEmpty(shipped / "cty.dat"));
    EXPECT_EQ(files.twoList, ReadFileOrEmpty(shipped / "prx2.dat"));
    EXPECT_EQ(files.threeList, ReadFileOrEmpty(shipped / "prx3.dat"));
    EXPECT_EQ(files.fourList, ReadFileOrEmpty(shipped / "prx4.dat"));
}

}  // namespace
}  // namespace tallyhawk
