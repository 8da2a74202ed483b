// The shipped country files and the builder against the AD1C file they come from: over the calls of
// MASTER.SCP, the lookup must place at least 99.5% of the calls where the AD1C file places them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>

#include "callsign/country_file_builder.h"
#include "callsign/country_table.h"
#include "core/file_io.h"
#include "core/text.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

constexpr const char* kSourceFile = "/usr/share/hamradio-files/cty.dat";
constexpr const char* kMasterScp = "/usr/share/hamradio-files/MASTER.SCP";

struct Agreement {
    std::size_t calls = 0;
    std::size_t countryAgrees = 0;
    std::size_t zoneAgrees = 0;
    double Share() const { return calls == 0 ? 0.0 : 100.0 * static_cast<double>(countryAgrees) / calls; }
};

std::vector<std::string> MasterCalls(const std::string& text) {
    std::vector<std::string> calls;
    for (std::string_view line : TextModeLines(text)) {
        line = TrimWhitespace(line);
        if (!line.empty() && line.front() != '#') calls.emplace_back(line);
    }
    return calls;
}

// Compares the lookup with the AD1C file's own answer; TALLYHAWK_SHOW_MISMATCHES=1 prints the misses.
Agreement Measure(CountryTable& table, const CountrySource& source, const std::vector<std::string>& calls) {
    const bool show = std::getenv("TALLYHAWK_SHOW_MISMATCHES") != nullptr;
    Agreement agreement;
    table.BeginOperation();
    for (const std::string& call : calls) {
        const SourceTarget* truth = ResolveCall(source, call);
        const CountryInfo info = table.LookupCountry(call);
        const std::string expected =
            truth
                ? PrincipalPrefixFor(source.countries[static_cast<std::size_t>(truth->country)].primaryPrefix)
                : "";
        ++agreement.calls;
        if (info.PrincipalPrefix() == expected) {
            ++agreement.countryAgrees;
            if (truth == nullptr || info.CqZone() == std::to_string(truth->cqZone)) ++agreement.zoneAgrees;
        } else if (show) {
            std::cout << call << "\t" << info.PrincipalPrefix() << "\t" << expected << "\n";
        }
    }
    return agreement;
}

class CountryFileAgreement : public testing::ProgramFolderFixture {
protected:
    void SetUp() override {
        if (!FileExists(kSourceFile) || !FileExists(kMasterScp))
            GTEST_SKIP() << "hamradio-files is not installed";
        ProgramFolderFixture::SetUp();
        m_source = ParseCountrySource(ReadFileOrEmpty(kSourceFile));
        m_calls = MasterCalls(ReadFileOrEmpty(kMasterScp));
    }

    CountrySource m_source;
    std::vector<std::string> m_calls;
};

// The files the builder writes from the installed source, then the shipped ones.
TEST_F(CountryFileAgreement, BuiltAndShippedFilesPlaceMasterScpCallsAsTheSourceDoes) {
    ASSERT_TRUE(WriteCountryFiles(ProgramFolder(Folder()), BuildCountryFiles(m_source)));
    for (const char* files : {"built", "shipped"}) {
        SCOPED_TRACE(files);
        if (files == std::string_view("shipped")) CopyShippedDxcc();
        CountryTable table{ProgramFolder(Folder())};
        table.LoadPrefixLists();
        const Agreement agreement = Measure(table, m_source, m_calls);
        std::cout << "MASTER.SCP agreement of the " << files << " files: " << agreement.countryAgrees << " of "
                  << agreement.calls << " calls (" << agreement.Share() << "%), zone too: " << agreement.zoneAgrees
                  << "\n";
        EXPECT_GT(agreement.calls, 50000u);
        EXPECT_GE(agreement.Share(), 99.5);
    }
}

}  // namespace
}  // namespace tallyhawk
