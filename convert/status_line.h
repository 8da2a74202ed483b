// The texts the files window's status line draws while a conversion or an import runs. The operations
// hand each text to a StatusSink in the order the window draws them.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tallyhawk {

using StatusSink = std::function<void(std::string_view text)>;

inline constexpr std::string_view kCheckingText = "Checking ...";
// The trailing blanks overwrite the end of a longer text drawn before.
inline constexpr std::string_view kCompleteText = "Complete          ";
inline constexpr std::string_view kNoEntriesText = "No entries         ";
// Blanks that wipe the line: 25 before a conversion (drawn one pixel further left), 24 before an import.
inline constexpr std::string_view kConversionClearText = "                         ";
inline constexpr std::string_view kImportClearText = "                        ";

// "QSO: n", the running count of records written.
inline std::string QsoCountText(int count) { return "QSO: " + std::to_string(count); }

// Calls the sink when there is one.
inline void Show(const StatusSink& status, std::string_view text) {
    if (status) status(text);
}

}  // namespace tallyhawk
