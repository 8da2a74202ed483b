// The contest log as a Cabrillo 3.0 file for the sponsor's log robot.
#include "convert/cabrillo_submission.h"

#include "core/text.h"
#include "log/contest_log_writer.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kFrequencyWidth = 5;
constexpr std::size_t kCallWidth = 13;
constexpr std::size_t kReportWidth = 3;
constexpr std::size_t kExchangeWidth = 6;

std::string PadLeft(std::string_view text, std::size_t width) {
    std::string field(text.size() < width ? width - text.size() : 0, ' ');
    return field.append(text);
}

// Sent or received: report right-aligned, exchange left-aligned, each followed by a blank.
std::string Side(std::string_view call, std::string_view report, std::string_view exchange) {
    return FillRight(call, kCallWidth) + " " + PadLeft(report, kReportWidth) + " " +
           FillRight(exchange, kExchangeWidth) + " ";
}

void AppendTag(std::string& text, std::string_view tag, std::string_view value) {
    if (TrimBlanks(value).empty()) return;
    text.append(tag).append(": ").append(TrimBlanks(value)).append(kLineEnd);
}

// Each "*"-separated piece of a text as its own line of the tag.
void AppendLines(std::string& text, std::string_view tag, std::string_view joined) {
    for (const auto piece : SplitWords(joined, "*")) AppendTag(text, tag, piece);
}

void AppendCategories(std::string& text, const CabrilloSubmissionHeader& header) {
    AppendTag(text, "CATEGORY-OPERATOR", header.categoryOperator);
    AppendTag(text, "CATEGORY-ASSISTED", header.categoryAssisted);
    AppendTag(text, "CATEGORY-BAND", header.categoryBand);
    AppendTag(text, "CATEGORY-MODE", header.categoryMode);
    AppendTag(text, "CATEGORY-POWER", header.categoryPower);
    AppendTag(text, "CATEGORY-STATION", header.categoryStation);
    AppendTag(text, "CATEGORY-TRANSMITTER", header.categoryTransmitter);
}

std::string FormatHeader(const CabrilloSubmissionHeader& header) {
    std::string text = "START-OF-LOG: 3.0" + std::string(kLineEnd);
    AppendTag(text, "CONTEST", header.contest);
    AppendTag(text, "CALLSIGN", header.callsign);
    AppendTag(text, "LOCATION", header.location);
    AppendCategories(text, header);
    text.append("CLAIMED-SCORE: ").append(header.claimedScore).append(kLineEnd);
    AppendTag(text, "CLUB", header.club);
    AppendTag(text, "GRID-LOCATOR", header.gridLocator);
    AppendTag(text, "NAME", header.name);
    AppendLines(text, "ADDRESS", header.address);
    AppendTag(text, "EMAIL", header.email);
    AppendTag(text, "OPERATORS", header.operators);
    AppendTag(text, "CREATED-BY", header.createdBy);
    AppendLines(text, "SOAPBOX", header.soapbox);
    return text;
}

}  // namespace

std::string FormatSubmissionQso(const ContestLogContact& contact, bool digitalIsPsk) {
    const std::string_view mode = contact.mode == "RY" && digitalIsPsk ? std::string_view("DG") : contact.mode;
    std::string line = "QSO: " + PadLeft(ContactFrequencyKhz(contact), kFrequencyWidth) + " ";
    line.append(mode).append(" ").append(contact.date).append(" ").append(contact.time).append(" ");
    line += Side(contact.ownCall, contact.reportSent, contact.exchangeSent);
    line += Side(contact.call, contact.reportReceived, contact.exchangeReceived);
    return line.append(contact.transmitter);
}

std::string FormatCabrilloSubmission(const CabrilloSubmissionHeader& header,
                                     const std::vector<ContestLogContact>& contacts, bool digitalIsPsk) {
    std::string text = FormatHeader(header);
    text.reserve(text.size() + contacts.size() * 84 + 16);
    for (const auto& contact : contacts) text.append(FormatSubmissionQso(contact, digitalIsPsk)).append(kLineEnd);
    return text.append("END-OF-LOG:").append(kLineEnd);
}

}  // namespace tallyhawk
