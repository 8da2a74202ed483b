// The score file "statistics/<Callsign>.sf": contacts and points of each band, so that the counters
// survive a restart.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/qso_record.h"
#include "scoring/band_point_counters.h"
#include "scoring/statistics_store.h"

namespace tallyhawk {

struct BandTotals {
    int qsos = 0;
    int points = 0;
};

// Totals in band order; a band missing from the text counts 0.
using ScoreFileTotals = std::array<BandTotals, 6>;

// Lines are trimmed and recognised by their band key ("10mQSO" .. "160mQSO"); the number between ":"
// and "/" is the contact count, the one after "/" the points; text that is not a number reads as 0.
ScoreFileTotals ParseScoreFile(std::string_view text);

// Six lines "10mQSO: %i/%i" .. "160mQSO: %i/%i", each ended by CR LF.
std::string FormatScoreFile(const BandQsoCounters& qsos, const BandPointCounters& points);

// Raises each counter to the file's value where that is larger (compared as unsigned, as the counters
// always were), then rewrites the file from the counters. A file that cannot be read or written
// leaves the counters as they are.
void MergeScoreFile(const StatisticsStore& store, std::string_view ownCall, BandQsoCounters& qsos,
                    BandPointCounters& points);

}  // namespace tallyhawk
