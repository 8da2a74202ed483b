// What start-up checks before the main window shows.
#include "app/session/start_up_checks.h"

#include "core/text.h"

namespace tallyhawk {

std::optional<Message> DisplayColorDepthMessage(int bitsPerPixel) {
    if (bitsPerPixel >= kLeastColorDepth) return std::nullopt;
    const std::string title = "ERROR: COLORS LESS THEN 16 BIT";
    const std::string text =
        "Current number of colors is less then 16 bit.\r\nPlease modify DISPLAY SETTINGS.\r\nTallyhawk will be "
        "closed.";
    return Message{.titleEnglish = title, .textEnglish = text, .titleRussian = title, .textRussian = text};
}

bool StationCallUnusable(std::string_view call) { return TrimBlanks(call).size() < 3; }

bool StationCallMissing(std::string_view call) {
    return StationCallUnusable(call) || TrimBlanks(call) == "UNKNOWN";
}

}  // namespace tallyhawk
