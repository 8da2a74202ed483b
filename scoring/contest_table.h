// The contest table: the list of contest records in the order of the contest list, the lookups by code
// and by list name, and the steps that apply a contest's rules to one contact.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "callsign/own_country.h"
#include "scoring/contest.h"

namespace tallyhawk {

std::span<const Contest* const> AllContests();

// The record of a contest code, or nothing for an unknown code.
const Contest* FindContest(std::string_view code);

// The rules of a contest code, or nothing for an unknown code (which scores nothing).
const ContestRules* RulesFor(std::string_view code);

// Setup list name to code: the code of the listed contest, otherwise the first three characters with
// trailing blanks removed.
std::string ContestCodeFromListName(std::string_view listName);

// The list name of a known code, or an empty text.
std::string_view ContestListNameForCode(std::string_view code);

// Whether the exchange fields take letters in a contest (otherwise digits only).
bool ExchangeTakesLetters(std::string_view code);

// The exchange limits of a contest for a station of this own country prefix.
ExchangeLimits ExchangeLimitsFor(std::string_view code, std::string_view ownCountryPrefix);

// What a contest pre-fills into Exchange sent; an unknown code pre-fills nothing.
SentExchangePrefill SentExchangePrefillFor(std::string_view code);

// How a contest tells the own country: CQ-M by its CQ-M country key, every other by its prefix.
OwnCountryKey OwnCountryKeyFor(std::string_view code);

// The update scores every contact; the recount skips those its contest does not count when reloading.
enum class ScoringPass { Update, Recount };

// Adds the contact's points to the counters, then records its multipliers, one file after another.
void ScoreContact(const ContestRules& rules, const ContactFacts& q, const OwnStation& own,
                  BandPointCounters& points, MultiplierFiles& files, ScoringPass pass = ScoringPass::Update);

// The multiplier files of a contest in the order the recount writes them: the WPX file, then the .x,
// .y and .z files of the six bands; ARRL 10 M its six mode files.
std::vector<std::string> MultiplierFileNames(const ContestRules& rules, std::string_view ownCall);

}  // namespace tallyhawk
