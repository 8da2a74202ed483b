// The contest's contacts as an ADIF 3.1 file for LoTW, Club Log and general logbooks: a header naming
// the version, program and time, then one record per contact with call, date, time, band, frequency,
// mode, reports, exchanges, contest id, station call and operator. Lengths count bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "log/contest_log_contacts.h"

namespace tallyhawk {

inline constexpr std::string_view kAdifExportVersion = "3.1.4";

struct AdifExportSetup {
    std::string createdTimestamp;  // "YYYYMMDD HHMMSS" UTC
    std::string contestId;         // empty: no CONTEST_ID field
    std::string stationCallsign;
    std::string operatorCall;      // empty: no OPERATOR field
    bool digitalIsPsk = false;     // the log's digital lines are PSK31 rather than RTTY
    bool serialExchange = false;   // numeric exchanges are serial numbers (STX, SRX)
};

// Appends "<NAME:length>value " with the length in bytes; an empty value appends nothing.
void AppendAdifField(std::string& text, std::string_view name, std::string_view value);

// One record, ended by "<EOR>" and CR LF.
std::string FormatAdifExportRecord(const ContestLogContact& contact, const AdifExportSetup& setup);

// The whole file.
std::string FormatAdifExport(const std::vector<ContestLogContact>& contacts, const AdifExportSetup& setup);

}  // namespace tallyhawk
