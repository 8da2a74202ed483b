// The radio's settings.
#include "app/session/rig_settings.h"

#include "app/session/settings_store.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

int StoredNumber(const SettingsBackend& backend, SettingName name) {
    if (const auto stored = backend.ReadInt(kSettingsGroup, name)) return *stored;
    return ParseInt(name.Definition().firstRunDefault).value_or(0);
}

}  // namespace

RigSettings LoadRigSettings(const SettingsBackend& backend) {
    RigSettings settings;
    settings.enabled = StoredNumber(backend, setting::kRigControl) != 0;
    settings.model = StoredNumber(backend, setting::kRigModel);
    settings.port = ReadSetting(backend, setting::kRigPort)
                        .value_or(std::string(setting::kRigPort.Definition().firstRunDefault));
    settings.speed = StoredNumber(backend, setting::kRigSpeed);
    return settings;
}

void StoreRigSettings(SettingsBackend& backend, const RigSettings& settings) {
    WriteSettingFlag(backend, setting::kRigControl, settings.enabled);
    WriteSettingNumber(backend, setting::kRigModel, settings.model);
    const std::size_t longest = setting::kRigPort.Definition().size - 1;
    const std::string port(TrimBlanks(settings.port));
    backend.WriteString(kSettingsGroup, setting::kRigPort, port.substr(0, longest));
    WriteSettingNumber(backend, setting::kRigSpeed, settings.speed);
}

}  // namespace tallyhawk
