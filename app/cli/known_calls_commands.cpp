// tallyhawk-cli scp and rate: the known calls for typed texts, and the contact rates of the log.
#include <ostream>

#include "app/cli/command.h"

namespace tallyhawk::cli {
namespace {

void PrintKnownCalls(std::ostream& out, const std::vector<KnownCall>& calls) {
    for (const KnownCall& known : calls) out << known.call << (known.worked ? "\tworked" : "") << "\n";
}

void PrintHourRow(std::ostream& out, std::string_view label, const std::array<int, kBands.size()>& perBand,
                  int total) {
    out << label;
    for (const int count : perBand) out << "\t" << count;
    out << "\t" << total << "\n";
}

}  // namespace

int RunScp(CommandContext& context) {
    const auto& texts = context.arguments.positionals;
    if (texts.empty()) {
        context.err << "scp needs a text to look for (see tallyhawk-cli scp --help)\n";
        return kExitUsage;
    }
    LoggerSession session = StartSession(context);
    if (session.KnownCallCount() == 0) {
        context.err << "scp: no known calls: neither " << context.folder.Path(kScpFileName).string()
                    << " nor " << kSystemScpPath << " holds any\n";
        return kExitFailure;
    }
    const bool nearCalls = context.arguments.Has("n1");
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) context.out << "\n";
        if (i > 0) (void)session.CallChanged("");
        TypeCall(session, texts[i]);
        const CallMatches& matches = session.CurrentScreen().knownCalls;
        PrintKnownCalls(context.out, nearCalls ? matches.nearby : matches.partial);
    }
    return kExitOk;
}

int RunRate(CommandContext& context) {
    if (!context.arguments.positionals.empty()) {
        context.err << "rate takes no arguments (see tallyhawk-cli rate --help)\n";
        return kExitUsage;
    }
    const LoggerSession session = StartSession(context);
    const ContactRates& rates = session.CurrentScreen().rates;
    context.out << kLastTenRateText << "\t" << rates.lastTen << "\n"
                << kLastHourRateText << "\t" << rates.lastHour << "\n\nHour";
    for (const Band band : kBands) context.out << "\t" << BandShortCode(band);
    context.out << "\tTotal\n";
    HourContacts whole;
    for (const HourContacts& hour : session.ContactsPerHour()) {
        PrintHourRow(context.out, LoggedMinuteText(hour.hour), hour.perBand, hour.total);
        for (std::size_t band = 0; band < kBands.size(); ++band) whole.perBand[band] += hour.perBand[band];
        whole.total += hour.total;
    }
    PrintHourRow(context.out, "Total", whole.perBand, whole.total);
    return kExitOk;
}

}  // namespace tallyhawk::cli
