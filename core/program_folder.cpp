// The program folder and the paths built from it.
#include "core/program_folder.h"

#include <string>

namespace tallyhawk {
namespace {

std::filesystem::path LexicallyNormalFolder(const std::filesystem::path& folder) {
    std::filesystem::path normal = folder.lexically_normal();
    // "/home/op/." normalises to "/home/op/"; the trailing separator is dropped, the root's kept.
    if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
    return normal;
}

}  // namespace

std::string CallFileStem(std::string_view callsign) {
    constexpr std::string_view kForbidden = "/\\:*?\"<>|";
    std::string stem(callsign);
    for (char& c : stem) {
        if (kForbidden.find(c) != std::string_view::npos) c = '_';
    }
    return stem;
}

ProgramFolder::ProgramFolder(const std::filesystem::path& root) : m_root(LexicallyNormalFolder(root)) {}

std::filesystem::path ProgramFolder::ContestLogPath(std::string_view callsign) const {
    return m_root / (CallFileStem(callsign) + ".cbr");
}

std::filesystem::path ProgramFolder::ContestIndexCallPath(std::string_view callsign) const {
    return DatabasePath(CallFileStem(callsign) + ".idx");
}

std::filesystem::path ProgramFolder::ContestIndexRecordPath(std::string_view callsign) const {
    return DatabasePath(CallFileStem(callsign) + ".bdx");
}

}  // namespace tallyhawk
