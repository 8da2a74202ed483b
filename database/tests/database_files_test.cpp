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

TEST_F(ContestIndexTest, AMissingPartnerEmptiesThePair) {
    const auto files = ContestIndexFilesFor(ProgramFolder(Folder()), "UA1AAA");
    ASSERT_TRUE(AppendContestIndex(files, ContestIndexEntry("DL1AB"), ContestIndexRecord("a,b,c,d,e,f")));
    EXPECT_TRUE(EnsureContestIndexPair(files));
    EXPECT_EQ(ContestIndexCount(files), 1u);
    std::filesystem::remove(files.records);
    EXPECT_FALSE(EnsureContestIndexPair(files));
    EXPECT_EQ(std::filesystem::file_size(files.calls), 0u);
    EXPECT_EQ(std::filesystem::file_size(files.records), 0u);
    std::filesystem::remove_all(PathOf("database"));
    EXPECT_FALSE(EnsureContestIndexPair(files));
    EXPECT_TRUE(std::filesystem::exists(files.calls));
}

TEST_F(ContestIndexTest, BlockReadsReturnWhatTheFilesHold) {
    const auto files = ContestIndexFilesFor(ProgramFolder(Folder()), "UA1AAA");
    ASSERT_TRUE(AppendContestIndex(files, ContestIndexEntry("DL1AB") + ContestIndexEntry("OK1XX"),
                                   ContestIndexRecord("a,b") + ContestIndexRecord("c,d")));
    ContestIndexBlock block = ReadContestIndexBlock(files, 14, 7);  // only one of seven is there
    EXPECT_EQ(block.entries, ContestIndexEntry("OK1XX"));
    EXPECT_EQ(block.records, ContestIndexRecord("c,d"));
    block = ReadContestIndexBlock(files, 17, 1);  // a misplaced offset reads across entries
    EXPECT_EQ(block.entries, "XX         ");
    EXPECT_EQ(block.records, ContestIndexRecord("c,d").substr(30));
    EXPECT_EQ(ReadContestIndexBlock(files, 28, 1).entries, "");
    EXPECT_EQ(ReadContestIndexRecordAt(files, 0), ContestIndexRecord("a,b"));
}

}  // namespace
}  // namespace tallyhawk
