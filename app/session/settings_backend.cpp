// The in-memory settings store.
#include "app/session/settings_backend.h"

namespace tallyhawk {

bool MemorySettingsBackend::GroupExists(std::string_view group) const { return m_groups.contains(group); }

std::optional<std::string> MemorySettingsBackend::ReadString(std::string_view group, std::string_view name) const {
    const auto found = m_groups.find(group);
    if (found == m_groups.end()) return std::nullopt;
    const auto value = found->second.find(name);
    if (value == found->second.end()) return std::nullopt;
    if (const auto* text = std::get_if<std::string>(&value->second)) return *text;
    return std::to_string(std::get<std::int32_t>(value->second));
}

std::optional<std::int32_t> MemorySettingsBackend::ReadInt(std::string_view group, std::string_view name) const {
    const auto found = m_groups.find(group);
    if (found == m_groups.end()) return std::nullopt;
    const auto value = found->second.find(name);
    if (value == found->second.end()) return std::nullopt;
    if (const auto* number = std::get_if<std::int32_t>(&value->second)) return *number;
    return std::nullopt;
}

void MemorySettingsBackend::WriteString(std::string_view group, std::string_view name, std::string_view value) {
    m_groups[std::string(group)][std::string(name)] = std::string(value);
}

void MemorySettingsBackend::WriteInt(std::string_view group, std::string_view name, std::int32_t value) {
    m_groups[std::string(group)][std::string(name)] = value;
}

}  // namespace tallyhawk
