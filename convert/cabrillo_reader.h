// Reading a Cabrillo 2.0 or 3.0 log written by any program: its header tags and its QSO: lines, the
// fields of a line separated by any run of blanks or tabs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallyhawk {

struct CabrilloQso {
    std::size_t line = 0;  // 1-based line number in the file
    std::string_view frequency;
    std::string_view mode;
    std::string_view date;
    std::string_view time;
    std::string_view ownCall;
    std::vector<std::string_view> sent;  // report and exchange sent
    std::string_view call;
    std::vector<std::string_view> received;
    std::string_view transmitter;  // empty when the line has no transmitter id
};

struct CabrilloLog {
    std::vector<std::pair<std::string, std::string_view>> tags;  // upper-case tag, trimmed value
    std::vector<CabrilloQso> qsos;
    std::vector<std::size_t> unreadQsoLines;  // QSO: lines with too few fields

    // The first value of a tag ("CONTEST", "CALLSIGN"); empty when the log has none.
    std::string_view Tag(std::string_view name) const;
};

// Every tag line ("NAME: value") and QSO: line of the text; X-QSO: and QTC: lines and text without a
// colon are skipped. The values point into `text`.
CabrilloLog ReadCabrillo(std::string_view text);

// The fields of one QSO: line after "QSO:": frequency, mode, date, time, own call, sent fields, worked
// call, received fields and an optional transmitter id (a last field of one or two digits after an
// even number of fields from the own call on). Nothing for fewer than 6 fields, or without a date
// "YYYY-MM-DD" and a time "HHMM" in their places.
std::optional<CabrilloQso> ReadCabrilloQso(std::string_view fields);

}  // namespace tallyhawk
