// Test support for the scoring tests: a fresh program folder with the small country file of
// tests/data/scoring_dxcc, and its country table with the prefix lists loaded.
#pragma once

#include <optional>

#include "callsign/country_table.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk::testing {

class ScoringFolderFixture : public ProgramFolderFixture {
protected:
    void SetUp() override {
        ProgramFolderFixture::SetUp();
        CopyTestData("scoring_dxcc", "dxcc");
        m_countries.emplace(ProgramFolder(Folder()));
        m_countries->LoadPrefixLists();
    }

    std::optional<CountryTable> m_countries;
};

}  // namespace tallyhawk::testing
