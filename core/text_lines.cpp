// Walking a text line by line.
#include "core/text_lines.h"

namespace tallyhawk {

std::optional<TextLine> LineCursor::Next() {
    if (m_position >= m_text.size()) return std::nullopt;
    TextLine line;
    line.start = m_position;
    const std::size_t feed = m_text.find('\n', m_position);
    const std::size_t end = feed == std::string_view::npos ? m_text.size() : feed;
    line.next = feed == std::string_view::npos ? m_text.size() : feed + 1;
    line.text = m_text.substr(m_position, end - m_position);
    if (feed != std::string_view::npos && !line.text.empty() && line.text.back() == '\r') line.text.remove_suffix(1);
    m_position = line.next;
    return line;
}

}  // namespace tallyhawk
