// Test support for the command-line tests: tallyhawk-cli run on the test's program folder, with its
// settings in the folder's t.ini. Needs TALLYHAWK_CLI, the program's path.
#pragma once

#include "tests/support/program_folder_fixture.h"

namespace tallyhawk::testing {

class CliFixture : public ProgramFolderFixture {
protected:
    ProcessResult Cli(std::vector<std::string> arguments, const std::string& input = {}) const {
        arguments.insert(arguments.begin(), {"--folder", Folder().string(), "--settings", SettingsFile()});
        return RunProcess(TALLYHAWK_CLI, arguments, input);
    }
    std::string SettingsFile() const { return (Folder() / "t.ini").string(); }
};

}  // namespace tallyhawk::testing
