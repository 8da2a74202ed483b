// The CQ-M country key, the own-country prefix and the oblast names.
#include "callsign/own_country.h"

#include <gtest/gtest.h>

#include <set>

#include "callsign/oblast_table.h"
#include "core/file_io.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

TEST(CqmCountryKey, NamesRussianRepublicsAndSpecialAreas) {
    const struct {
        const char* call;
        const char* prefix;
        const char* key;
    } cases[] = {
        {"UA4PAB", "RA1", "RA4P"},    // Tatarstan is listed
        {"UA3ABC", "RA1", "RA1"},     // Moscow is not
        {"UA0OAB", "RA0", "RA0O"},    //
        {"UU4JAB", "UR", "UU5"},      //
        {"UT1AB", "UR", "UR"},        //
        {"UA2FAB", "RA2", "RA2"},     // Kaliningrad keeps its prefix
        {"UA0BAB/P", "RA0", "A0B"},   // portable in a special area
        {"UA0OAB/P", "RA0", "RA0O"},  // portable elsewhere
        {"UA0BAB/M", "RA0", "UA0"},   // any other suffix: the WPX prefix
        {"R1FJA", "R1FJ", "RAR"},     // another R prefix starts from an empty key
        {"DL1ABC", "DL", "DL"},       //
        {"", "", ""},                 //
        {"UA9", "RA0", "RA9"},        // nothing after the area digit
    };
    for (const auto& [call, prefix, key] : cases) {
        SCOPED_TRACE(call);
        EXPECT_EQ(CqmCountryKey(call, prefix), key);
    }
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

class OwnCountryTest : public testing::ProgramFolderFixture {};

TEST_F(OwnCountryTest, OwnPrefixIsTheLookupAndForCqmItsKey) {
    CopyShippedDxcc();
    CountryTable table{ProgramFolder(Folder())};
    table.LoadPrefixLists();
    EXPECT_EQ(ComputeOwnCountryPrefix(table, "UA4PAB", OwnCountryKey::Prefix), "RA1");
    EXPECT_EQ(ComputeOwnCountryPrefix(table, "UA4PAB", OwnCountryKey::CqmKey), "RA4P");
    EXPECT_EQ(ComputeOwnCountryPrefix(table, "K1AR", OwnCountryKey::CqmKey), "W");
    EXPECT_EQ(ComputeOwnCountryPrefix(table, "", OwnCountryKey::Prefix), "");
}

}  // namespace
}  // namespace tallyhawk
