// One command of tallyhawk-cli: its name, help text and the function that runs it.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "app/cli/cli_arguments.h"
#include "app/platform/qsettings_backend.h"
#include "app/session/logger_session.h"
#include "core/program_folder.h"

namespace tallyhawk::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct CommandContext {
    const CliArguments& arguments;  // positionals after the command's name
    ProgramFolder folder;
    QSettingsBackend& settings;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::string_view name;
    std::string_view summary;  // one line for the tool's help
    std::string_view help;     // the command's own help
    int (*run)(CommandContext& context);
};

std::span<const Command> Commands();

// Prints a message box as "TITLE: text" in the language of the settings.
void PrintMessage(std::ostream& out, const Message& message, bool russian);

// A started session; start-up warnings go to the error stream. The commands that do not work on the
// contest start without it, so that they leave no contest index or score file behind.
enum class StartUp { Contest, WithoutContest };
LoggerSession StartSession(CommandContext& context, StartUp startUp = StartUp::Contest);

// HHMM as typed on the command line becomes HH:MM, the form of the time fields.
std::string TimeFieldText(std::string_view time);

// Types a call into the call field one key at a time.
void TypeCall(LoggerSession& session, std::string_view call);

// Types a call into the call field one key at a time, then leaves the field.
void TypeCallAndLeave(LoggerSession& session, std::string_view call);

// The score grid's rows, header first, cells separated by TAB, then the claimed score alone.
void PrintScore(std::ostream& out, const Screen& screen);

// The reload of a started session; prints the score as the score command does, or the refusal.
int ReloadAndPrintScore(CommandContext& context, LoggerSession& session);

int RunHistory(CommandContext& context);
int RunReload(CommandContext& context);
int RunStatus(CommandContext& context);
int RunLog(CommandContext& context);
int RunScore(CommandContext& context);
int RunSet(CommandContext& context);
int RunSettings(CommandContext& context);
int RunWpx(CommandContext& context);
int RunLookup(CommandContext& context);
int RunCty(CommandContext& context);
int RunConvert(CommandContext& context);
int RunImport(CommandContext& context);
int RunValidate(CommandContext& context);
int RunEdit(CommandContext& context);
int RunDelete(CommandContext& context);
int RunSend(CommandContext& context);
int RunExport(CommandContext& context);
int RunCheck(CommandContext& context);
int RunImportAny(CommandContext& context);
int RunImportLog(CommandContext& context);
int RunScp(CommandContext& context);
int RunRate(CommandContext& context);
int RunRig(CommandContext& context);

}  // namespace tallyhawk::cli
