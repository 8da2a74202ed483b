// The program folder and the paths built from it.
#include "core/program_folder.h"

#include <string>

namespace tallyhawk {

std::filesystem::path ProgramFolder::ContestLogPath(std::string_view callsign) const {
    return m_root / (std::string(callsign) + ".cbr");
}

std::filesystem::path ProgramFolder::ContestIndexCallPath(std::string_view callsign) const {
    return DatabasePath(std::string(callsign) + ".idx");
}

std::filesystem::path ProgramFolder::ContestIndexRecordPath(std::string_view callsign) const {
    return DatabasePath(std::string(callsign) + ".bdx");
}

}  // namespace tallyhawk
