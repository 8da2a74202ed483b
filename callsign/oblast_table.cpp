// The oblast names: the whole of dxcc/obl.dat, searched for the first occurrence of a key.
#include "callsign/oblast_table.h"

#include "core/file_io.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kNameOffset = 10;  // from the key's first character to the name
constexpr std::size_t kNameWidth = 20;

}  // namespace

void OblastTable::Load(const ProgramFolder& folder) {
    const auto path = folder.DxccPath("obl.dat");
    if (FileExists(path)) m_text = ReadFileOrEmpty(path);
}

std::string OblastTable::OblastName(std::string_view key) const {
    const std::size_t found = m_text.find(key);
    if (found == std::string::npos || found + kNameOffset >= m_text.size()) return {};
    return std::string(TrimTrailingBlanks(std::string_view(m_text).substr(found + kNameOffset, kNameWidth)));
}

std::string OblastKey(std::string_view call, std::string_view wpxPrefix) {
    if (wpxPrefix.empty() || call.size() <= wpxPrefix.size()) return {};
    return std::string{wpxPrefix.back(), call[wpxPrefix.size()]};
}

}  // namespace tallyhawk
