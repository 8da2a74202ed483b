// The check before a log is sent.
#include "log/submission_check.h"

#include <algorithm>
#include <unordered_map>

#include "callsign/call_shape.h"
#include "core/text.h"
#include "core/utc_calendar.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string ModeNames(unsigned modes) {
    std::string names;
    for (const auto& [bit, name] : {std::pair{kCwLogs, "CW"}, std::pair{kPhoneLogs, "PH"}, std::pair{kDigitalLogs, "RY"}}) {
        if (modes & bit) names += (names.empty() ? "" : " ") + std::string(name);
    }
    return names;
}

// Walks the contacts once, remembering what the later ones are compared with.
class ContactChecker {
public:
    ContactChecker(const ContactCheckRules& rules, std::vector<CheckFinding>& findings)
        : m_rules(rules), m_findings(findings) {}

    void Check(const ContestLogContact& contact) {
        if (!contact.inColumns) Add(contact, "not in the log's fixed columns (a call of 14 or more characters?)");
        CheckTime(contact);
        CheckExchange(contact, "sent", contact.exchangeSent);
        CheckExchange(contact, "received", contact.exchangeReceived);
        if (!CanBeCall(contact.call)) Add(contact, Quoted(contact.call) + " cannot be a call");
        CheckBandAndMode(contact);
        CheckDuplicate(contact);
    }

private:
    void Add(const ContestLogContact& contact, std::string text) {
        m_findings.push_back({contact.line, std::move(text)});
    }

    void CheckTime(const ContestLogContact& contact) {
        const auto minute = ParseUtcMinute(contact.date, contact.time);
        if (!minute) return Add(contact, "date and time " + std::string(contact.date) + " " + std::string(contact.time) + " are not valid");
        if (m_last && *minute < m_last->minute) {
            Add(contact, "out of time order: " + FormatUtcMinute(*minute) + " is before " +
                             FormatUtcMinute(m_last->minute) + " of line " + std::to_string(m_last->line));
        }
        if (m_rules.period && !m_rules.period->Contains(*minute)) {
            Add(contact, "outside the contest period " + FormatContestPeriod(*m_rules.period));
        }
        if (!m_last || *minute >= m_last->minute) m_last = LastTime{*minute, contact.line};
    }

    void CheckExchange(const ContestLogContact& contact, std::string_view side, std::string_view exchange) {
        if (exchange.empty()) return Add(contact, "exchange " + std::string(side) + " is empty");
        if (ExchangeHasShape(m_rules.exchange, exchange)) return;
        Add(contact, "exchange " + std::string(side) + " " + Quoted(exchange) + " is not " +
                         std::string(m_rules.exchange.description));
    }

    void CheckBandAndMode(const ContestLogContact& contact) {
        if (contact.band.empty()) Add(contact, "frequency " + std::string(contact.frequency) + " is on no band of the contest");
        if (!(LogModeBit(contact.mode) & m_rules.modes)) {
            Add(contact, "mode " + std::string(contact.mode) + " is not a mode of " + std::string(m_rules.contestName) +
                             " (" + ModeNames(m_rules.modes) + ")");
        }
    }

    void CheckDuplicate(const ContestLogContact& contact) {
        std::string key = std::string(contact.call) + " " + std::string(contact.band) + " " + std::string(contact.mode);
        const auto [earlier, first] = m_worked.try_emplace(std::move(key), contact.line);
        if (first) return;
        Add(contact, "duplicate of line " + std::to_string(earlier->second) + ": " + std::string(contact.call) +
                         " on " + std::string(contact.band) + " m " + std::string(contact.mode));
    }

    struct LastTime {
        UtcMinute minute;
        std::size_t line;
    };

    const ContactCheckRules& m_rules;
    std::vector<CheckFinding>& m_findings;
    std::optional<LastTime> m_last;
    std::unordered_map<std::string, std::size_t> m_worked;
};

// Two letters A-R, two digits, then optionally two letters A-X (in either case).
bool IsGridLocator(std::string_view grid) {
    const std::string upper = ToUpperAscii(grid);
    if (upper.size() != 4 && upper.size() != 6) return false;
    const auto between = [](char c, char lowest, char highest) { return c >= lowest && c <= highest; };
    const bool field = between(upper[0], 'A', 'R') && between(upper[1], 'A', 'R');
    const bool square = IsDigit(upper[2]) && IsDigit(upper[3]);
    const bool subsquare = upper.size() == 4 || (between(upper[4], 'A', 'X') && between(upper[5], 'A', 'X'));
    return field && square && subsquare;
}

}  // namespace

std::vector<CheckFinding> CheckContacts(const ContestLogContacts& log, const ContactCheckRules& rules) {
    std::vector<CheckFinding> findings;
    for (std::size_t line : log.unreadLines) findings.push_back({line, "QSO: line that cannot be read"});
    ContactChecker checker(rules, findings);
    for (const auto& contact : log.contacts) checker.Check(contact);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const CheckFinding& a, const CheckFinding& b) { return a.line < b.line; });
    return findings;
}

std::vector<CheckFinding> CheckHeader(const std::vector<RequiredHeaderField>& fields, std::string_view contestName,
                                      std::string_view gridLocator) {
    std::vector<CheckFinding> findings;
    for (const auto& field : fields) {
        if (!TrimBlanks(field.value).empty()) continue;
        findings.push_back({0, std::string(field.tag) + " is empty; " + std::string(contestName) +
                                   " requires it (set " + std::string(field.setting) + ")"});
    }
    if (!gridLocator.empty() && !IsGridLocator(gridLocator)) {
        findings.push_back({0, "GRID-LOCATOR " + Quoted(gridLocator) + " is not a Maidenhead locator"});
    }
    return findings;
}

std::string FindingText(const CheckFinding& finding) {
    return (finding.line == 0 ? std::string("header") : "line " + std::to_string(finding.line)) + ": " + finding.text;
}

}  // namespace tallyhawk
