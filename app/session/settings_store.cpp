// The program's persistent settings.
#include "app/session/settings_store.h"

#include "app/session/settings_message.h"
#include "core/mode.h"
#include "core/text.h"
#include "scoring/contest_period.h"

namespace tallyhawk {

namespace {

void WriteFirstRunDefaults(SettingsBackend& backend, const ClockReading& now) {
    for (const auto& definition : kSettingDefinitions) {
        if (!definition.createdOnFirstRun) continue;
        if (definition.type == SettingType::Integer) {
            backend.WriteInt(kSettingsGroup, definition.name, ParseInt(definition.firstRunDefault).value_or(0));
        } else if (setting::kDate == definition.name) {
            backend.WriteString(kSettingsGroup, definition.name, DateText(now));
        } else {
            backend.WriteString(kSettingsGroup, definition.name, definition.firstRunDefault);
        }
    }
}

// A stored string that does not fit the buffer it is read with is not read at all.
std::optional<std::string> ReadFitting(const SettingsBackend& backend, SettingName name) {
    auto value = ReadSetting(backend, name);
    if (value && value->size() + 1 > name.Definition().size) return std::nullopt;
    return value;
}

void ReadString(const SettingsBackend& backend, SettingName name, std::string& field) {
    if (auto value = ReadFitting(backend, name)) field = std::move(*value);
}

// "+" adds the minutes to the local time, any other sign subtracts them; when nothing is stored the
// machine's own difference between UTC and local time is used.
int LoadTimeShift(const SettingsBackend& backend, const ClockReading& now) {
    const auto stored = ReadFitting(backend, setting::kTimeShift);
    if (!stored) return now.utcMinusLocalMinutes;
    if (stored->empty()) return 0;
    const int minutes = LeadingInt(std::string_view(*stored).substr(1));
    return stored->front() == '+' ? minutes : -minutes;
}

void LoadStation(const SettingsBackend& backend, StationProfile& station) {
    ReadString(backend, setting::kCallsign, station.callsign);
    ReadString(backend, setting::kName, station.name);
    ReadString(backend, setting::kClub, station.club);
    ReadString(backend, setting::kAddress, station.address);
    ReadString(backend, setting::kCqZone, station.cqZone);
    ReadString(backend, setting::kContinent, station.continent);
}

void LoadContestSetup(const SettingsBackend& backend, const ClockReading& now, ContestSetup& setup) {
    ReadString(backend, setting::kDate, setup.date);
    if (setup.date.empty()) setup.date = DateText(now);
    setup.realTimeMode = ReadSettingFlag(backend, setting::kRealTimeMode);
    ReadString(backend, setting::kBand, setup.band);
    ReadString(backend, setting::kMode, setup.mode);
    ReadString(backend, setting::kContest, setup.contest);
    setup.timeShiftMinutes = LoadTimeShift(backend, now);
    setup.transmitterId = std::to_string(ReadSettingNumber(backend, setting::kTranceiverId));
}

void LoadOptions(const SettingsBackend& backend, ProgramOptions& options) {
    ReadString(backend, setting::kCdrom, options.callbookType);
    ReadString(backend, setting::kDisk, options.callbookDrive);
    options.callbookDrive = CallbookDrive(options.callbookDrive, options.callbookType);
    options.hideToTray = ReadSettingFlag(backend, setting::kHideToTray);
    options.language = LoadLanguage(backend);
    options.checkConfigOnStart = ReadSettingFlag(backend, setting::kCheckConfigOnStart);
    options.onTop = ReadSettingFlag(backend, setting::kSetWindowOnTop);
}

bool IsAllowedValue(const SettingDefinition& definition, std::string_view value) {
    if (value.empty()) return true;
    if (!definition.allowedValues.empty() && !ListContainsCode(" " + std::string(definition.allowedValues) + " ", value)) {
        return false;
    }
    return !definition.acceptsValue || definition.acceptsValue(value);
}

}  // namespace

bool IsContestPeriodText(std::string_view text) { return ParseContestPeriod(text).has_value(); }

std::optional<std::string> ReadSetting(const SettingsBackend& backend, SettingName name) {
    return backend.ReadString(kSettingsGroup, name);
}

std::int32_t ReadSettingNumber(const SettingsBackend& backend, SettingName name) {
    return backend.ReadInt(kSettingsGroup, name).value_or(0);
}

bool LoadLanguage(const SettingsBackend& backend) { return ReadSettingFlag(backend, setting::kLanguage); }

bool ReadSettingFlag(const SettingsBackend& backend, SettingName name) { return ReadSettingNumber(backend, name) != 0; }

void WriteSettingNumber(SettingsBackend& backend, SettingName name, std::int32_t value) {
    backend.WriteInt(kSettingsGroup, name, value);
}

void WriteSettingFlag(SettingsBackend& backend, SettingName name, bool on) { WriteSettingNumber(backend, name, on ? 1 : 0); }

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
    if (const auto color = ColorName::Find(name)) {
        const auto number = ParseInt(value);
        if (!number) return SettingWriteStatus::NotANumber;
        backend.WriteInt(kColorsGroup, *color, *number);
        return SettingWriteStatus::Ok;
    }
    const auto setting = SettingName::Find(name);
    return setting ? WriteSetting(backend, *setting, value) : SettingWriteStatus::UnknownName;
}

SettingWriteStatus WriteSetting(SettingsBackend& backend, SettingName name, std::string_view value) {
    const SettingDefinition& definition = name.Definition();
    if (definition.type == SettingType::Integer) {
        const auto number = ParseInt(value);
        if (!number) return SettingWriteStatus::NotANumber;
        backend.WriteInt(kSettingsGroup, definition.name, *number);
        return SettingWriteStatus::Ok;
    }
    if (!IsAllowedValue(definition, value)) return SettingWriteStatus::NotAllowed;
    if (value.size() + 1 > definition.size) return SettingWriteStatus::TooLong;
    backend.WriteString(kSettingsGroup, definition.name, value);
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
