// A Cabrillo 2.0 or 3.0 log of another program as a contest log of this program: the contest mapped
// to one of the twenty by its official name, the header of a new log and one QSO: line in the log's
// own columns per contact, so that a reload scores it and the operator can go on logging.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/cabrillo_reader.h"
#include "core/contest_setup.h"
#include "core/message.h"
#include "core/qso_record.h"

namespace tallyhawk {

struct ImportedContestLog {
    std::string contest;   // the program's contest code
    std::string callsign;  // from CALLSIGN:, else the own call of the first QSO: line
    std::string logText;   // the new contest log: header and QSO: lines, CR LF
    int contacts = 0;
    int outsideBands = 0;                   // kept with the frequency "*****"
    std::vector<std::size_t> skippedLines;  // QSO: lines no log line can hold (see ContactOf)
};

struct ContestLogImportPlan {
    std::optional<ImportedContestLog> log;
    std::optional<Message> refusal;  // set when `log` is not
};

// The new log for the text of `fileName`, or the reason it cannot be one. `station` gives the header's
// name, club and address; `transmitterId` the id of lines that carry none of one digit.
ContestLogImportPlan PlanContestLogImport(std::string_view text, std::string_view fileName,
                                          const StationProfile& station, std::string_view transmitterId);

// The contact of a QSO: line, or nothing for a line whose call is longer than the log keeps or whose
// date or time is malformed.
std::optional<QsoRecord> ContactOf(const CabrilloQso& qso);

// The band code of a frequency in kHz ("14025" is "20"); empty outside the six bands.
std::string BandForKilohertz(std::string_view frequency);

// The exchange the log keeps of a side's fields: the field after the signal report, or the first.
std::string ExchangeOf(const std::vector<std::string_view>& fields);

// "The contest log <file> already exists; ...": an import never overwrites a log.
Message LogExistsMessage(std::string_view fileName);

}  // namespace tallyhawk
