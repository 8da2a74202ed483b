// Reading the answers of the two callbook libraries into the rows of the call information panel.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "callsign/call_info.h"

namespace tallyhawk {

// Longest answers the libraries write: the rest of a buffer is never read.
inline constexpr std::size_t kQrzResultSize = 255;
inline constexpr std::size_t kRacResultSize = 500;

struct CallbookEntry {
    CallInfoRows rows;
    std::optional<std::string> state;  // the state of the found call, when the answer carries one
};

// A Raccd32a answer: fields that start at the marker bytes 0x01 (call), 0x02 (name, address), 0x06
// (state), 0x0D (shown before the state), 0x10 (DXCC text). Nothing unless its call is `upperCall`.
// United States calls get the state row.
std::optional<CallbookEntry> ReadRacResult(std::string_view result, std::string_view upperCall);

// A qrz32 answer: "name, CALL", the address and "city, rest" on three lines (the rest of a United
// States call begins with its state). Nothing unless its call is `upperCall`.
std::optional<CallbookEntry> ReadQrzResult(std::string_view result, std::string_view upperCall);

// An unknown call: every label empty but the first value, which says so in the alarm colour.
CallInfoRows NotFoundRows();

}  // namespace tallyhawk
