// tallyhawk-cli export, check and import-log: the log for the sponsor, the ADIF of the contest, the
// check before sending, and a contest begun in another program.
#include <ostream>

#include "app/cli/command.h"
#include "app/session/contest_log_import.h"
#include "core/text.h"

namespace tallyhawk::cli {
namespace {

void PrintUnreadLines(CommandContext& context, const std::vector<std::size_t>& lines) {
    for (std::size_t line : lines) context.err << "line " << line << ": cannot be read; not in the export\n";
}

int PrintWrite(CommandContext& context, const SubmissionWrite& written, bool russian) {
    if (written.message) {
        PrintMessage(context.err, *written.message, russian);
        return kExitFailure;
    }
    PrintUnreadLines(context, written.unreadLines);
    context.out << written.contacts << " contacts written to " << written.path.string() << "\n";
    return kExitOk;
}

std::string FindingsSummary(std::size_t findings, int contacts) {
    return std::to_string(findings) + (findings == 1 ? " finding, " : " findings, ") + std::to_string(contacts) +
           (contacts == 1 ? " contact" : " contacts");
}

}  // namespace

int RunExport(CommandContext& context) {
    const auto& words = context.arguments.positionals;
    const std::string format = words.size() == 1 ? ToLowerAscii(words.front()) : std::string();
    if (format != "cabrillo" && format != "adif") {
        context.err << "export needs cabrillo or adif (see tallyhawk-cli export --help)\n";
        return kExitUsage;
    }
    const LoggerSession session = StartSession(context);
    const std::filesystem::path output = context.arguments.Value("output").value_or("");
    const SubmissionWrite written = format == "cabrillo" ? session.ExportCabrillo(output) : session.ExportAdif(output);
    return PrintWrite(context, written, session.Russian());
}

int RunCheck(CommandContext& context) {
    if (!context.arguments.positionals.empty()) {
        context.err << "check takes no arguments (see tallyhawk-cli check --help)\n";
        return kExitUsage;
    }
    const LoggerSession session = StartSession(context);
    const SubmissionCheck check = session.CheckSubmission();
    if (check.message) {
        PrintMessage(context.err, *check.message, session.Russian());
        return kExitFailure;
    }
    for (const auto& finding : check.findings) context.out << FindingText(finding) << "\n";
    context.out << FindingsSummary(check.findings.size(), check.contacts) << "\n";
    return check.findings.empty() ? kExitOk : kExitFailure;
}

int RunImportLog(CommandContext& context) {
    const auto& words = context.arguments.positionals;
    if (words.size() != 1) {
        context.err << "import-log needs FILE (see tallyhawk-cli import-log --help)\n";
        return kExitUsage;
    }
    const ContestLogImportResult result =
        ImportContestLog(context.folder, context.settings, words.front(), ReadSystemClock());
    if (!result.log) {
        PrintMessage(context.err, *result.message, LoadSettings(context.settings, ReadSystemClock()).options.language);
        return kExitFailure;
    }
    if (!context.settings.Sync()) context.err << "the settings could not be written\n";
    for (std::size_t line : result.log->skippedLines) {
        context.err << "line " << line << ": not imported (a call of more than 13 characters, or no valid date and time)\n";
    }
    context.out << result.log->contacts << " contacts of contest " << result.log->contest << " for "
                << result.log->callsign << " written to " << result.path.string() << "\n";
    LoggerSession session = StartSession(context);
    return ReloadAndPrintScore(context, session);
}

}  // namespace tallyhawk::cli
