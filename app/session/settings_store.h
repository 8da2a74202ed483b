// The program's persistent settings: the start-up load and checked writes by name (the names, types,
// sizes and defaults are in settings_table.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/session/settings_backend.h"
#include "app/session/settings_table.h"
#include "core/clock.h"
#include "core/contest_setup.h"

namespace tallyhawk {

// Typed reads and writes of the "Settings" group.
std::optional<std::string> ReadSetting(const SettingsBackend& backend, SettingName name);
std::int32_t ReadSettingNumber(const SettingsBackend& backend, SettingName name);  // missing is 0
bool ReadSettingFlag(const SettingsBackend& backend, SettingName name);            // non-zero; missing is off
void WriteSettingNumber(SettingsBackend& backend, SettingName name, std::int32_t value);
void WriteSettingFlag(SettingsBackend& backend, SettingName name, bool on);

struct ProgramOptions {
    std::string callbookType;   // "qrz", "rac" or "none"
    std::string callbookDrive;  // lower case; "d:\" for "rac"
    bool hideToTray = false;
    bool language = false;  // Russian texts when on
    bool checkConfigOnStart = false;
    bool onTop = false;
};

struct LoadedSettings {
    ContestSetup setup;
    StationProfile station;
    ProgramOptions options;
    bool firstRun = false;
};

// Start-up load. A store without the "Settings" group is a first run: the defaults are written and
// nothing is read back. Otherwise each value that exists and fits its size is read.
LoadedSettings LoadSettings(SettingsBackend& backend, const ClockReading& now);

// The "Language" flag alone: Russian texts when on.
bool LoadLanguage(const SettingsBackend& backend);

using ColorSettings = std::array<std::int32_t, kColorDefinitions.size()>;

// Every colour from its first-run default, overwritten by the stored values; a missing group is created.
ColorSettings LoadColors(SettingsBackend& backend);

enum class SettingWriteStatus { Ok, UnknownName, NotANumber, TooLong, NotAllowed };

// Writes one value by name after checking it against its type and size (sizes enforced on input, so
// that every stored value loads again at start-up) and against its allowed values; an empty text is
// always allowed.
[[nodiscard]] SettingWriteStatus WriteSetting(SettingsBackend& backend, std::string_view name, std::string_view value);
[[nodiscard]] SettingWriteStatus WriteSetting(SettingsBackend& backend, SettingName name, std::string_view value);

// Every known value as "Group/Name=value", in table order; missing values are left out.
std::vector<std::string> DescribeSettings(const SettingsBackend& backend);

}  // namespace tallyhawk
