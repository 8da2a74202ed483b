// tallyhawk-cli reload and status: rebuilding the statistics from the contest log, and the multiplier
// status of a typed call.
#include <unistd.h>

#include <ostream>

#include "app/cli/command.h"
#include "log/log_replay.h"

namespace tallyhawk::cli {
namespace {

// The percentage is drawn over itself on a terminal and wiped at the end; a file or pipe gets none.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : m_err(err), m_shown(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() {
        if (m_drawn) m_err << "\r" << std::string(kWidth, ' ') << "\r" << std::flush;
    }
    void Show(int percent) {
        if (!m_shown) return;
        m_err << "\r" << ReloadProgressText(percent) << std::flush;
        m_drawn = true;
    }

private:
    static constexpr std::size_t kWidth = 6;  // "100 %"
    std::ostream& m_err;
    bool m_shown;
    bool m_drawn = false;
};

}  // namespace

int RunReload(CommandContext& context) {
    if (!context.arguments.positionals.empty()) {
        context.err << "reload takes no arguments (see tallyhawk-cli reload --help)\n";
        return kExitUsage;
    }
    LoggerSession session = StartSession(context);
    return ReloadAndPrintScore(context, session);
}

int ReloadAndPrintScore(CommandContext& context, LoggerSession& session) {
    ReloadResult result;
    {
        ProgressLine progress(context.err);
        result = session.ReloadContestLog([&progress](int percent) { progress.Show(percent); });
    }
    for (const Message& message : result.messages) PrintMessage(context.err, message, session.Russian());
    if (result.status != ReloadStatus::Reloaded) {
        // Without an own call the window names no file; the exit status still tells.
        if (result.messages.empty() && result.badLine) {
            context.err << "line " << *result.badLine << " of the contest log fails the reload check\n";
        }
        return kExitFailure;
    }
    PrintScore(context.out, session.CurrentScreen());
    return kExitOk;
}

int RunStatus(CommandContext& context) {
    const auto& words = context.arguments.positionals;
    if (words.size() != 1) {
        context.err << "status needs one CALL (see tallyhawk-cli status --help)\n";
        return kExitUsage;
    }
    LoggerSession session = StartSession(context);
    TypeCallAndLeave(session, words.front());
    const Screen& screen = session.CurrentScreen();
    context.out << screen.status.text << "\n" << screen.entry[Field::ExchangeReceived] << "\n";
    return kExitOk;
}

}  // namespace tallyhawk::cli
