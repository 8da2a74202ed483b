// The program's persistent settings: value names, types, sizes and first-run defaults, the start-up
// load, and checked writes by name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/session/settings_backend.h"
#include "core/clock.h"
#include "core/contest_setup.h"

namespace tallyhawk {

enum class SettingType { String, Integer };

struct SettingDefinition {
    std::string_view name;
    SettingType type;
    std::size_t size;  // string buffer size in bytes, terminator included; 4 for integers
    std::string_view firstRunDefault;  // "" with `createdOnFirstRun` false: not created
    bool createdOnFirstRun = true;
    std::string_view allowedValues = {};           // blank-separated; empty: any value of the size
    bool (*acceptsValue)(std::string_view) = nullptr;  // a further check of a non-empty value
};

// The values of the "Settings" group, in their stored order: the start-up values first, then the
// values of the log sent in after the contest, which the first run does not create.
extern const std::array<SettingDefinition, 33> kSettingDefinitions;

struct ColorDefinition {
    std::string_view name;
    std::int32_t firstRunDefault;
    std::int32_t resetDefault;
};

// The values of the "Colors" group; colours are red in the lowest byte, then green, then blue.
extern const std::array<ColorDefinition, 14> kColorDefinitions;

constexpr std::int32_t Rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

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

using ColorSettings = std::array<std::int32_t, kColorDefinitions.size()>;

// Every colour from its first-run default, overwritten by the stored values; a missing group is created.
ColorSettings LoadColors(SettingsBackend& backend);

const SettingDefinition* FindSettingDefinition(std::string_view name);
const ColorDefinition* FindColorDefinition(std::string_view name);

enum class SettingWriteStatus { Ok, UnknownName, NotANumber, TooLong, NotAllowed };

// Writes one value by name after checking it against its type and size (sizes enforced on input, so
// that every stored value loads again at start-up) and against its allowed values; an empty text is
// always allowed.
[[nodiscard]] SettingWriteStatus WriteSetting(SettingsBackend& backend, std::string_view name, std::string_view value);

// Every known value as "Group/Name=value", in table order; missing values are left out.
std::vector<std::string> DescribeSettings(const SettingsBackend& backend);

}  // namespace tallyhawk
