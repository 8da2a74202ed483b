// Operating modes and their written forms.
#include "core/mode.h"

namespace tallyhawk {

std::string EntryCodeForModeText(std::string_view registryText) {
    if (registryText == "Phone") return "PH";
    if (registryText == "CW") return "CW";
    if (registryText == "RTTY") return "RY";
    if (registryText == "PSK") return "PS";
    return std::string(registryText);
}

std::string_view LogModeCode(std::string_view modeText) {
    const std::string_view head = modeText.substr(0, 2);
    if (head == "CW") return "CW";
    if (head == "PH" || head == "SS") return "PH";
    if (head == "RY" || head == "RT" || head == "BP" || head == "PS") return "RY";
    return "**";
}

std::string_view ReportForLogMode(std::string_view logCode) {
    if (logCode == "PH") return "59  ";
    if (logCode == "CW" || logCode == "RY") return "599 ";
    return "59* ";
}

}  // namespace tallyhawk
