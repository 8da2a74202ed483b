// Where settings live: a key-value store of named string and 32-bit integer values in two groups,
// "Settings" and "Colors". The window and the command line use QSettings; tests use the memory store.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tallyhawk {

inline constexpr std::string_view kSettingsGroup = "Settings";
inline constexpr std::string_view kColorsGroup = "Colors";

class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;
    virtual bool GroupExists(std::string_view group) const = 0;
    virtual std::optional<std::string> ReadString(std::string_view group, std::string_view name) const = 0;
    virtual std::optional<std::int32_t> ReadInt(std::string_view group, std::string_view name) const = 0;
    virtual void WriteString(std::string_view group, std::string_view name, std::string_view value) = 0;
    virtual void WriteInt(std::string_view group, std::string_view name, std::int32_t value) = 0;
};

class MemorySettingsBackend : public SettingsBackend {
public:
    bool GroupExists(std::string_view group) const override;
    std::optional<std::string> ReadString(std::string_view group, std::string_view name) const override;
    std::optional<std::int32_t> ReadInt(std::string_view group, std::string_view name) const override;
    void WriteString(std::string_view group, std::string_view name, std::string_view value) override;
    void WriteInt(std::string_view group, std::string_view name, std::int32_t value) override;

private:
    using Value = std::variant<std::string, std::int32_t>;
    const Value* Find(std::string_view group, std::string_view name) const;
    std::map<std::string, std::map<std::string, Value, std::less<>>, std::less<>> m_groups;
};

}  // namespace tallyhawk
