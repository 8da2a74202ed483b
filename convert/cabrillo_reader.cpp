// Reading a Cabrillo 2.0 or 3.0 log written by any program.
#include "convert/cabrillo_reader.h"

#include "callsign/call_shape.h"
#include "core/text.h"
#include "core/text_lines.h"

namespace tallyhawk {
namespace {

// Frequency, mode, date, time, own call, worked call: the fields every QSO: line holds.
constexpr std::size_t kFewestFields = 6;

// "2024-11-23" and "0000" in form; whether the date exists is for the reader of the contact to decide.
bool HasDateAndTimeForm(std::string_view date, std::string_view time) {
    const bool date10 = date.size() == 10 && date[4] == '-' && date[7] == '-' && IsAllDigits(date.substr(0, 4)) &&
                        IsAllDigits(date.substr(5, 2)) && IsAllDigits(date.substr(8, 2));
    return date10 && time.size() == 4 && IsAllDigits(time);
}

bool IsTransmitterId(std::string_view field) { return field.size() <= 2 && IsAllDigits(field); }

bool LooksLikeCall(std::string_view field) { return CanBeCall(ToUpperAscii(field)); }

// Where the worked call stands among the fields from the own call on. Sides of equal length put it in
// the middle; when they differ by one field it is the middle field that reads as a call.
std::size_t WorkedCallIndex(const std::vector<std::string_view>& rest) {
    const std::size_t half = rest.size() / 2;
    if (rest.size() % 2 == 0) return half;
    return LooksLikeCall(rest[half]) || !LooksLikeCall(rest[half + 1]) ? half : half + 1;
}

void SplitExchanges(const std::vector<std::string_view>& rest, CabrilloQso& qso) {
    const auto callAt = static_cast<std::ptrdiff_t>(WorkedCallIndex(rest));
    qso.ownCall = rest[0];
    qso.sent.assign(rest.begin() + 1, rest.begin() + callAt);
    qso.call = rest[static_cast<std::size_t>(callAt)];
    qso.received.assign(rest.begin() + callAt + 1, rest.end());
}

}  // namespace

std::string_view CabrilloLog::Tag(std::string_view name) const {
    for (const auto& [tag, value] : tags) {
        if (tag == name) return value;
    }
    return {};
}

std::optional<CabrilloQso> ReadCabrilloQso(std::string_view text) {
    const auto fields = SplitWords(text);
    if (fields.size() < kFewestFields || !HasDateAndTimeForm(fields[2], fields[3])) return std::nullopt;
    CabrilloQso qso{.frequency = fields[0], .mode = fields[1], .date = fields[2], .time = fields[3]};
    std::vector<std::string_view> rest(fields.begin() + 4, fields.end());
    if (rest.size() % 2 == 1 && IsTransmitterId(rest.back())) {
        qso.transmitter = rest.back();
        rest.pop_back();
    }
    SplitExchanges(rest, qso);
    return qso;
}

CabrilloLog ReadCabrillo(std::string_view text) {
    CabrilloLog log;
    LineCursor lines(text);
    std::size_t number = 0;
    while (const auto line = lines.Next()) {
        ++number;
        const std::size_t colon = line->text.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string tag = ToUpperAscii(TrimWhitespace(line->text.substr(0, colon)));
        const std::string_view value = TrimWhitespace(line->text.substr(colon + 1));
        if (tag != "QSO") {
            log.tags.emplace_back(tag, value);
            continue;
        }
        auto qso = ReadCabrilloQso(value);
        if (!qso) {
            log.unreadQsoLines.push_back(number);
            continue;
        }
        qso->line = number;
        log.qsos.push_back(std::move(*qso));
    }
    return log;
}

}  // namespace tallyhawk
