// The score file.
#include "scoring/score_file.h"

#include "core/file_io.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

std::string BandKey(Band band) { return std::string(BandShortCode(band)) + "mQSO"; }

BandTotals ParseTotals(std::string_view line) {
    const auto colon = line.find(':');
    const auto slash = line.find('/');
    if (colon == std::string_view::npos || slash == std::string_view::npos || slash < colon) return {};
    return {LeadingInt(TrimBlanks(line.substr(colon + 1, slash - colon - 1))),
            LeadingInt(TrimBlanks(line.substr(slash + 1)))};
}

int Raised(int counter, int fromFile) {
    return static_cast<unsigned>(fromFile) > static_cast<unsigned>(counter) ? fromFile : counter;
}

}  // namespace

ScoreFileTotals ParseScoreFile(std::string_view text) {
    ScoreFileTotals totals{};
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = TrimWhitespace(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        for (Band band : kBands) {
            if (line.starts_with(BandKey(band))) totals[static_cast<std::size_t>(BandIndex(band))] = ParseTotals(line);
        }
    }
    return totals;
}

std::string FormatScoreFile(const BandQsoCounters& qsos, const BandPointCounters& points) {
    std::string text;
    for (Band band : kBands) {
        text += BandKey(band) + ": " + std::to_string(qsos.Count(band)) + "/" + std::to_string(points.Points(band)) +
                "\r\n";
    }
    return text;
}

void MergeScoreFile(const StatisticsStore& store, std::string_view ownCall, BandQsoCounters& qsos,
                    BandPointCounters& points) {
    const auto path = store.Path(ScoreFileName(ownCall));
    const std::optional<std::string> text = ReadFile(path);
    if (!text && FileExists(path)) return;
    const ScoreFileTotals totals = ParseScoreFile(text.value_or(""));
    for (Band band : kBands) {
        const BandTotals& file = totals[static_cast<std::size_t>(BandIndex(band))];
        qsos.Set(band, Raised(qsos.Count(band), file.qsos));
        points.Set(band, Raised(points.Points(band), file.points));
    }
    const std::string merged = FormatScoreFile(qsos, points);
    if (merged != text) (void)store.Rewrite(ScoreFileName(ownCall), merged);
}

}  // namespace tallyhawk
