// Finding, replacing and removing a QSO: line of the contest log.
#include "log/qso_line_patch.h"

#include <string>

#include "core/file_io.h"
#include "log/qso_line.h"

namespace tallyhawk {

bool IsQsoLine(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line.substr(first).starts_with(kQsoMark);
}

std::size_t CountQsoLines(std::string_view log) {
    std::size_t count = 0;
    LineCursor lines(log);
    while (const auto line = lines.Next()) count += IsQsoLine(line->text) ? 1 : 0;
    return count;
}

std::optional<TextLine> FindQsoLine(std::string_view log, std::size_t number) {
    if (number == 0) return std::nullopt;
    LineCursor lines(log);
    std::size_t count = 0;
    while (const auto line = lines.Next()) {
        if (IsQsoLine(line->text) && ++count == number) return line;
    }
    return std::nullopt;
}

bool ReplaceQsoLine(const std::filesystem::path& log, std::size_t number, std::string_view line) {
    const auto text = ReadFile(log);
    if (!text) return false;
    const auto old = FindQsoLine(*text, number);
    if (!old) return false;
    if (old->text.size() == line.size()) return WriteAtOffset(log, old->start, line, Durability::Synced);
    // A line of another length would run into the next line or leave part of the old one behind.
    std::string patched = text->substr(0, old->start);
    patched.append(line);
    patched.append(std::string_view(*text).substr(old->start + old->text.size()));
    return ReplaceFile(log, patched);
}

bool RemoveQsoLine(const std::filesystem::path& log, std::size_t number) {
    const auto text = ReadFile(log);
    if (!text) return false;
    const auto old = FindQsoLine(*text, number);
    if (!old) return false;
    return ReplaceFile(log, text->substr(0, old->start) + text->substr(old->next));
}

}  // namespace tallyhawk
