// The statistics of one saved contact.
#include "scoring/statistics_update.h"

#include "database/contest_index.h"
#include "scoring/contact_facts.h"
#include "scoring/contest_table.h"
#include "scoring/statistics_store.h"

namespace tallyhawk {

void UpdateStatistics(const StatisticsUpdate& update, std::string_view call, std::string_view summary,
                      BandPointCounters& points) {
    const auto index = ContestIndexFilesFor(update.folder, update.own.call);
    (void)AppendContestIndex(index, ContestIndexEntry(call), ContestIndexRecord(summary));
    const ContestRules* rules = RulesFor(update.contest);
    if (!rules) return;
    const auto facts = ReadContactFacts(call, summary, update.countries, rules->usesCqmKey);
    if (!facts) return;
    StatisticsStore store(update.folder);
    ScoreContact(*rules, *facts, update.own, points, store);
}

}  // namespace tallyhawk
