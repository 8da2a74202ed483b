// Test support: a fresh temporary program folder per test, and running tallyhawk-cli in it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tallyhawk::testing {

// A fresh program folder with dxcc/, database/ and statistics/, removed after the test.
class ProgramFolderFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::filesystem::path& Folder() const { return m_folder; }
    std::filesystem::path PathOf(const std::string& relative) const { return m_folder / relative; }
    std::string Read(const std::string& relative) const;
    void Write(const std::string& relative, const std::string& contents) const;

    // Every file of these folders of the program folder ("." for the folder itself), named
    // "folder/file", with its bytes.
    std::map<std::string, std::string> FilesOf(const std::vector<std::string>& folders) const;

    // Copies the shipped country files (data/dxcc) into the folder's dxcc/.
    void CopyShippedDxcc() const;

    // Copies every file of a folder of tests/data into a folder of the program folder.
    void CopyTestData(const std::string& from, const std::string& into) const;

private:
    std::filesystem::path m_folder;
};

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with arguments and optional standard input; captures both output streams.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input = {});

// The contents of a file named in tests/data.
std::string TestData(const std::string& name);

}  // namespace tallyhawk::testing
