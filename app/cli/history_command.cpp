// tallyhawk-cli history: the logbook history of a call, as the window shows it when the call field is left.
#include <ostream>

#include "app/cli/command.h"

namespace tallyhawk::cli {

int RunHistory(CommandContext& context) {
    const auto& words = context.arguments.positionals;
    if (words.size() != 1) {
        context.err << "history needs one CALL (see tallyhawk-cli history --help)\n";
        return kExitUsage;
    }
    LoggerSession session = StartSession(context, StartUp::WithoutContest);
    TypeCallAndLeave(session, words.front());
    for (const LookupRow& row : session.CurrentScreen().lookupView) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            context.out << (column == 0 ? "" : "\t") << row[column];
        }
        context.out << "\n";
    }
    return kExitOk;
}

}  // namespace tallyhawk::cli
