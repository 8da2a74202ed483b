// One Cabrillo "QSO:" line to one ADIF record line: call, date, time, mode, band and the two signal
// reports read at fixed columns. Own call, exchanges and transmitter id are not carried over.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallyhawk {

// Written once at the top of an empty ADIF output file.
inline constexpr std::string_view kAdifOutputHeader = "<EOH>\r\n\r\n";

// The record line, ended by "<EOR> " and CR LF, for a line that begins with "QSO:" once upper-cased;
// nothing for any other line.
std::optional<std::string> AdifRecordFromCabrillo(std::string_view line);

// The tags made from the frequency and the mode columns.
std::string_view AdifBandTag(std::string_view frequency);
std::string_view AdifModeTag(std::string_view mode);

}  // namespace tallyhawk
