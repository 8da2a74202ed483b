// Appending in large blocks.
#include "core/buffered_appender.h"

namespace tallyhawk {

bool BufferedAppender::Open() {
    m_failed = !AppendToFile(m_path, {});
    m_wasEmpty = FileSizeOrZero(m_path) == 0;
    m_buffer.reserve(m_blockSize);
    return !m_failed;
}

void BufferedAppender::Append(std::string_view bytes) {
    m_buffer.append(bytes);
    if (m_buffer.size() >= m_blockSize) Flush();
}

void BufferedAppender::Flush() {
    // After one failed block nothing more is written, so the file never holds a gap.
    if (!m_buffer.empty() && !m_failed) m_failed = !AppendToFile(m_path, m_buffer);
    m_buffer.clear();
}

bool BufferedAppender::Close(Durability durability) {
    Flush();
    if (!m_failed && durability == Durability::Synced) m_failed = !SyncFile(m_path);
    return !m_failed;
}

}  // namespace tallyhawk
