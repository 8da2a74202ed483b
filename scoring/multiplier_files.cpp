// In-memory multiplier copies and the names of the statistics files.
#include "scoring/multiplier_files.h"

#include "core/program_folder.h"

namespace tallyhawk {

bool MultiplierCopies::FindOrAppendIf(std::string_view name, const MultiplierEntry& entry, bool allowed) {
    std::string& copy = m_copies.try_emplace(std::string(name)).first->second;
    if (!allowed || copy.find(entry.needle) != std::string::npos) return false;
    copy += entry.bytes;
    return true;
}

void MultiplierCopies::Append(std::string_view name, const MultiplierEntry& entry) {
    m_copies[std::string(name)] += entry.bytes;
}

void MultiplierCopies::Open(std::string_view name) { m_copies.try_emplace(std::string(name)); }

const std::string& MultiplierCopies::Copy(std::string_view name) const {
    static const std::string kEmpty;
    const auto found = m_copies.find(name);
    return found == m_copies.end() ? kEmpty : found->second;
}

std::string BandFileName(Band band, std::string_view kind) {
    return std::string(BandShortCode(band)) + "m." + std::string(kind);
}

std::string WpxFileName(std::string_view ownCall) { return CallFileStem(ownCall) + ".wpx"; }

std::string ScoreFileName(std::string_view ownCall) { return CallFileStem(ownCall) + ".sf"; }

}  // namespace tallyhawk
