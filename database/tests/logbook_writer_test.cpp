#include "database/logbook_writer.h"

#include "database/logbook_database.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

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
