// The installed layout and the work folder a desktop start opens.
#include "core/work_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "core/file_io.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

using WorkFolderTest = testing::ProgramFolderFixture;

TEST(ShippedDataFolder, IsShareTallyhawkBesideTheProgramsFolder) {
    const struct {
        const char* executable;
        const char* data;
    } cases[] = {
        {"/usr/bin/tallyhawk", "/usr/share/tallyhawk"},
        {"/opt/th/bin/tallyhawk-cli", "/opt/th/share/tallyhawk"},
        {"/home/op/build/./bin/tallyhawk", "/home/op/build/share/tallyhawk"},
    };
    for (const auto& [executable, data] : cases) {
        SCOPED_TRACE(executable);
        EXPECT_EQ(ShippedDataFolder(executable), std::filesystem::path(data));
    }
}

TEST(RunningExecutable, IsThisTestProgram) {
    EXPECT_EQ(RunningExecutable("ignored").filename(), "core_tests");
}

TEST(WorkFolderPath, TallyhawkHomeBeforeTheHomeFolder) {
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/op", 1);
    ::setenv("TALLYHAWK_HOME", "/srv/contest", 1);
    EXPECT_EQ(WorkFolderPath(), std::filesystem::path("/srv/contest"));
    ::unsetenv("TALLYHAWK_HOME");
    EXPECT_EQ(WorkFolderPath(), std::filesystem::path("/home/op/Tallyhawk"));
    ::setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(WorkFolderTest, FirstStartCreatesTheFoldersAndCopiesTheShippedCountryFiles) {
    Write("share/dxcc/cty.dat", "shipped cty");
    Write("share/dxcc/obl.dat", "shipped obl");
    const WorkFolder work = PrepareWorkFolder(PathOf("home/Tallyhawk"), PathOf("share"));
    EXPECT_EQ(work.error, "");
    EXPECT_EQ(work.path, PathOf("home/Tallyhawk"));
    for (const char* part : {"dxcc", "database", "statistics"}) {
        EXPECT_TRUE(std::filesystem::is_directory(work.path / part)) << part;
    }
    EXPECT_EQ(Read("home/Tallyhawk/dxcc/cty.dat"), "shipped cty");
    EXPECT_EQ(Read("home/Tallyhawk/dxcc/obl.dat"), "shipped obl");
}

TEST_F(WorkFolderTest, LaterStartsKeepTheOperatorsFilesAndAddOnlyMissingOnes) {
    Write("share/dxcc/cty.dat", "shipped cty");
    Write("share/dxcc/prx2.dat", "shipped prx2");
    Write("home/dxcc/cty.dat", "brought up to date");
    Write("home/DL1XYZ.cbr", "the log");
    EXPECT_EQ(PrepareWorkFolder(PathOf("home"), PathOf("share")).error, "");
    EXPECT_EQ(Read("home/dxcc/cty.dat"), "brought up to date");
    EXPECT_EQ(Read("home/dxcc/prx2.dat"), "shipped prx2");
    EXPECT_EQ(Read("home/DL1XYZ.cbr"), "the log");
}

TEST_F(WorkFolderTest, NothingShippedStillGivesAnEmptyWorkFolder) {
    EXPECT_EQ(PrepareWorkFolder(PathOf("home"), PathOf("no-such-share")).error, "");
    EXPECT_TRUE(std::filesystem::is_directory(PathOf("home/dxcc")));
}

TEST_F(WorkFolderTest, AFileInTheWayIsNamedInTheError) {
    Write("home", "not a folder");
    const WorkFolder work = PrepareWorkFolder(PathOf("home"), PathOf("share"));
    EXPECT_NE(work.error.find("cannot create " + PathOf("home/dxcc").string()), std::string::npos) << work.error;
}

}  // namespace
}  // namespace tallyhawk
