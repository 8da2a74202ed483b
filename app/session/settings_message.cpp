// The settings message parser.
#include "app/session/settings_message.h"

#include "core/text.h"

namespace tallyhawk {
namespace {

// The `width` characters after the first occurrence of `key`, or nothing when the key is absent.
std::optional<std::string> ValueAfter(std::string_view text, std::string_view key, std::size_t width) {
    const auto at = text.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    return std::string(text.substr(at + key.size(), width));
}

std::optional<std::string> TrimmedValueAfter(std::string_view text, std::string_view key, std::size_t width) {
    auto value = ValueAfter(text, key, width);
    if (value) *value = TrimBlanks(*value);
    return value;
}

std::string ModeEntryCode(const std::string& value) {
    if (value == "Pho") return "PH";
    if (value == "RTT") return "RY";
    if (value == "PSK") return "PS";
    return value;
}

}  // namespace

std::optional<SettingsMessage> ParseSettingsMessage(std::string_view text) {
    text = text.substr(0, kSettingsMessageMaxLength);
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    if (text.find("settings:") == std::string_view::npos) return std::nullopt;
    SettingsMessage message;
    message.onTop = text.find("ontop:yes") != std::string_view::npos;
    message.hideToTray = text.find("hide:yes") != std::string_view::npos;
    message.realTimeMode = text.find("current:yes") != std::string_view::npos;
    message.date = ValueAfter(text, "date:", 10);
    message.band = TrimmedValueAfter(text, "band:", 3);
    message.mode = TrimmedValueAfter(text, "mode:", 3);
    if (message.mode) *message.mode = ModeEntryCode(*message.mode);
    message.contest = TrimmedValueAfter(text, "cont:", 3);
    message.callbookType = TrimmedValueAfter(text, "cdrom:", 3);
    message.diskLetter = ValueAfter(text, "disk:", 1);
    return message;
}

std::string CallbookDrive(std::string_view letter, std::string_view callbookType) {
    std::string drive(letter);
    if (callbookType == "rac") drive += ":\\";
    drive = ToLowerAscii(drive);
    std::erase(drive, ' ');
    return drive;
}

}  // namespace tallyhawk
