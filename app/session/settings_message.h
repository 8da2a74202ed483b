// The settings message: the text with which the settings dialogs (or another process) tell the
// running logger about changed settings, e.g. "settings: cont:CQ band:20 mode:Phone date:2002-11-30".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tallyhawk {

inline constexpr std::size_t kSettingsMessageMaxLength = 255;

// What one message says. Flags are set by their key's presence and cleared by its absence; the other
// values are present only when their key occurs.
struct SettingsMessage {
    bool onTop = false;
    bool hideToTray = false;
    bool realTimeMode = false;
    std::optional<std::string> date;          // the 10 characters after "date:"
    std::optional<std::string> band;          // 3 characters, blanks removed
    std::optional<std::string> mode;          // entry code: "Pho" -> "PH", "RTT" -> "RY", "PSK" -> "PS"
    std::optional<std::string> contest;       // 3 characters, blanks removed
    std::optional<std::string> callbookType;  // "qrz", "rac" or "non"
    std::optional<std::string> diskLetter;    // the 1 character after "disk:"
};

// Nothing when the text does not contain "settings:" (such a message is ignored). Only the first
// 255 characters are read; keys are searched anywhere in the text, in a fixed order.
std::optional<SettingsMessage> ParseSettingsMessage(std::string_view text);

// The callbook drive as the logger keeps it: ":\" appended for the "rac" callbook, lower case,
// blanks removed.
std::string CallbookDrive(std::string_view letter, std::string_view callbookType);

}  // namespace tallyhawk
