// The converter's file check.
#include "convert/log_file_check.h"

#include "convert/log_format.h"
#include "core/file_io.h"
#include "core/text.h"
#include "core/text_lines.h"
#include "log/contest_log_validator.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kShortestRecordLine = 7;

std::string_view TrimTrailingBlanksAndLineEnds(std::string_view line) {
    const auto end = line.find_last_not_of(" \r\n");
    return end == std::string_view::npos ? std::string_view{} : line.substr(0, end + 1);
}

}  // namespace

bool IsValidCabrilloText(std::string_view text) { return !FirstInvalidContestLogLine(text); }

bool IsValidAdifText(std::string_view text) {
    LineCursor lines(text);
    bool headerEnded = false;
    while (const auto line = lines.Next()) {
        headerEnded = headerEnded || line->text.find("<EOH>") != std::string_view::npos;
        if (!headerEnded) continue;
        const std::string_view content = TrimTrailingBlanksAndLineEnds(line->text);
        if (content.size() >= kShortestRecordLine && !content.ends_with("<EOR>")) return false;
    }
    return headerEnded;
}

bool ValidateLogFile(const std::filesystem::path& path) {
    const LogFormatRow* format = LogFormatRowOf(LogFormatOfPath(path.string()));
    if (!format) return true;
    if (!FileExists(path)) return false;
    const auto text = ReadFile(path);
    return text && format->check(*text);
}

}  // namespace tallyhawk
