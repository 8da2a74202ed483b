// Choosing the search keys of every call shape and writing them as the country file and prefix lists.
//
// The lookup derives a key from the call's WPX prefix: "W1" for W1ABC, "DL1" for DL1ABC. The prefix
// lists then extend the key by the next character of the call (four-character list for "UA9F",
// three-character list for "R8F"), keep a three-character key whole (three-character list), or cut it
// to two characters (two-character list: "DL1" becomes "DL"). The builder walks every two- and
// three-character WPX stem, asks the AD1C file where the calls that begin with it belong, and chooses
// for each stem the shortest key that still tells its countries apart.
#include "callsign/country_file_builder.h"

#include <algorithm>
#include <array>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "callsign/country_file_index.h"
#include "core/file_io.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kCallCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The prefixes the contest rules and code lists compare, for the AD1C countries they mean.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kPrincipalPrefixes = {{
    {"K", "W"},         // United States
    {"UA", "RA1"},      // European Russia
    {"UA9", "RA0"},     // Asiatic Russia
    {"UA2", "RA2"},     // Kaliningrad
    {"4U1I", "4U1/i"},  // ITU headquarters, Geneva
    {"JD/o", "JD1"},    // Ogasawara
    {"SV/a", "SY"},     // Mount Athos
    {"FT/x", "FT"},     // Kerguelen, for the French overseas list
}};

// Two targets are the same when both are "no country" or both name the same country, zone and continent.
bool SameTarget(const SourceTarget* a, const SourceTarget* b) {
    if (a == nullptr || b == nullptr) return a == b;
    return *a == *b;
}

// A weighted vote among targets; ties go to the first target that reached the top weight.
class TargetVote {
public:
    void Add(const SourceTarget* target, int weight) {
        for (auto& [candidate, total] : m_votes) {
            if (SameTarget(candidate, target)) {
                total += weight;
                return;
            }
        }
        m_votes.emplace_back(target, weight);
    }
    const SourceTarget* Winner() const {
        const SourceTarget* winner = nullptr;
        int best = 0;
        for (const auto& [candidate, total] : m_votes) {
            if (total > best) winner = candidate, best = total;
        }
        return winner;
    }

private:
    std::vector<std::pair<const SourceTarget*, int>> m_votes;
};

using LineKey = std::tuple<int, int, std::string>;  // country, CQ zone, continent

LineKey LineKeyOf(const SourceTarget& target) { return {target.country, target.cqZone, target.continent}; }

// Control characters of a damaged source would break the line layout; they are written as "?".
std::string Printable(std::string_view text) {
    std::string printable(text);
    for (char& c : printable) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    }
    return printable;
}

std::string ZoneField(int zone) {
    if (zone < 1 || zone > 99) return "   ";
    return zone < 10 ? std::to_string(zone) + ": " : std::to_string(zone) + ":";
}

// The country record: name, CQ zone ("14:" or "5: "), principal prefix with its ":" and continent.
// A ":" stands after the zone and before the continent so that neither is a word between blanks
// that a search key could hit.
std::string LineHead(const CountrySource& source, const SourceTarget& target) {
    namespace r = country_record;
    const SourceCountry& country = source.countries[static_cast<std::size_t>(target.country)];
    std::string head = PadRight(Printable(country.name), r::kName.width);
    head += PadRight(ZoneField(target.cqZone), r::kPrincipalPrefix.offset - r::kCqZone.offset);
    head += PadRight(Printable(PrincipalPrefixFor(country.primaryPrefix)) + ":", r::kPrincipalPrefix.width);
    head += ":";
    head += PadRight(Printable(target.continent), r::kContinent.width);
    return head;
}

class KeyPlan {
public:
    explicit KeyPlan(const CountrySource& source) : m_source(source) { CollectHeadWords(); }

    void Build() {
        for (char c0 : kCallCharacters) {
            for (char c1 : kCallCharacters) {
                for (char c2 : kDigits) PlanThreeCharacterStem(std::string{c0, c1, c2});
            }
        }
        for (char c0 : kCallCharacters) {
            for (char c1 : kDigits) PlanTwoCharacterStem(std::string{c0, c1});
        }
        for (char c0 : kCallCharacters) {
            for (char c1 : kCallCharacters) PlanTwoCharacterCut(std::string{c0, c1});
        }
        PlanAntarcticRussia();
        PlanExactCallCountries();
        // Every country gets a line, also one that only exact calls reach: its principal prefix is
        // then in the file for whoever looks for it.
        for (std::size_t country = 0; country < m_source.countries.size(); ++country) {
            m_keysOfLine[LineKeyOf(CountryTarget(static_cast<int>(country)))];
        }
    }

    CountryFiles Files() const;

private:
    const SourceTarget* Resolve(std::string_view text) const { return ResolvePrefix(m_source, text); }

    void Assign(const std::string& key, const SourceTarget* target) {
        if (target != nullptr) m_keysOfLine[LineKeyOf(*target)].push_back(key);
    }

    bool Forbidden(std::string_view key) const { return m_headWords.contains(key); }

    void CollectHeadWords();
    void PlanThreeCharacterStem(const std::string& stem);
    void PlanTwoCharacterStem(const std::string& stem);
    void PlanTwoCharacterCut(const std::string& stem);
    void ListExtensions(const std::string& stem, std::string_view nextCharacters, const SourceTarget* usual,
                        std::vector<std::string>& list);
    void PlanAntarcticRussia();
    void PlanExactCallCountries();
    SourceTarget CountryTarget(int country) const;
    const SourceTarget* EmptyKeyTarget() const;
    std::string Line(const SourceTarget& target, const std::vector<std::string>& keys) const;

    const CountrySource& m_source;
    WordSet m_headWords;
    std::map<std::string, const SourceTarget*> m_threeStemTarget;
    std::map<std::string, const SourceTarget*> m_twoStemTarget;
    std::vector<std::string> m_two, m_three, m_four;
    std::map<LineKey, std::vector<std::string>> m_keysOfLine;
};

// The words of the 40-column heads can never be keys: a search for them would hit the head.
void KeyPlan::CollectHeadWords() {
    for (std::size_t country = 0; country < m_source.countries.size(); ++country) {
        ForEachBlankEnclosedWord(LineHead(m_source, CountryTarget(static_cast<int>(country))) + " ",
                                 [this](std::string_view word) { m_headWords.emplace(word); });
    }
}

// A three-character stem (DL1, UA9, T77): the next character of the call may move it elsewhere (UA9F).
void KeyPlan::PlanThreeCharacterStem(const std::string& stem) {
    TargetVote vote;
    vote.Add(Resolve(stem), 1);
    for (char next : kCallCharacters) vote.Add(Resolve(stem + next), IsUpperLetter(next) ? 10 : 1);
    const SourceTarget* usual = vote.Winner();
    m_threeStemTarget[stem] = usual;
    ListExtensions(stem, kCallCharacters, usual, m_four);
}

// A two-character stem of a letter and a digit (W1, R9): the letter after the digit may move it (R8F).
void KeyPlan::PlanTwoCharacterStem(const std::string& stem) {
    TargetVote vote;
    for (char next : kLetters) vote.Add(Resolve(stem + next), 1);
    const SourceTarget* usual = Forbidden(stem) ? nullptr : vote.Winner();
    m_twoStemTarget[stem] = usual;
    Assign(stem, usual);
    ListExtensions(stem, kLetters, usual, m_three);
}

// Lists every one-character extension of the stem that the source places elsewhere than the stem's
// usual country, and gives it to that country's line.
void KeyPlan::ListExtensions(const std::string& stem, std::string_view nextCharacters,
                             const SourceTarget* usual, std::vector<std::string>& list) {
    for (char next : nextCharacters) {
        const std::string longer = stem + next;
        const SourceTarget* target = Resolve(longer);
        if (SameTarget(target, usual) || Forbidden(longer)) continue;
        list.push_back(longer);
        Assign(longer, target);
    }
}

// Three-character keys whose first two characters tell the country are cut to those two (DL1 -> DL);
// the three-character list keeps the exceptions whole (EA8 among EA).
void KeyPlan::PlanTwoCharacterCut(const std::string& stem) {
    TargetVote vote;
    for (char digit : kDigits) vote.Add(m_threeStemTarget[stem + digit], 1);
    const SourceTarget* usual = vote.Winner();
    const bool sharedWithTwoStem = !IsUpperLetter(stem[1]);
    const bool cut = usual != nullptr && !Forbidden(stem) &&
                     (!sharedWithTwoStem || SameTarget(usual, m_twoStemTarget[stem]));
    if (cut) {
        m_two.push_back(stem);
        if (!sharedWithTwoStem) Assign(stem, usual);
    }
    for (char digit : kDigits) {
        const std::string key = stem + digit;
        const SourceTarget* target = m_threeStemTarget[key];
        if (cut && SameTarget(target, usual)) continue;
        if (cut) m_three.push_back(key);
        if (!Forbidden(key)) Assign(key, target);
    }
}

// R1AN... are Russian stations in Antarctica; the lookup searches them as R1AN once R1A is a key. The
// source lists them by station, with zones of their own, so the country with the most of them wins.
void KeyPlan::PlanAntarcticRussia() {
    std::map<int, int> entriesOfCountry;
    for (const auto* table : {&m_source.prefixes, &m_source.exactCalls}) {
        for (const auto& [call, target] : *table) {
            if (call.starts_with("R1AN")) ++entriesOfCountry[target.country];
        }
    }
    const auto most = std::max_element(entriesOfCountry.begin(), entriesOfCountry.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    if (most == entriesOfCountry.end()) return;
    const SourceTarget antarctic = CountryTarget(most->first);
    if (SameTarget(&antarctic, Resolve("R1A"))) return;
    if (std::find(m_three.begin(), m_three.end(), "R1A") == m_three.end()) {
        m_three.push_back("R1A");
        Assign("R1A", Resolve("R1A"));
    }
    Assign("R1AN", &antarctic);
}

// A country that the source reaches by exact calls only (the UN offices 4U1I, 4U1U, 4U1V) gets its
// primary prefix as a key when that has the shape of a WPX stem and no prefix entry claims it.
void KeyPlan::PlanExactCallCountries() {
    std::vector<bool> hasPrefix(m_source.countries.size(), false);
    for (const auto& [prefix, target] : m_source.prefixes)
        hasPrefix[static_cast<std::size_t>(target.country)] = true;
    for (std::size_t country = 0; country < m_source.countries.size(); ++country) {
        const std::string& primary = m_source.countries[country].primaryPrefix;
        const bool stemShape =
            (primary.size() == 3 || primary.size() == 4) && IsDigit(primary[2]) &&
            std::all_of(primary.begin(), primary.end(), [](char c) { return IsUpperLetter(c) || IsDigit(c); });
        if (hasPrefix[country] || !stemShape || Forbidden(primary)) continue;
        const SourceTarget target = CountryTarget(static_cast<int>(country));
        if (SameTarget(&target, Resolve(primary))) continue;
        (primary.size() == 4 ? m_four : m_three).push_back(primary);
        Assign(primary, &target);
    }
}

SourceTarget KeyPlan::CountryTarget(int country) const {
    const SourceCountry& info = m_source.countries[static_cast<std::size_t>(country)];
    return {country, info.cqZone, info.continent};
}

// A call whose WPX prefix is empty (3DA0ABC) is searched with two blanks, which every head holds; the
// last line answers it, so the country whose prefixes have letters in their second and third
// characters goes last.
const SourceTarget* KeyPlan::EmptyKeyTarget() const {
    TargetVote vote;
    for (const auto& [prefix, target] : m_source.prefixes) {
        if (prefix.size() >= 3 && !IsDigit(prefix[1]) && !IsDigit(prefix[2])) vote.Add(&target, 1);
    }
    return vote.Winner();
}

std::string KeyPlan::Line(const SourceTarget& target, const std::vector<std::string>& keys) const {
    std::string line = LineHead(m_source, target) + " ";
    for (const std::string& key : keys) line += key + " ";
    return line + "\r\n";
}

std::string ListText(std::vector<std::string> keys) {
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::string text = " ";
    for (const std::string& key : keys) text += key + " ";
    return text + "\r\n";
}

CountryFiles KeyPlan::Files() const {
    CountryFiles files;
    const SourceTarget* last = EmptyKeyTarget();
    std::string lastLine;
    for (const auto& [lineKey, keys] : m_keysOfLine) {
        const SourceTarget target{std::get<0>(lineKey), std::get<1>(lineKey), std::get<2>(lineKey)};
        std::vector<std::string> sorted = keys;
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        if (last != nullptr && target == *last) {
            lastLine = Line(target, sorted);
        } else {
            files.countryFile += Line(target, sorted);
        }
    }
    if (last != nullptr && lastLine.empty()) lastLine = Line(*last, {});
    files.countryFile += lastLine;
    files.twoList = ListText(m_two);
    files.threeList = ListText(m_three);
    files.fourList = ListText(m_four);
    return files;
}

}  // namespace

std::string PrincipalPrefixFor(std::string_view primaryPrefix) {
    for (const auto& [source, principal] : kPrincipalPrefixes) {
        if (primaryPrefix == source) return std::string(principal);
    }
    return std::string(primaryPrefix.substr(0, kLongestPrincipalPrefix));
}

CountryFiles BuildCountryFiles(const CountrySource& source) {
    KeyPlan plan(source);
    plan.Build();
    return plan.Files();
}

bool WriteCountryFiles(const ProgramFolder& folder, const CountryFiles& files) {
    if (!EnsureFolder(folder.Path("dxcc"))) return false;
    return ReplaceFile(folder.DxccPath("cty.dat"), files.countryFile) &&
           ReplaceFile(folder.DxccPath("prx2.dat"), files.twoList) &&
           ReplaceFile(folder.DxccPath("prx3.dat"), files.threeList) &&
           ReplaceFile(folder.DxccPath("prx4.dat"), files.fourList);
}

}  // namespace tallyhawk
