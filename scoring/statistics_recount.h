// The full recount of a reload: the contest rules applied to one logged contact after another, as the
// per-contact update applies them, but with the contest index entries and every multiplier file kept
// in memory and written to disk in batches.
#pragma once

#include <string>
#include <string_view>

#include "scoring/band_point_counters.h"
#include "scoring/contest_rules.h"
#include "scoring/multiplier_files.h"
#include "scoring/statistics_update.h"

namespace tallyhawk {

class StatisticsRecount {
public:
    // Empties the index buffers and the multiplier copies; a reload starts from nothing.
    void Reset();

    // One contact of the log (an empty call and summary only flush). The contact's points go to the
    // counters at once; with `flush` the pending index entries are appended to the contest index and
    // every multiplier file of the contest is rewritten whole from its copy.
    void Recount(const StatisticsUpdate& context, std::string_view call, std::string_view summary, bool flush,
                 BandPointCounters& points);

private:
    void FlushContestIndex(const StatisticsUpdate& context);
    void WriteMultiplierFiles(const ContestRules& rules, const StatisticsUpdate& context) const;

    std::string m_indexCalls;    // 14-byte call entries waiting for the next flush
    std::string m_indexRecords;  // their 140-byte summaries
    MultiplierCopies m_copies;   // never emptied during a reload: each flush writes the lists so far
};

}  // namespace tallyhawk
