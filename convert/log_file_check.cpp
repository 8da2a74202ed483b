// The converter's file check.
#include "convert/log_file_check.h"

#include <array>

#include "core/file_io.h"
#include "core/text.h"
#include "core/text_lines.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kLongestHeaderLine = 70;
constexpr std::size_t kQsoLineLength = 81;
// 0-based positions that separate the fields of a QSO: line.
constexpr std::array<std::size_t, 10> kSeparatorPositions = {4, 10, 13, 24, 43, 47, 54, 68, 72, 79};
constexpr std::size_t kShortestRecordLine = 7;

bool IsValidQsoLine(std::string_view line) {
    // Compared as unsigned bytes: letters and code-page characters are all above "9".
    if (static_cast<unsigned char>(line.back()) > static_cast<unsigned char>('9')) return false;
    for (std::size_t position : kSeparatorPositions) {
        if (position >= line.size() || line[position] != ' ') return false;
    }
    return true;
}

bool IsValidCabrilloLine(std::string_view line) {
    if (line.size() > kLongestHeaderLine && line.size() != kQsoLineLength) return false;
    return !line.starts_with("QSO:") || IsValidQsoLine(line);
}

std::string_view TrimTrailingBlanksAndLineEnds(std::string_view line) {
    const auto end = line.find_last_not_of(" \r\n");
    return end == std::string_view::npos ? std::string_view{} : line.substr(0, end + 1);
}

}  // namespace

LogFileKind LogFileKindOf(std::string_view path) {
    if (path.size() < 3) return LogFileKind::Unchecked;
    const std::string lower = ToLowerAscii(path.substr(path.size() - 3, 1));
    if (lower == "c") return LogFileKind::Cabrillo;
    if (lower == "a") return LogFileKind::Adif;
    return LogFileKind::Unchecked;
}

bool IsValidCabrilloText(std::string_view text) {
    LineCursor lines(text);
    while (const auto line = lines.Next()) {
        if (!IsValidCabrilloLine(line->text)) return false;
    }
    return true;
}

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
    const LogFileKind kind = LogFileKindOf(path.string());
    if (kind == LogFileKind::Unchecked) return true;
    if (!FileExists(path)) return false;
    const auto text = ReadFile(path);
    if (!text) return false;
    return kind == LogFileKind::Cabrillo ? IsValidCabrilloText(*text) : IsValidAdifText(*text);
}

}  // namespace tallyhawk
