// The full recount of a reload.
#include "scoring/statistics_recount.h"

#include "database/contest_index.h"
#include "scoring/contact_facts.h"
#include "scoring/contest_table.h"
#include "scoring/statistics_store.h"

namespace tallyhawk {

void StatisticsRecount::Reset() {
    m_indexCalls.clear();
    m_indexRecords.clear();
    m_copies.Clear();
}

void StatisticsRecount::Recount(const StatisticsUpdate& context, std::string_view call,
                                std::string_view summary, bool flush, BandPointCounters& points) {
    if (!call.empty() && !summary.empty()) {
        m_indexCalls += ContestIndexEntry(call);
        m_indexRecords += ContestIndexRecord(summary);
    }
    if (flush) FlushContestIndex(context);
    const ContestRules* rules = RulesFor(context.contest);
    if (!rules) return;
    // The flush-only call has no band, so it scores nothing.
    if (const auto facts = ReadContactFacts(call, summary, context.countries, rules->usesCqmKey)) {
        ScoreContact(*rules, *facts, context.own, points, m_copies, ScoringPass::Recount);
    }
    if (flush) WriteMultiplierFiles(*rules, context);
}

void StatisticsRecount::FlushContestIndex(const StatisticsUpdate& context) {
    // As the update, a contest index that cannot be written is skipped; the log keeps every contact.
    (void)AppendContestIndex(ContestIndexFilesFor(context.folder, context.own.call), m_indexCalls,
                             m_indexRecords);
    m_indexCalls.clear();
    m_indexRecords.clear();
}

// Every file of the contest is written, an untouched one as an empty file, so that after the last
// flush each file holds exactly the list of its copy.
void StatisticsRecount::WriteMultiplierFiles(const ContestRules& rules,
                                             const StatisticsUpdate& context) const {
    const StatisticsStore store(context.folder);
    for (const std::string& name : MultiplierFileNames(rules, context.own.call)) {
        (void)store.Rewrite(name, m_copies.Copy(name));
    }
}

}  // namespace tallyhawk
