// The log formats the files window converts between, in one table: each format's name, the file-name
// letter that selects its check, the check, the converter to the other format, the file the
// conversion grows and the box shown when the check refuses a file. A new format is one more row.
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "core/message.h"

namespace tallyhawk {

// A format, or None: no source chosen yet, or a file name that names no format.
enum class LogFormat { None, Adif, Cabrillo };

using RecordWriter = std::function<void(std::string_view record)>;

struct LogFormatRow {
    LogFormat format;
    std::string_view name;        // "ADIF", "Cabrillo"; the command line takes it in any case
    std::string_view kindOfFile;  // "ADIF file", "Cabrillo log"
    char fileNameLetter;          // the first of the path's last three characters, lower-cased
    bool (*check)(std::string_view text);
    // Converts a whole source text, calling `write` with each record's output; returns the count.
    // `callsign` is the own call setting (the QSO: lines written from ADIF carry it).
    int (*convert)(std::string_view text, std::string_view callsign, const RecordWriter& write);
    std::string_view outputName;    // in the output folder, never truncated
    std::string_view outputHeader;  // written in front of the first record of an empty output file
    Message (*rejected)(std::string_view path);
};

extern const std::array<LogFormatRow, 2> kLogFormats;

// The row of a format; nothing for None.
const LogFormatRow* LogFormatRowOf(LogFormat format);

// By the first of the last three characters of the lower-cased path: "c" is Cabrillo, "a" is ADIF;
// None for any other letter or a path shorter than three characters.
LogFormat LogFormatOfPath(std::string_view path);

// By name in any case ("adif", "CABRILLO"); None for another name.
LogFormat LogFormatNamed(std::string_view name);

}  // namespace tallyhawk
