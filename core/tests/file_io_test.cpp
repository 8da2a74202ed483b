#include <sys/resource.h>

#include <csignal>

#include "core/file_io.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

using FileIo = testing::ProgramFolderFixture;

TEST_F(FileIo, CreateOrAppendWritesTheHeaderOnlyOnce) {
    const auto path = PathOf("log.cbr");
    ASSERT_TRUE(CreateOrAppend(path, "HEAD\r\n", "one\r\n", Durability::Synced));
    ASSERT_TRUE(CreateOrAppend(path, "HEAD\r\n", "two\r\n", Durability::Buffered));
    EXPECT_EQ(Read("log.cbr"), "HEAD\r\none\r\ntwo\r\n");

    // A writer killed between creating the file and writing it leaves it empty; the next one starts it.
    Write("killed.cbr", "");
    ASSERT_TRUE(CreateOrAppend(PathOf("killed.cbr"), "HEAD\r\n", "one\r\n", Durability::Buffered));
    EXPECT_EQ(Read("killed.cbr"), "HEAD\r\none\r\n");
}

TEST_F(FileIo, MissingFolderOrFileIsReportedNotCreated) {
    EXPECT_FALSE(CreateOrAppend(PathOf("nowhere/log.cbr"), "H", "L", Durability::Synced));
    EXPECT_FALSE(HasRoomToAppend(PathOf("nowhere/log.cbr"), 10));
    EXPECT_TRUE(HasRoomToAppend(PathOf("log.cbr"), 10));
    EXPECT_FALSE(ReadFile(PathOf("missing")).has_value());
    EXPECT_EQ(ReadFileOrEmpty(PathOf("missing")), "");
    EXPECT_FALSE(WriteAtOffset(PathOf("missing"), 0, "x"));
}

TEST_F(FileIo, WholeFileReadsAreByteExact) {
    std::string bytes;
    for (int i = 0; i < 300000; ++i) bytes += static_cast<char>(i % 256);  // NUL, CR, LF, 0x1A and high bytes
    Write("big", bytes);
    EXPECT_EQ(ReadFile(PathOf("big")), bytes);
    Write("empty", "");
    EXPECT_EQ(ReadFile(PathOf("empty")), std::string());
    EXPECT_FALSE(ReadFile(PathOf("database")).has_value());  // a folder is not a file
    EXPECT_EQ(ReadFileOrEmpty(PathOf("database")), "");
}

TEST_F(FileIo, OverwritesReplaceOrPatchInPlace) {
    Write("f", "AAAABBBB");
    ASSERT_TRUE(WriteAtOffset(PathOf("f"), 4, "CC"));
    EXPECT_EQ(Read("f"), "AAAACCBB");
    ASSERT_TRUE(ReplaceFile(PathOf("f"), "new"));
    EXPECT_EQ(Read("f"), "new");
    EXPECT_FALSE(FileExists(PathOf("f.tmp")));
    ASSERT_TRUE(OverwriteFile(PathOf("f"), "second one"));
    ASSERT_TRUE(OverwriteFile(PathOf("f"), "3rd"));
    EXPECT_EQ(Read("f"), "3rd");
    EXPECT_FALSE(OverwriteFile(PathOf("nowhere/f"), "x"));
}

TEST_F(FileIo, AppendBeyondTheFileSizeLimitLeavesTheFileWhole) {
    Write("f", std::string(100, 'x'));
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 120;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool appended = AppendToFile(PathOf("f"), std::string(50, 'y'), Durability::Synced);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(appended);
    EXPECT_EQ(Read("f"), std::string(100, 'x'));
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool roomFor20 = HasRoomToAppend(PathOf("f"), 20);
    const bool roomFor21 = HasRoomToAppend(PathOf("f"), 21);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_TRUE(roomFor20);
    EXPECT_FALSE(roomFor21);
}

}  // namespace
}  // namespace tallyhawk
