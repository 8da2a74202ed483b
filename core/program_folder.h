// The program folder: every data path ("dxcc/", "database/", "statistics/", the contest log) is relative to it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tallyhawk {

// The own call as the stem of the file names derived from it (the contest log, the contest index, the
// score and WPX files): each character no file name may hold on Linux or Windows (/ \ : * ? " < > |)
// becomes "_", so that a portable call such as DL/UA9XXX logs to DL_UA9XXX.cbr instead of a folder DL/.
// The files themselves keep the call as typed.
std::string CallFileStem(std::string_view callsign);

class ProgramFolder {
public:
    // The root is kept lexically normal ("/home/op/." becomes "/home/op"), so that every path built
    // from it, and every message naming one, reads as the user would type it.
    explicit ProgramFolder(const std::filesystem::path& root);

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
