#include "database/contest_index.h"
#include "database/logbook_database.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

TEST(DatabaseEntries, FixedWidthsCutAndPad) {
    EXPECT_EQ(ContestIndexEntry(" DL1AB "), "DL1AB         ");
    EXPECT_EQ(ContestIndexEntry("ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKLMN");
    EXPECT_EQ(ContestIndexRecord("2002-02-16,1234,40,CW,1,123").size(), 140u);
    EXPECT_EQ(LogbookEntry("UA1AAA"), "UA1AAA    ");
    EXPECT_EQ(LogbookEntry("ABCDEFGHIJKL"), "ABCDEFGHI ");  // 12 characters keep 9 and a blank
    EXPECT_EQ(LogbookEntry("ABCDEFGHIJ"), "ABCDEFGHI ");
    EXPECT_EQ(LogbookEntry("ABCDEFGHI"), "ABCDEFGHI ");
}

using ContestIndexTest = testing::ProgramFolderFixture;

TEST_F(ContestIndexTest, AppendAndReadBackByNumber) {
    std::filesystem::remove_all(PathOf("database"));
    const auto files = ContestIndexFilesFor(ProgramFolder(Folder()), "UA1AAA");
    ASSERT_TRUE(AppendContestIndex(files, ContestIndexEntry("DL1AB"), ContestIndexRecord("a,b,c,d,e,f")));
    ASSERT_TRUE(AppendContestIndex(files, ContestIndexEntry("OK1XX"), ContestIndexRecord("g,h,i,j,k,l")));
    EXPECT_EQ(ContestIndexCount(files), 2u);
    const auto second = ReadContestIndexContact(files, 2);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->call, "OK1XX");
    EXPECT_EQ(second->summary, "g,h,i,j,k,l");
    EXPECT_FALSE(ReadContestIndexContact(files, 3).has_value());
    EXPECT_FALSE(ReadContestIndexContact(files, 0).has_value());
}

}  // namespace
}  // namespace tallyhawk
