// The contacts of the contest log as the exports and the check read them.
#include "log/contest_log_contacts.h"

#include <optional>

#include "core/band.h"
#include "core/mode.h"
#include "core/text.h"
#include "core/text_lines.h"
#include "log/contest_log_validator.h"
#include "log/qso_line.h"

namespace tallyhawk {
namespace {

// QSO:, frequency, mode, date, time, own call, report and exchange sent, call, report and exchange
// received, transmitter id.
constexpr std::size_t kFieldsOfShiftedLine = 12;

constexpr Hertz kHertzPerKilohertz = 1000;
constexpr Hertz kHertzPerMegahertz = 1000000;

// "14.02563": six decimals, the trailing zeros after the third dropped.
std::string MegahertzText(Hertz hertz) {
    std::string decimals = std::to_string(hertz % kHertzPerMegahertz);
    decimals.insert(0, 6 - decimals.size(), '0');
    while (decimals.size() > 3 && decimals.back() == '0') decimals.pop_back();
    return std::to_string(hertz / kHertzPerMegahertz) + "." + decimals;
}

std::string_view Field(std::string_view line, ColumnRange range) { return TrimBlanks(Cut(line, range)); }

std::string_view BandOfFrequency(std::string_view frequency) {
    for (Band band : kBands) {
        if (TrimBlanks(BandFrequencyText(band)) == frequency) return BandShortCode(band);
    }
    return {};
}

ContestLogContact ReadColumns(std::string_view line) {
    using namespace qso_columns;
    ContestLogContact contact;
    contact.frequency = Field(line, kFrequency);
    contact.mode = Field(line, kMode);
    contact.date = Field(line, kDate);
    contact.time = Field(line, kTime);
    contact.ownCall = Field(line, kOwnCall);
    contact.reportSent = Field(line, kReportSent);
    contact.exchangeSent = Field(line, kExchangeSent);
    contact.call = Field(line, kWorkedCall);
    contact.reportReceived = Field(line, kReportReceived);
    contact.exchangeReceived = Field(line, kExchangeReceived);
    contact.transmitter = TrimBlanks(line.substr(std::min(line.size(), kTransmitterIdColumn - 1)));
    return contact;
}

// A call of 14 or more characters runs into the report after it ("VERYLONGCALL1AB599"): the report is
// cut off it again, at the places of the own call (5) and of the worked call (8).
void SplitCallsFromReports(std::vector<std::string_view>& words) {
    if (words.size() < 3) return;
    const std::string_view report = TrimBlanks(ReportForLogMode(LogModeCode(words[2])));
    for (std::size_t call : {std::size_t{5}, std::size_t{8}}) {
        if (words.size() <= call || words.size() >= kFieldsOfShiftedLine) return;
        const std::string_view word = words[call];
        if (word.size() <= report.size() || !word.ends_with(report)) continue;
        words[call] = word.substr(0, word.size() - report.size());
        words.insert(words.begin() + static_cast<std::ptrdiff_t>(call) + 1, word.substr(word.size() - report.size()));
    }
}

std::optional<ContestLogContact> ReadWords(std::string_view line) {
    auto words = SplitWords(line, " ");
    SplitCallsFromReports(words);
    if (words.size() != kFieldsOfShiftedLine) return std::nullopt;
    ContestLogContact contact{.frequency = words[1], .mode = words[2], .date = words[3], .time = words[4],
                              .ownCall = words[5], .reportSent = words[6], .exchangeSent = words[7],
                              .call = words[8], .reportReceived = words[9], .exchangeReceived = words[10],
                              .transmitter = words[11], .inColumns = false};
    return contact;
}

}  // namespace

ContestLogContacts ReadContestLogContacts(std::string_view log) {
    ContestLogContacts result;
    LineCursor lines(log);
    std::size_t number = 0;
    std::size_t qsoNumber = 0;
    while (const auto line = lines.Next()) {
        ++number;
        if (!line->text.starts_with("QSO:")) continue;
        ++qsoNumber;
        auto contact = ValidContestLogLine(line->text) ? std::optional(ReadColumns(line->text)) : ReadWords(line->text);
        if (!contact) {
            result.unreadLines.push_back(number);
            continue;
        }
        contact->line = number;
        contact->qsoNumber = qsoNumber;
        contact->band = BandOfFrequency(contact->frequency);
        result.contacts.push_back(*contact);
    }
    return result;
}

std::string ContactFrequencyKhz(const ContestLogContact& contact) {
    if (!contact.exactFrequency) return std::string(contact.frequency);
    return std::to_string((*contact.exactFrequency + kHertzPerKilohertz / 2) / kHertzPerKilohertz);
}

std::string ContactFrequencyMhz(const ContestLogContact& contact) {
    if (contact.exactFrequency) return MegahertzText(*contact.exactFrequency);
    const std::string_view kilohertz = contact.frequency;
    if (!IsAllDigits(kilohertz) || kilohertz.size() < 4) return {};
    const std::size_t point = kilohertz.size() - 3;
    return std::string(kilohertz.substr(0, point)) + "." + std::string(kilohertz.substr(point));
}

}  // namespace tallyhawk
