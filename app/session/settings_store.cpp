// The program's persistent settings.
#include "app/session/settings_store.h"

#include "app/session/settings_message.h"
#include "core/mode.h"
#include "core/text.h"
#include "scoring/contest_period.h"

namespace tallyhawk {

namespace {

bool IsContestPeriod(std::string_view text) { return ParseContestPeriod(text).has_value(); }

}  // namespace

const std::array<SettingDefinition, 33> kSettingDefinitions = {{
    {"Callsign", SettingType::String, 15, "UNKNOWN"},
    {"Name", SettingType::String, 50, ""},
    {"Club", SettingType::String, 50, ""},
    {"Address", SettingType::String, 100, ""},
    {"CQZone", SettingType::String, 3, ""},
    {"Continent", SettingType::String, 3, ""},
    {"CDROM", SettingType::String, 5, "rac"},
    {"Disk", SettingType::String, 3, "D"},
    {"Date", SettingType::String, 11, ""},  // today, filled in at the first run
    {"RealTimeMode", SettingType::Integer, 4, "1"},
    {"Band", SettingType::String, 5, "10"},
    {"Mode", SettingType::String, 10, "Phone"},
    {"Contest", SettingType::String, 4, "WPX"},
    {"TimeShift", SettingType::String, 6, "", false},
    {"HideToTray", SettingType::Integer, 4, "0"},
    {"TranceiverID", SettingType::Integer, 4, "0"},
    {"Language", SettingType::Integer, 4, "0"},
    {"CheckConfigOnStart", SettingType::Integer, 4, "0"},
    {"SetWindowOnTop", SettingType::Integer, 4, "0"},
    {"CategoryOperator", SettingType::String, 10, "", false, "SINGLE-OP MULTI-OP CHECKLOG"},
    {"CategoryAssisted", SettingType::String, 13, "", false, "ASSISTED NON-ASSISTED"},
    {"CategoryBand", SettingType::String, 5, "", false, "ALL 160M 80M 40M 20M 15M 10M"},
    {"CategoryMode", SettingType::String, 6, "", false, "CW SSB RTTY DIGI MIXED"},
    {"CategoryPower", SettingType::String, 5, "", false, "HIGH LOW QRP"},
    {"CategoryStation", SettingType::String, 16, "", false,
     "FIXED MOBILE PORTABLE ROVER ROVER-LIMITED ROVER-UNLIMITED EXPEDITION HQ SCHOOL DISTRIBUTED EXPLORER"},
    {"CategoryTransmitter", SettingType::String, 10, "", false, "ONE TWO LIMITED UNLIMITED SWL"},
    {"Email", SettingType::String, 80, "", false},
    {"GridLocator", SettingType::String, 7, "", false},
    {"Location", SettingType::String, 20, "", false},
    {"Operators", SettingType::String, 100, "", false},
    {"Soapbox", SettingType::String, 250, "", false},
    {"CabrilloContest", SettingType::String, 40, "", false},
    {"ContestPeriod", SettingType::String, 32, "", false, "", IsContestPeriod},
}};

const std::array<ColorDefinition, 14> kColorDefinitions = {{
    {"GridBackColor", Rgb(160, 160, 180), Rgb(160, 160, 180)},
    {"GridTextColor", Rgb(0, 0, 100), Rgb(0, 0, 100)},
    {"GridBackColorSel", Rgb(100, 50, 50), Rgb(0, 255, 0)},
    {"GridTextColorSel", Rgb(230, 230, 255), Rgb(0, 0, 255)},
    {"GridBackColorFix", Rgb(0, 0, 0), Rgb(0, 0, 0)},
    {"GridTextColorFix", Rgb(230, 230, 255), Rgb(230, 230, 255)},
    {"GridBackColorWorked", Rgb(255, 200, 200), Rgb(255, 200, 200)},
    {"GridBackColorNotWorked", Rgb(200, 255, 200), Rgb(200, 255, 200)},
    {"ColorText", Rgb(0, 0, 50), Rgb(0, 0, 50)},
    {"AlarmColor", Rgb(255, 0, 0), Rgb(255, 0, 0)},
    {"InfoColor", Rgb(255, 255, 0), Rgb(255, 255, 0)},
    {"EditColorBack", Rgb(192, 192, 192), Rgb(192, 192, 192)},
    {"EditColorText", Rgb(0, 0, 100), Rgb(0, 0, 100)},
    {"GridStyle", 2, 2},
}};

namespace {

void WriteFirstRunDefaults(SettingsBackend& backend, const ClockReading& now) {
    for (const auto& definition : kSettingDefinitions) {
        if (!definition.createdOnFirstRun) continue;
        if (definition.type == SettingType::Integer) {
            backend.WriteInt(kSettingsGroup, definition.name, ParseInt(definition.firstRunDefault).value_or(0));
        } else if (definition.name == "Date") {
            backend.WriteString(kSettingsGroup, definition.name, DateText(now));
        } else {
            backend.WriteString(kSettingsGroup, definition.name, definition.firstRunDefault);
        }
    }
}

// A stored string that does not fit the buffer it is read with is not read at all.
void ReadString(const SettingsBackend& backend, std::string_view name, std::string& field) {
    const auto* definition = FindSettingDefinition(name);
    const auto value = backend.ReadString(kSettingsGroup, name);
    if (value && value->size() + 1 <= definition->size) field = *value;
}

bool ReadFlag(const SettingsBackend& backend, std::string_view name) {
    return backend.ReadInt(kSettingsGroup, name).value_or(0) != 0;
}

// "+" adds the minutes to the local time, any other sign subtracts them; when nothing is stored the
// machine's own difference between UTC and local time is used.
int LoadTimeShift(const SettingsBackend& backend, const ClockReading& now) {
    const auto stored = backend.ReadString(kSettingsGroup, "TimeShift");
    if (!stored || stored->size() + 1 > FindSettingDefinition("TimeShift")->size) return now.utcMinusLocalMinutes;
    if (stored->empty()) return 0;
    const int minutes = LeadingInt(std::string_view(*stored).substr(1));
    return stored->front() == '+' ? minutes : -minutes;
}

void LoadStation(const SettingsBackend& backend, StationProfile& station) {
    ReadString(backend, "Callsign", station.callsign);
    ReadString(backend, "Name", station.name);
    ReadString(backend, "Club", station.club);
    ReadString(backend, "Address", station.address);
    ReadString(backend, "CQZone", station.cqZone);
    ReadString(backend, "Continent", station.continent);
}

void LoadContestSetup(const SettingsBackend& backend, const ClockReading& now, ContestSetup& setup) {
    ReadString(backend, "Date", setup.date);
    if (setup.date.empty()) setup.date = DateText(now);
    setup.realTimeMode = ReadFlag(backend, "RealTimeMode");
    ReadString(backend, "Band", setup.band);
    ReadString(backend, "Mode", setup.mode);
    ReadString(backend, "Contest", setup.contest);
    setup.timeShiftMinutes = LoadTimeShift(backend, now);
    setup.transmitterId = std::to_string(backend.ReadInt(kSettingsGroup, "TranceiverID").value_or(0));
}

void LoadOptions(const SettingsBackend& backend, ProgramOptions& options) {
    ReadString(backend, "CDROM", options.callbookType);
    ReadString(backend, "Disk", options.callbookDrive);
    options.callbookDrive = CallbookDrive(options.callbookDrive, options.callbookType);
    options.hideToTray = ReadFlag(backend, "HideToTray");
    options.language = ReadFlag(backend, "Language");
    options.checkConfigOnStart = ReadFlag(backend, "CheckConfigOnStart");
    options.onTop = ReadFlag(backend, "SetWindowOnTop");
}

bool IsAllowedValue(const SettingDefinition& definition, std::string_view value) {
    if (value.empty()) return true;
    if (!definition.allowedValues.empty() && !ListContainsCode(" " + std::string(definition.allowedValues) + " ", value)) {
        return false;
    }
    return !definition.acceptsValue || definition.acceptsValue(value);
}

}  // namespace

const SettingDefinition* FindSettingDefinition(std::string_view name) {
    for (const auto& definition : kSettingDefinitions) {
        if (definition.name == name) return &definition;
    }
    return nullptr;
}

const ColorDefinition* FindColorDefinition(std::string_view name) {
    for (const auto& definition : kColorDefinitions) {
        if (definition.name == name) return &definition;
    }
    return nullptr;
}

LoadedSettings LoadSettings(SettingsBackend& backend, const ClockReading& now) {
    LoadedSettings loaded;
    if (!backend.GroupExists(kSettingsGroup)) {
        WriteFirstRunDefaults(backend, now);
        loaded.firstRun = true;
        return loaded;
    }
    LoadStation(backend, loaded.station);
    LoadContestSetup(backend, now, loaded.setup);
    LoadOptions(backend, loaded.options);
    return loaded;
}

ColorSettings LoadColors(SettingsBackend& backend) {
    ColorSettings colors{};
    const bool exists = backend.GroupExists(kColorsGroup);
    for (std::size_t i = 0; i < kColorDefinitions.size(); ++i) {
        const auto& definition = kColorDefinitions[i];
        colors[i] = definition.firstRunDefault;
        if (!exists) {
            backend.WriteInt(kColorsGroup, definition.name, definition.firstRunDefault);
        } else if (const auto stored = backend.ReadInt(kColorsGroup, definition.name)) {
            colors[i] = *stored;
        }
    }
    return colors;
}

SettingWriteStatus WriteSetting(SettingsBackend& backend, std::string_view name, std::string_view value) {
    if (const auto* color = FindColorDefinition(name)) {
        const auto number = ParseInt(value);
        if (!number) return SettingWriteStatus::NotANumber;
        backend.WriteInt(kColorsGroup, color->name, *number);
        return SettingWriteStatus::Ok;
    }
    const auto* definition = FindSettingDefinition(name);
    if (!definition) return SettingWriteStatus::UnknownName;
    if (definition->type == SettingType::Integer) {
        const auto number = ParseInt(value);
        if (!number) return SettingWriteStatus::NotANumber;
        backend.WriteInt(kSettingsGroup, definition->name, *number);
        return SettingWriteStatus::Ok;
    }
    if (value.size() + 1 > definition->size) return SettingWriteStatus::TooLong;
    if (!IsAllowedValue(*definition, value)) return SettingWriteStatus::NotAllowed;
    backend.WriteString(kSettingsGroup, definition->name, value);
    return SettingWriteStatus::Ok;
}

std::vector<std::string> DescribeSettings(const SettingsBackend& backend) {
    std::vector<std::string> lines;
    for (const auto& definition : kSettingDefinitions) {
        if (const auto value = backend.ReadString(kSettingsGroup, definition.name)) {
            lines.push_back(std::string(kSettingsGroup) + "/" + std::string(definition.name) + "=" + *value);
        }
    }
    for (const auto& definition : kColorDefinitions) {
        if (const auto value = backend.ReadString(kColorsGroup, definition.name)) {
            lines.push_back(std::string(kColorsGroup) + "/" + std::string(definition.name) + "=" + *value);
        }
    }
    return lines;
}

}  // namespace tallyhawk
