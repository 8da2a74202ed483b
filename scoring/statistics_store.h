// The statistics store on disk: the multiplier files of the folder "statistics", each opened, used and
// closed within one operation, so that the score survives a crash after any contact.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/program_folder.h"
#include "scoring/multiplier_files.h"

namespace tallyhawk {

class StatisticsStore final : public MultiplierFiles {
public:
    explicit StatisticsStore(ProgramFolder folder) : m_folder(std::move(folder)) {}

    // Reads the whole file, searches the needle and appends the entry at the end when absent.
    // A file that cannot be opened is skipped: the save goes on.
    bool FindOrAppendIf(std::string_view name, const MultiplierEntry& entry, bool allowed) override;
    void Append(std::string_view name, const MultiplierEntry& entry) override;
    void Open(std::string_view name) override;

    // File size divided by the entry width, remainder dropped; 0 for a missing file.
    std::uintmax_t Count(std::string_view name, std::uintmax_t width) const;

    // The whole file; a missing file reads as empty.
    std::string Text(std::string_view name) const;

    // Writes a whole file from an in-memory copy (the recount's flush).
    [[nodiscard]] bool Rewrite(std::string_view name, std::string_view contents) const;

    std::filesystem::path Path(std::string_view name) const { return m_folder.StatisticsPath(name); }

private:
    // Creates a missing file with `bytes`, making the folder when it is gone.
    bool Create(const std::filesystem::path& path, std::string_view bytes) const;

    ProgramFolder m_folder;
};

}  // namespace tallyhawk
