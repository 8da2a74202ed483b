// The settings store on QSettings: the platform store (the registry on Windows, a configuration file
// elsewhere) or an INI file, with the groups [Settings] and [Colors].
#pragma once

#include <QSettings>
#include <memory>
#include <string>

#include "app/session/settings_backend.h"

namespace tallyhawk {

class QSettingsBackend : public SettingsBackend {
public:
    // An empty file name selects the platform store.
    explicit QSettingsBackend(const std::string& iniFile = {});

    bool GroupExists(std::string_view group) const override;
    std::optional<std::string> ReadString(std::string_view group, std::string_view name) const override;
    std::optional<std::int32_t> ReadInt(std::string_view group, std::string_view name) const override;
    void WriteString(std::string_view group, std::string_view name, std::string_view value) override;
    void WriteInt(std::string_view group, std::string_view name, std::int32_t value) override;

    // Writes pending changes; false when the store could not be written.
    bool Sync();

private:
    std::unique_ptr<QSettings> m_settings;
};

}  // namespace tallyhawk
