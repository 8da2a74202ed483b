// tallyhawk-cli score: the score summary of the stored contest, as the window shows it after start-up.
#include <ostream>

#include "app/cli/command.h"

namespace tallyhawk::cli {

void PrintScore(std::ostream& out, const Screen& screen) {
    for (const ScoreRow& row : screen.scoreGrid.rows) {
        for (std::size_t i = 0; i < row.cells.size(); ++i) out << (i ? "\t" : "") << row.cells[i];
        out << "\n";
    }
    out << screen.scoreLabel << "\n";
}

int RunScore(CommandContext& context) {
    if (!context.arguments.positionals.empty()) {
        context.err << "score takes no arguments (see tallyhawk-cli score --help)\n";
        return kExitUsage;
    }
    const LoggerSession session = StartSession(context);
    PrintScore(context.out, session.CurrentScreen());
    return kExitOk;
}

}  // namespace tallyhawk::cli
