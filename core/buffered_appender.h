// Appending many small records to a file in large blocks: the file is created when missing and never
// truncated, and every block goes out through AppendToFile, so a failed write leaves no partial block.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_io.h"

namespace tallyhawk {

class BufferedAppender {
public:
    explicit BufferedAppender(std::filesystem::path path, std::size_t blockSize = 1 << 20)
        : m_path(std::move(path)), m_blockSize(blockSize) {}

    // Creates the file when it does not exist; false when it can be neither created nor opened.
    [[nodiscard]] bool Open();

    // Whether the file held nothing when it was opened.
    bool WasEmpty() const { return m_wasEmpty; }

    void Append(std::string_view bytes);

    // Writes what is still buffered; false when any block could not be written.
    [[nodiscard]] bool Close(Durability durability = Durability::Buffered);

    const std::filesystem::path& Path() const { return m_path; }

private:
    void Flush();

    std::filesystem::path m_path;
    std::size_t m_blockSize;
    std::string m_buffer;
    bool m_wasEmpty = false;
    bool m_failed = false;
};

}  // namespace tallyhawk
