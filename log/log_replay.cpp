// Replays the QSO: lines of a contest log for the recount.
#include "log/log_replay.h"

#include "core/text.h"
#include "log/qso_line.h"

namespace tallyhawk {

void ReplayContestLog(std::string_view log, const RecountStep& recount, const ProgressStep& progress) {
    int sinceFlush = 0;
    int shownPercent = 0;
    for (std::size_t start = 0; start < log.size();) {
        const std::size_t newline = log.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? log.size() : newline + 1;
        const std::string_view line = TrimLineEnd(log.substr(start, end - start));
        start = end;
        if (!line.starts_with(kQsoMark)) continue;
        ++sinceFlush;
        // The percentage is passed on only when its whole value grows: at most 100 redraws.
        const int percent = static_cast<int>(static_cast<unsigned long long>(end) * 100 / log.size());
        if (percent > shownPercent) {
            shownPercent = percent;
            if (progress) progress(percent);
        }
        const bool flush = sinceFlush == kContactsPerFlush || end == log.size();
        recount(ReadLoggedContact(line), flush);
        if (flush) sinceFlush = 0;
    }
    if (sinceFlush != 0) recount(LoggedContact{}, true);
}

std::string ReloadProgressText(int percent) { return std::to_string(percent) + " %"; }

}  // namespace tallyhawk
