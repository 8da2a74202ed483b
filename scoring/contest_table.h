// The twenty contests and their rules, one row each in the order of the contest list, and the steps
// that apply a row to one contact.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/contest_rules.h"

namespace tallyhawk {

std::span<const ContestRules> AllContestRules();

// The rules of a contest code, or nothing for an unknown code (which scores nothing).
const ContestRules* RulesFor(std::string_view contestId);

// The update scores every contact; the recount skips those its contest does not count when reloading.
enum class ScoringPass { Update, Recount };

// Adds the contact's points to the counters, then records its multipliers, one file after another.
void ScoreContact(const ContestRules& rules, const ContactFacts& q, const OwnStation& own,
                  BandPointCounters& points, MultiplierFiles& files, ScoringPass pass = ScoringPass::Update);

// The multiplier files of a contest in the order the recount writes them: the WPX file, then the .x,
// .y and .z files of the six bands; ARRL 10 M its six mode files.
std::vector<std::string> MultiplierFileNames(const ContestRules& rules, std::string_view ownCall);

}  // namespace tallyhawk
