// The CQ-M country key and the own-country prefix.
#include "callsign/own_country.h"

#include <gtest/gtest.h>

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
