// What start-up checks before the main window shows: the display's colour depth and whether the
// station's own call is set.
#pragma once

#include <optional>
#include <string_view>

#include "core/message.h"

namespace tallyhawk {

// The fewest bits per pixel the window's colours need.
inline constexpr int kLeastColorDepth = 16;

// The error box for a display with fewer colours, after which the program closes; nothing for a display
// that has enough. The text is English in both languages.
std::optional<Message> DisplayColorDepthMessage(int bitsPerPixel);

// A call that cannot name a contest log: shorter than 3 characters (a first start reads none back).
bool StationCallUnusable(std::string_view call);

// A call the personal dialog asks for before the window shows: unusable, or the default "UNKNOWN".
bool StationCallMissing(std::string_view call);

}  // namespace tallyhawk
