// The oblast names of dxcc/obl.dat, the oblast key of a call, and the shipped table against real calls.
#include "callsign/oblast_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "callsign/country_file_index.h"
#include "callsign/country_table.h"
#include "callsign/wpx_prefix.h"
#include "core/file_io.h"
#include "core/text.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

OblastTable ShippedOblasts() {
    return OblastTable(ReadFileOrEmpty(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc" / "obl.dat"));
}

TEST(OblastTable, NameIsTheFieldTenAfterTheFirstOccurrence) {
    const OblastTable table(
        "3A  MA    Moscow              \r\n3D  MO    Moscow Oblast       \r\n9Z  GA    Altai");
    EXPECT_EQ(table.OblastName("3A"), "Moscow");
    EXPECT_EQ(table.OblastName("3D"), "Moscow Oblast");
    EXPECT_EQ(table.OblastName("9Z"), "Altai");  // a short last entry
    EXPECT_EQ(table.OblastName("0Q"), "");
    EXPECT_EQ(table.OblastName("MA"), "ow              \r\n3D");  // a plain search of the text
    EXPECT_EQ(OblastTable("3A").OblastName("3A"), "");
    EXPECT_TRUE(OblastTable().Empty());
}

TEST(OblastTable, ShippedTableFindsEveryEntryAtItsOwnLine) {
    const std::string text =
        ReadFileOrEmpty(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc" / "obl.dat");
    const OblastTable table(text);
    ASSERT_FALSE(table.Empty());
    std::set<std::string> keys;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        const std::string key = text.substr(at, 2);
        SCOPED_TRACE(key);
        EXPECT_TRUE(keys.insert(key).second);
        EXPECT_EQ(text.find(key), at);
        EXPECT_FALSE(table.OblastName(key).empty());
        if (text.find('\n', at) == std::string::npos) break;
    }
    EXPECT_EQ(table.OblastName("3A"), "Moscow");
    EXPECT_EQ(table.OblastName("9X"), "Komi");
}

TEST(OblastTable, ShippedTableNamesTheOblastOfEveryDistrict) {
    const OblastTable table = ShippedOblasts();
    const struct {
        const char* call;
        const char* key;
        const char* oblast;
    } cases[] = {
        {"UA1ZZZ", "1Z", "Murmansk"},        //
        {"RA1QA", "1Q", "Vologda"},          //
        {"RA2FA", "2F", "Kaliningrad"},      //
        {"R2DX", "2D", "Moscow Oblast"},     // 2 and 5 take the letters of district 3
        {"RN2AB", "2A", "Moscow"},           //
        {"R5AJ", "5A", "Moscow"},            //
        {"RT5G", "5G", "Lipetsk"},           //
        {"UA4PAB", "4P", "Tatarstan"},       //
        {"R6CO", "6C", "Krasnodar"},         //
        {"R7KM", "7K", "Crimea"},            // 7 takes the letters of district 6
        {"R7NA", "7N", "Rostov"},            //
        {"R8TA", "8T", "Orenburg"},          // 8 takes the letters of district 9
        {"RK8W", "8W", "Bashkortostan"},     //
        {"RW9TP", "9T", "Orenburg"},         //
        {"R0NT", "0N", "Primorsky"},         //
        {"RA0BA", "0B", "Krasnoyarsk"},      // Taymyr joined Krasnoyarsk
    };
    for (const auto& [call, key, oblast] : cases) {
        SCOPED_TRACE(call);
        EXPECT_EQ(OblastKey(call, WpxPrefix(call)), key);
        EXPECT_EQ(table.OblastName(key), oblast);
    }
    EXPECT_EQ(OblastKey("RA3", "RA3"), "");  // nothing after the prefix
}

// Debian's hamradio-files package: the calls heard in contests, one per line after "#" comments.
constexpr const char* kMasterScp = "/usr/share/hamradio-files/MASTER.SCP";

using ShippedOblastTable = testing::ProgramFolderFixture;

TEST_F(ShippedOblastTable, KnowsTheOblastOfNearlyEveryRussianCallOnTheAir) {
    const auto calls = ReadFile(kMasterScp);
    if (!calls) GTEST_SKIP() << kMasterScp << " is missing (package hamradio-files)";
    CopyShippedDxcc();
    CountryTable countries{ProgramFolder(Folder())};
    countries.LoadPrefixLists();
    countries.BeginOperation();
    const OblastTable oblasts = ShippedOblasts();
    std::size_t russian = 0;
    std::string unknown;
    for (std::string_view line : TextModeLines(*calls)) {
        const std::string_view call = TrimBlanks(line);
        // Russian calls are the ones the multiplier status tells their oblast; a call with "/" takes its
        // key from wherever its WPX prefix ends (R1AT/P gives "T/"), which no table can name.
        if (call.starts_with("#") || call.find('/') != std::string_view::npos ||
            !countries.LookupCountry(call).PrincipalPrefix().starts_with("RA")) {
            continue;
        }
        ++russian;
        const std::string key = OblastKey(call, WpxPrefix(call));
        if (key.empty() || !oblasts.Contains(key)) unknown.append(call).append(" ");
    }
    EXPECT_GT(russian, 3000u);
    const std::size_t unknownCount = static_cast<std::size_t>(std::count(unknown.begin(), unknown.end(), ' '));
    EXPECT_LE(unknownCount * 100, russian * 5) << unknownCount << " of " << russian << ": " << unknown;
}

}  // namespace
}  // namespace tallyhawk
