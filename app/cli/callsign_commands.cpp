// tallyhawk-cli wpx, lookup and cty: the call-sign data from the command line.
#include <istream>
#include <ostream>

#include "app/cli/command.h"
#include "callsign/call_summary.h"
#include "callsign/country_file_builder.h"
#include "callsign/wpx_prefix.h"
#include "core/file_io.h"
#include "core/text.h"

namespace tallyhawk::cli {
namespace {

// Runs `answer` for every call of the arguments or, without any, for every line of standard input.
template <typename Answer>
void ForEachCall(CommandContext& context, Answer answer) {
    if (!context.arguments.positionals.empty()) {
        for (const std::string& call : context.arguments.positionals) answer(call);
        return;
    }
    std::string line;
    while (std::getline(context.in, line)) answer(TrimLineEnd(line));
}

}  // namespace

int RunWpx(CommandContext& context) {
    ForEachCall(context, [&](std::string_view call) { context.out << WpxPrefix(call) << '\n'; });
    return kExitOk;
}

int RunLookup(CommandContext& context) {
    LoggerSession session = StartSession(context, StartUp::WithoutContest);
    CountryTable& countries = session.Countries();
    // One command is one operation: the country file is checked once, then served from memory.
    countries.BeginOperation();
    ForEachCall(context, [&](std::string_view call) {
        const CallSummary summary = SummarizeCall(countries, call);
        context.out << summary.call << '\t' << summary.principalPrefix << '\t' << summary.name << '\t'
                    << summary.cqZone << '\t' << summary.continent << '\t' << summary.wpxPrefix << '\t'
                    << summary.cqmKey << '\n';
    });
    return kExitOk;
}

int RunCty(CommandContext& context) {
    const auto& positionals = context.arguments.positionals;
    if (positionals.size() != 1) {
        context.err << "cty needs one country file (see tallyhawk-cli cty --help)\n";
        return kExitUsage;
    }
    const auto text = ReadFile(positionals.front());
    if (!text) {
        context.err << positionals.front() << ": cannot be read\n";
        return kExitFailure;
    }
    const CountrySource source = ParseCountrySource(*text);
    if (source.countries.empty()) {
        context.err << positionals.front() << ": no country records; the files were not changed\n";
        return kExitFailure;
    }
    const CountryFiles files = BuildCountryFiles(source);
    if (!WriteCountryFiles(context.folder, files)) {
        context.err << context.folder.Path("dxcc").string() << ": the country files could not be written\n";
        return kExitFailure;
    }
    context.out << source.countries.size() << " countries, " << TextModeLines(files.countryFile).size()
                << " lines written to " << context.folder.DxccPath("cty.dat").string()
                << " with prx2.dat, prx3.dat and prx4.dat\n";
    return kExitOk;
}

}  // namespace tallyhawk::cli
