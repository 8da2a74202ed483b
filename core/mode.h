// Operating modes and their written forms: setup/registry text, entry code and log code with its report.
#pragma once

#include <string>
#include <string_view>

namespace tallyhawk {

// Registry text ("Phone", "CW", "RTTY", "PSK") to entry code ("PH", "CW", "RY", "PS");
// any other text is returned unchanged.
std::string EntryCodeForModeText(std::string_view registryText);

// Any mode text to the code of the contest log, by its first two characters:
// "CW" -> "CW"; "SS" -> "PH"; "RY", "RT", "BP", "PS" -> "RY"; anything but "CW", "PH", "RY" -> "**".
std::string_view LogModeCode(std::string_view modeText);

// The signal report written with a log code, padded to 4: "59  ", "599 " or "59* ".
std::string_view ReportForLogMode(std::string_view logCode);

}  // namespace tallyhawk
