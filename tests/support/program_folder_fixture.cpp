// Test support: temporary program folders and child processes.
#include "tests/support/program_folder_fixture.h"

#include "core/file_io.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace tallyhawk::testing {
namespace {

std::string UniqueName() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "test";
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    return "tallyhawk-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" + name;
}

}  // namespace

void ProgramFolderFixture::SetUp() {
    m_folder = std::filesystem::temp_directory_path() / UniqueName();
    std::filesystem::remove_all(m_folder);
    for (const char* sub : {"dxcc", "database", "statistics"}) std::filesystem::create_directories(m_folder / sub);
}

void ProgramFolderFixture::TearDown() {
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
}

std::string ProgramFolderFixture::Read(const std::string& relative) const { return ReadFileOrEmpty(m_folder / relative); }

void ProgramFolderFixture::Write(const std::string& relative, const std::string& contents) const {
    std::filesystem::create_directories((m_folder / relative).parent_path());
    std::ofstream(m_folder / relative, std::ios::binary) << contents;
}

std::map<std::string, std::string> ProgramFolderFixture::FilesOf(
    const std::vector<std::string>& folders) const {
    std::map<std::string, std::string> files;
    for (const std::string& folder : folders) {
        for (const auto& entry : std::filesystem::directory_iterator(m_folder / folder)) {
            if (!entry.is_regular_file()) continue;
            const std::string name = folder + "/" + entry.path().filename().string();
            files[name] = Read(name);
        }
    }
    return files;
}

void ProgramFolderFixture::CopyShippedDxcc() const {
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc")) {
        std::filesystem::copy_file(entry.path(), m_folder / "dxcc" / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

void ProgramFolderFixture::CopyTestData(const std::string& from, const std::string& into) const {
    std::filesystem::create_directories(m_folder / into);
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(TALLYHAWK_TEST_DATA) / from)) {
        std::filesystem::copy_file(entry.path(), m_folder / into / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

std::string TestData(const std::string& name) { return ReadFileOrEmpty(std::filesystem::path(TALLYHAWK_TEST_DATA) / name); }

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input) {
    const auto scratch = std::filesystem::temp_directory_path() / UniqueName();
    std::filesystem::create_directories(scratch);
    {
        std::ofstream(scratch / "in", std::ios::binary) << input;
    }
    std::string command = "'" + program + "'";
    for (const auto& argument : arguments) {
        std::string quoted;
        for (char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += " '" + quoted + "'";
    }
    command += " <'" + (scratch / "in").string() + "' >'" + (scratch / "out").string() + "' 2>'" +
               (scratch / "err").string() + "'";
    const int status = std::system(command.c_str());
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileOrEmpty(scratch / "out");
    result.err = ReadFileOrEmpty(scratch / "err");
    std::filesystem::remove_all(scratch);
    return result;
}

}  // namespace tallyhawk::testing
