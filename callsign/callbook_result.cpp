// Reading the answers of the two callbook libraries into the rows of the call information panel.
#include "callsign/callbook_result.h"

#include <algorithm>

#include "core/text.h"
#include "core/text_lines.h"

namespace tallyhawk {
namespace {

// A library writes a zero-terminated text into a buffer of a fixed size.
std::string_view AnswerText(std::string_view result, std::size_t bufferSize) {
    result = result.substr(0, bufferSize);
    return result.substr(0, result.find('\0'));
}

// The libraries' field markers and line ends are control bytes; a label shows each as a blank.
std::string Shown(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return shown;
}

std::optional<std::string> StateOf(std::string_view text) {
    std::string state(TrimBlanks(Shown(text)));
    if (state.empty()) return std::nullopt;
    return state;
}

// A Raccd32a field runs from its start marker to the next marker the panel uses (or the text's end).
struct RacField {
    char start;
    char end;
};
constexpr RacField kRacCall{'\x01', '\x02'};
constexpr RacField kRacUsNameAddress{'\x02', '\x03'};
constexpr RacField kRacNameAddress{'\x02', '\x07'};  // other calls: the address reaches further
constexpr RacField kRacState{'\x06', '\x07'};
constexpr RacField kRacBeforeState{'\x0D', '\x0E'};
constexpr RacField kRacDxcc{'\x10', '\x11'};

std::string_view FieldOf(std::string_view result, RacField field) {
    const auto start = result.find(field.start);
    if (start == std::string_view::npos) return {};
    const auto end = result.find(field.end, start + 1);
    return result.substr(start + 1, end == std::string_view::npos ? std::string_view::npos : end - start - 1);
}

// United States calls begin with K, N or W, or with A followed by a letter from A to L.
bool IsUnitedStatesCall(std::string_view call) {
    if (call.empty()) return false;
    if (call[0] == 'K' || call[0] == 'N' || call[0] == 'W') return true;
    return call.size() > 1 && call[0] == 'A' && call[1] >= 'A' && call[1] <= 'L';
}

// "Name, address": the name before the first comma, the address after it without leading blanks.
void ShowNameAndAddress(std::string_view nameAddress, CallInfoRows& rows) {
    const auto comma = nameAddress.find(',');
    std::string_view address = comma == std::string_view::npos ? "" : nameAddress.substr(comma + 1);
    address.remove_prefix(std::min(address.find_first_not_of(' '), address.size()));
    rows[0] = {"Name:", Shown(nameAddress.substr(0, comma))};
    rows[1] = {"QTH:", Shown(address)};
}

}  // namespace

CallInfoRows NotFoundRows() {
    CallInfoRows rows;
    rows[0] = {"", "              NOT FOUND", "AlarmColor"};
    return rows;
}

std::optional<CallbookEntry> ReadRacResult(std::string_view result, std::string_view upperCall) {
    result = AnswerText(result, kRacResultSize);
    const std::string_view call = FieldOf(result, kRacCall);
    if (call != upperCall) return std::nullopt;
    const bool unitedStates = IsUnitedStatesCall(call);
    CallbookEntry entry;
    ShowNameAndAddress(FieldOf(result, unitedStates ? kRacUsNameAddress : kRacNameAddress), entry.rows);
    entry.rows[2] = {"DXCC:", Shown(FieldOf(result, kRacDxcc))};
    if (unitedStates) {
        const std::string_view state = FieldOf(result, kRacState);
        entry.rows[3] = {"State:", Shown(FieldOf(result, kRacBeforeState)) + " " + Shown(state)};
        entry.state = StateOf(state);
    }
    return entry;
}

std::optional<CallbookEntry> ReadQrzResult(std::string_view result, std::string_view upperCall) {
    LineCursor lines(TrimWhitespace(AnswerText(result, kQrzResultSize)));
    const std::string_view first = lines.Next().value_or(TextLine{}).text;
    const auto comma = first.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    // "name, CALL": the call starts two characters after the comma.
    const std::string_view found = first.size() > comma + 2 ? TrimWhitespace(first.substr(comma + 2)) : "";
    if (found != upperCall) return std::nullopt;
    const std::string_view address = lines.Next().value_or(TextLine{}).text;
    const std::string_view place = lines.Next().value_or(TextLine{}).text;
    const auto placeComma = place.find(',');
    const std::string_view rest =
        placeComma == std::string_view::npos ? "" : TrimWhitespace(place.substr(placeComma + 1));
    CallbookEntry entry;
    entry.rows = {{{"Name:", Shown(first.substr(0, comma))},
                   {"QTH:", Shown(address)},
                   {"QTH:", Shown(place.substr(0, placeComma))},
                   {"DXCC:", Shown(rest)}}};
    entry.state = StateOf(rest.substr(0, 2));
    return entry;
}

}  // namespace tallyhawk
