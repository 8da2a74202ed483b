// The check that a file has the narrow shape the converter and the logbook import can read: Cabrillo
// logs with 81-character QSO: lines, ADIF files with one record per line.
#pragma once

#include <filesystem>
#include <string_view>

namespace tallyhawk {

enum class LogFileKind { Cabrillo, Adif, Unchecked };

// By the first of the last three characters of the lower-cased path: "c" is Cabrillo, "a" is ADIF,
// anything else (or a path shorter than three characters) is not checked.
LogFileKind LogFileKindOf(std::string_view path);

// Lines longer than 70 characters must be exactly 81; every "QSO:" line must be 81 characters with
// blanks between its fields and end in a character not above "9".
bool IsValidCabrilloText(std::string_view text);

// There must be a line holding "<EOH>"; from it on, every line longer than 6 characters (trailing
// blanks not counted) must end with "<EOR>".
bool IsValidAdifText(std::string_view text);

// Checks the file by its kind; a file of another kind passes unread. A Cabrillo or ADIF file that
// cannot be read fails.
bool ValidateLogFile(const std::filesystem::path& path);

}  // namespace tallyhawk
