#include <cstdlib>

#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

class SendCommandTest : public testing::ProgramFolderFixture {};

TEST_F(SendCommandTest, WithoutAWindowTheSendFailsAndSaysSo) {
    // A server name of its own, so that a window running on this machine cannot answer.
    ::setenv("TALLYHAWK_SERVER", PathOf("no-window").c_str(), 1);
    const auto result = testing::RunProcess(TALLYHAWK_CLI, {"send", "settings:", "band:20"});
    ::unsetenv("TALLYHAWK_SERVER");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no window"), std::string::npos) << result.err;
    EXPECT_EQ(testing::RunProcess(TALLYHAWK_CLI, {"send"}).exitCode, 2);
}

}  // namespace
}  // namespace tallyhawk
