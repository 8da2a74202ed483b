// The in-memory settings store.
#include "app/session/settings_backend.h"

namespace tallyhawk {

bool MemorySettingsBackend::GroupExists(std::string_view group) const { return m_groups.contains(group); }

const MemorySettingsBackend::Value* MemorySettingsBackend::Find(std::string_view group, std::string_view name) const {
    const auto found = m_groups.find(group);
    if (found == m_groups.end()) return nullptr;
    const auto value = found->second.find(name);
    return value == found->second.end() ? nullptr : &value->second;
}

std::optional<std::string> MemorySettingsBackend::ReadString(std::string_view group, std::string_view name) const {
    const Value* value = Find(group, name);
    if (!value) return std::nullopt;
    if (const auto* text = std::get_if<std::string>(value)) return *text;
    return std::to_string(std::get<std::int32_t>(*value));
}

std::optional<std::int32_t> MemorySettingsBackend::ReadInt(std::string_view group, std::string_view name) const {
    const Value* value = Find(group, name);
    if (const auto* number = value ? std::get_if<std::int32_t>(value) : nullptr) return *number;
    return std::nullopt;
}

void MemorySettingsBackend::WriteString(std::string_view group, std::string_view name, std::string_view value) {
    m_groups[std::string(group)][std::string(name)] = std::string(value);
}

void MemorySettingsBackend::WriteInt(std::string_view group, std::string_view name, std::int32_t value) {
    m_groups[std::string(group)][std::string(name)] = value;
}

}  // namespace tallyhawk
