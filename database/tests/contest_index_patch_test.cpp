#include "database/contest_index_patch.h"

#include "database/logbook_database.h"
#include "database/logbook_writer.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

class ContestIndexPatchTest : public testing::ProgramFolderFixture {
protected:
    ContestIndexFiles Files() const { return ContestIndexFilesFor(ProgramFolder(Folder()), "UA1AAA"); }
    void AppendThree() {
        for (const char* call : {"DL1AA", "DL2AA", "DL3AA"}) {
            ASSERT_TRUE(AppendContestIndex(Files(), ContestIndexEntry(call), ContestIndexRecord(call)));
        }
    }
};

TEST_F(ContestIndexPatchTest, OverwriteAndRemoveKeepEntriesAndRecordsInStep) {
    AppendThree();
    ASSERT_TRUE(WriteContestIndexContact(Files(), 2, "OK1XX", "2002-02-16,1234,20,CW,1,2"));
    EXPECT_EQ(ReadContestIndexContact(Files(), 2)->call, "OK1XX");
    EXPECT_EQ(ReadContestIndexContact(Files(), 2)->summary, "2002-02-16,1234,20,CW,1,2");
    EXPECT_EQ(ReadContestIndexContact(Files(), 3)->call, "DL3AA");
    ASSERT_TRUE(RemoveContestIndexContact(Files(), 1));
    EXPECT_EQ(ContestIndexCount(Files()), 2u);
    EXPECT_EQ(FileSizeOrZero(Files().records), 280u);
    EXPECT_EQ(ReadContestIndexContact(Files(), 1)->call, "OK1XX");
    EXPECT_EQ(ReadContestIndexContact(Files(), 2)->summary, "DL3AA");
}

TEST_F(ContestIndexPatchTest, NumbersBeyondTheFilesAreRefusedAndMissingFilesSkipped) {
    AppendThree();
    EXPECT_TRUE(ContestIndexHolds(Files(), 3));
    EXPECT_FALSE(ContestIndexHolds(Files(), 4));
    EXPECT_FALSE(ContestIndexHolds(Files(), 0));
    EXPECT_FALSE(WriteContestIndexContact(Files(), 4, "X", "Y"));
    EXPECT_FALSE(RemoveContestIndexContact(Files(), 4));
    EXPECT_EQ(ContestIndexCount(Files()), 3u);
    std::filesystem::remove(Files().records);
    EXPECT_TRUE(WriteContestIndexContact(Files(), 1, "OK1XX", "ignored"));
    EXPECT_FALSE(std::filesystem::exists(Files().records));
    EXPECT_TRUE(ContestIndexHolds(ContestIndexFilesFor(ProgramFolder(Folder()), "NOBODY"), 9));
}

using LogbookWriterTest = testing::ProgramFolderFixture;

TEST_F(LogbookWriterTest, OldLogbookStaysUntilTheNewOneIsCommitted) {
    const ProgramFolder folder(Folder());
    ASSERT_TRUE(AppendLogbookRecord(folder, "OLD1AA", "<EOR>"));
    {
        LogbookWriter writer(folder);
        ASSERT_TRUE(writer.Open());
        writer.Add("UA9XXX/QRP", "<BAND:3>20M<EOR>");
        EXPECT_EQ(Read("database/Logbook.idx"), "OLD1AA    ");
    }  // dropped without Commit
    EXPECT_EQ(Read("database/Logbook.idx"), "OLD1AA    ");
    EXPECT_FALSE(std::filesystem::exists(PathOf("database/Logbook.idx.new")));
    LogbookWriter writer(folder);
    ASSERT_TRUE(writer.Open());
    writer.Add("UA9XXX/QRP", "<BAND:3>20M<EOR>");
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(Read("database/Logbook.idx"), "UA9XXX/QR ");
    EXPECT_EQ(Read("database/Logbook.bdx"), LogbookRecord("<BAND:3>20M<EOR>"));
}

}  // namespace
}  // namespace tallyhawk
