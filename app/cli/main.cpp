// tallyhawk-cli: the logger's operations from the command line, on the same session as the window.
#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>

#include "app/cli/command.h"
#include "core/work_folder.h"

namespace tallyhawk::cli {
namespace {

constexpr std::string_view kToolHelp =
    "usage: tallyhawk-cli [--folder DIR | --home] [--settings FILE] COMMAND [ARGS...]\n"
    "\n"
    "Tallyhawk, a contest logger, from the command line.\n"
    "\n"
    "  --folder DIR     the program folder with dxcc/, database/, statistics/ and the contest log\n"
    "                   (default: the current directory)\n"
    "  --home           the work folder $TALLYHAWK_HOME (default ~/Tallyhawk) as the program folder,\n"
    "                   created with the shipped country files when missing\n"
    "  --settings FILE  keep the settings in this INI file instead of the platform store\n"
    "  --help           this text; COMMAND --help for a command's own help\n"
    "\n"
    "Commands:\n";

void PrintToolHelp(std::ostream& out) {
    out << kToolHelp;
    for (const auto& command : Commands()) {
        out << "  " << command.name << std::string(10 - std::min<std::size_t>(command.name.size(), 9), ' ')
            << command.summary << "\n";
    }
}

const Command* FindCommand(std::string_view name) {
    for (const auto& command : Commands()) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

// --folder DIR (which wins over --home), the work folder with --home, or the current directory.
std::optional<std::filesystem::path> ChosenFolder(const CliArguments& arguments, std::string_view argv0) {
    std::error_code error;
    if (!arguments.Has("home") || arguments.Has("folder"))
        return std::filesystem::absolute(arguments.Value("folder").value_or("."), error);
    const WorkFolder work = OpenWorkFolder(RunningExecutable(argv0));
    if (!work.error.empty()) {
        std::cerr << "tallyhawk-cli: " << work.error << "\n";
        return std::nullopt;
    }
    return work.path;
}

int Run(std::string_view argv0, const std::vector<std::string>& words) {
    CliArguments arguments = SplitArguments(words);
    if (!arguments.error.empty()) {
        std::cerr << "tallyhawk-cli: " << arguments.error << "\n";
        return kExitUsage;
    }
    if (arguments.positionals.empty()) {
        PrintToolHelp(arguments.Has("help") ? std::cout : std::cerr);
        return arguments.Has("help") ? kExitOk : kExitUsage;
    }
    const Command* command = FindCommand(arguments.positionals.front());
    if (!command) {
        std::cerr << "tallyhawk-cli: unknown command " << arguments.positionals.front() << "\n";
        return kExitUsage;
    }
    if (arguments.Has("help")) {
        std::cout << command->help;
        return kExitOk;
    }
    arguments.positionals.erase(arguments.positionals.begin());
    const auto folder = ChosenFolder(arguments, argv0);
    if (!folder) return kExitFailure;
    QSettingsBackend settings(arguments.Value("settings").value_or(""));
    CommandContext context{arguments, ProgramFolder(*folder), settings, std::cin, std::cout, std::cerr};
    return command->run(context);
}

}  // namespace
}  // namespace tallyhawk::cli

int main(int argc, char** argv) {
    // A write beyond the file-size limit must fail like a full disk, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return tallyhawk::cli::Run(argv[0], std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "tallyhawk-cli: " << error.what() << "\n";
    } catch (...) {
        std::cerr << "tallyhawk-cli: unexpected failure\n";
    }
    return tallyhawk::cli::kExitFailure;
}
