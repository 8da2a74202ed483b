// A reloaded log may have been edited by hand: every contact of a log of any bytes is scored by the
// rules of each contest on in-memory copies, which must only ever grow by whole entries, and its call
// is given the multiplier status of each contest.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fuzz/fuzz_input.h"
#include "log/log_replay.h"
#include "scoring/contact_facts.h"
#include "scoring/contest_table.h"
#include "scoring/multiplier_status.h"

namespace tallyhawk {
namespace {

// A program folder with a few countries and a statistics file of each kind the status reads.
struct FuzzFolder {
    FuzzFolder() : folder(MakeFolder()), countries(folder), store(folder) { countries.LoadPrefixLists(); }

    static ProgramFolder MakeFolder() {
        const auto path = std::filesystem::temp_directory_path() / "tallyhawk-fuzz-recount";
        std::filesystem::create_directories(path / "dxcc");
        std::filesystem::create_directories(path / "statistics");
        std::ofstream(path / "dxcc" / "cty.dat", std::ios::binary)
            << "United States             05:  W:     NA W1 K3 AK1 \r\n"
               "Fed. Rep. of Germany      14:  DL:    EU DL DA \r\n"
               "European Russia           16:  RA1:   EU UA1 UA3 UA4 \r\n"
               "Australia                 30:  VK:    OC VK \r\n";
        std::ofstream(path / "dxcc" / "prx2.dat", std::ios::binary) << " DL DA VK \r\n";
        for (const char* name : {"20m.x", "20m.z", "cw.cq", "ssb.cq", "W1XYZ.wpx"}) {
            std::ofstream(path / "statistics" / name, std::ios::binary) << " DL    RA1   3A  W1   ";
        }
        return ProgramFolder(path);
    }

    ProgramFolder folder;
    CountryTable countries;
    StatisticsStore store;
    OblastTable oblasts{"3A  MA    Moscow              \r\n"};
};

void ScoreEverywhere(FuzzFolder& fuzz, const LoggedContact& contact) {
    for (const OwnStation& own : {OwnStation{"W1XYZ", "W", "NA"}, OwnStation{"UA3XYZ", "RA1", "EU"}}) {
        for (const Contest* contest : AllContests()) {
            const ContestRules& rules = contest->rules;
            MultiplierCopies copies;
            BandPointCounters points;
            fuzz.countries.BeginOperation();
            if (const auto facts =
                    ReadContactFacts(contact.call, contact.summary, fuzz.countries, rules.usesCqmKey)) {
                ScoreContact(rules, *facts, own, points, copies, ScoringPass::Recount);
            }
            for (const std::string& name : MultiplierFileNames(rules, own.call)) {
                // One contact adds at most one entry, of at most six bytes, to each file.
                if (copies.Copy(name).size() > 6) std::abort();
            }
            const TypedCall typed = ReadTypedCall(contact.call, fuzz.countries);
            (void)FindMultiplierStatus(&rules, {typed, own, contact.band, "CW", fuzz.store, fuzz.oblasts});
        }
    }
}

}  // namespace
}  // namespace tallyhawk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tallyhawk::FuzzFolder fuzz;
    tallyhawk::ReplayContestLog(
        tallyhawk::FuzzText(data, size),
        [](const tallyhawk::LoggedContact& contact, bool) { tallyhawk::ScoreEverywhere(fuzz, contact); });
    return 0;
}
