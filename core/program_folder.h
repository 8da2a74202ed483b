// The program folder: every data path ("dxcc/", "database/", "statistics/", the contest log) is relative to it.
#pragma once

#include <filesystem>
#include <string_view>

namespace tallyhawk {

class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path root) : m_root(std::move(root)) {}

    const std::filesystem::path& Root() const { return m_root; }

    // A path relative to the program folder, written with "/" ("database/Logbook.idx").
    std::filesystem::path Path(std::string_view relative) const { return m_root / relative; }

    std::filesystem::path ContestLogPath(std::string_view callsign) const;     // <Callsign>.cbr
    std::filesystem::path ContestIndexCallPath(std::string_view callsign) const;   // database/<Callsign>.idx
    std::filesystem::path ContestIndexRecordPath(std::string_view callsign) const; // database/<Callsign>.bdx
    std::filesystem::path DxccPath(std::string_view file) const { return m_root / "dxcc" / file; }
    std::filesystem::path DatabasePath(std::string_view file) const { return m_root / "database" / file; }
    std::filesystem::path StatisticsPath(std::string_view file) const { return m_root / "statistics" / file; }

private:
    std::filesystem::path m_root;
};

}  // namespace tallyhawk
