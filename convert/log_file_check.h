// The check that a file has the narrow shape the converter and the logbook import can read: Cabrillo
// logs with 81-character QSO: lines, ADIF files with one record per line.
#pragma once

#include <filesystem>
#include <string_view>

namespace tallyhawk {

// The reload check's rule (FirstInvalidContestLogLine): lines longer than 70 characters must be exactly
// 81; every "QSO:" line must be 81 characters with blanks between its fields and end in a character
// not above "9".
bool IsValidCabrilloText(std::string_view text);

// There must be a line holding "<EOH>"; from it on, every line longer than 6 characters (trailing
// blanks not counted) must end with "<EOR>".
bool IsValidAdifText(std::string_view text);

// Checks the file by the format its name selects (LogFormatOfPath); a file whose name selects no
// format passes unread. A Cabrillo or ADIF file that cannot be read fails.
bool ValidateLogFile(const std::filesystem::path& path);

}  // namespace tallyhawk
