// Walking a text line by line as a text-mode read sees it: a line ends at "\n" and a "\r" before it
// belongs to the line end. The cursor also gives each line's byte offsets, for in-place patches.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tallyhawk {

struct TextLine {
    std::size_t start = 0;  // byte offset of the line's first character
    std::string_view text;  // the line without its line end
    std::size_t next = 0;   // byte offset just after its line end
};

class LineCursor {
public:
    explicit LineCursor(std::string_view text) : m_text(text) {}

    // The next line, or nothing at the end. A last line without a line end still counts; an empty text
    // has no lines.
    std::optional<TextLine> Next();

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

}  // namespace tallyhawk
