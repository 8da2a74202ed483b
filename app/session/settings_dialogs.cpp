// The settings dialogs without their windows.
#include "app/session/settings_dialogs.h"

#include <algorithm>
#include <cstdlib>

#include "core/band.h"
#include "core/text.h"
#include "log/contest_log_writer.h"
#include "scoring/contest_table.h"

namespace tallyhawk {
namespace {

// A stored text longer than the buffer the dialog reads it with is not shown.
std::string ReadSized(const SettingsBackend& store, std::string_view name, std::size_t size) {
    const auto value = store.ReadString(kSettingsGroup, name);
    return value && value->size() + 1 <= size ? *value : std::string();
}

bool ReadFlag(const SettingsBackend& store, std::string_view name) {
    return store.ReadInt(kSettingsGroup, name).value_or(0) != 0;
}

// Every value the dialogs write fits its setting: the dialogs limit their fields by SettingTextLimit.
void Store(SettingsBackend& store, std::string_view name, std::string_view value) {
    (void)WriteSetting(store, name, value.substr(0, SettingTextLimit(name)));
}

void StoreFlag(SettingsBackend& store, std::string_view name, bool on) {
    store.WriteInt(kSettingsGroup, name, on);
}

void ShowToday(ContestDialogValues& values, const ClockReading& now) {
    values.year = std::to_string(now.year);
    values.month = TwoDigits(now.month);
    values.day = TwoDigits(now.day);
}

// Month or day as typed when within 1..`last`, otherwise today's; always two digits.
std::string DatePart(std::string_view typed, int last, int today) {
    const std::string trimmed(TrimBlanks(typed));
    const auto number = ParseInt(trimmed);
    if (!number || *number < 1 || *number > last) return TwoDigits(today);
    return TwoDigits(*number);
}

std::string YearPart(std::string_view typed, const ClockReading& now) {
    const std::string trimmed(TrimBlanks(typed));
    return trimmed.size() >= 4 && trimmed[0] == '2' ? trimmed : std::to_string(now.year);
}

// Contests held on fixed bands move the band before it is read.
std::string ForcedBandText(std::string_view code, std::string_view bandText) {
    const Contest* contest = FindContest(code);
    if (!contest) return std::string(bandText);
    const ForcedBand& forced = contest->band;
    if (forced.always) return std::string(BandListText(*forced.always));
    const auto band = BandFromListText(bandText);
    if (forced.lowest && band && BandIndex(*band) > BandIndex(*forced.lowest)) {
        return std::string(BandListText(*forced.lowest));
    }
    return std::string(bandText);
}

// Continents the station profile knows; anything else is taken as Europe.
std::string CorrectedContinent(std::string_view continent) {
    for (std::string_view known : {"AF", "AS", "EU", "NA", "SA", "OC"}) {
        if (continent == known) return std::string(continent);
    }
    return "EU";
}

// CQ zones run 1-40: "0" and "00" are no zone, a leading zero goes, and two digits above 40 are no zone.
std::string CorrectedCqZone(std::string_view zone) {
    if (zone == "0" || zone == "00") return "";
    if (zone.size() != 2) return std::string(zone);
    if (zone[0] == '0') return std::string(zone.substr(1));
    if (zone[0] > '4' || (zone[0] == '4' && zone != "40")) return "";
    return std::string(zone);
}

int ClampedNumber(std::string_view text, int highest) {
    return std::clamp(ParseInt(TrimBlanks(text)).value_or(0), 0, highest);
}

std::string_view CallbookCode(CallbookChoice choice) {
    switch (choice) {
        case CallbookChoice::Rac:
            return "rac";
        case CallbookChoice::Qrz:
            return "qrz";
        case CallbookChoice::None:
            break;
    }
    return "none";
}

}  // namespace

std::size_t SettingTextLimit(std::string_view name) {
    const SettingDefinition* definition = FindSettingDefinition(name);
    return definition && definition->size > 0 ? definition->size - 1 : 0;
}

ContestDialogValues OpenContestDialog(const SettingsBackend& store, const ClockReading& now) {
    ContestDialogValues values;
    values.currentTime = ReadFlag(store, "RealTimeMode");
    const std::string date = ReadSized(store, "Date", 11);
    values.year = date.substr(0, std::min<std::size_t>(date.size(), 4));
    if (date.size() > 5) values.month = date.substr(5, 2);
    if (date.size() > 8) values.day = date.substr(8);
    values.contestName = ContestListNameForCode(ReadSized(store, "Contest", 4));
    if (const auto band = BandFromShortCode(ReadSized(store, "Band", 5)))
        values.bandText = BandListText(*band);
    values.modeText = ReadSized(store, "Mode", 10);
    if (values.currentTime) ShowToday(values, now);
    return values;
}

void SetCurrentTimeMark(ContestDialogValues& values, bool on, const ClockReading& now) {
    values.currentTime = on;
    if (on) ShowToday(values, now);
}

std::string ApplyContestDialog(SettingsBackend& store, const ContestDialogValues& values,
                               const ClockReading& now) {
    std::string message = "settings: ";
    if (values.currentTime) message += "current:yes ";
    StoreFlag(store, "RealTimeMode", values.currentTime);
    const std::string contest = ContestCodeFromListName(values.contestName);
    const std::string band = ShortCodeFromListText(ForcedBandText(contest, values.bandText));
    Store(store, "Contest", contest);
    Store(store, "Band", band);
    Store(store, "Mode", values.modeText);
    const std::string date = YearPart(values.year, now) + "-" + DatePart(values.month, 12, now.month) + "-" +
                             DatePart(values.day, 31, now.day);
    Store(store, "Date", date);
    return message + " cont:" + contest + " band:" + band + " mode:" + values.modeText + " date:" + date;
}

PersonalDialogValues OpenPersonalDialog(const SettingsBackend& store) {
    PersonalDialogValues values;
    values.callsign = ReadSized(store, "Callsign", 16);
    values.name = ReadSized(store, "Name", 100);
    values.club = ReadSized(store, "Club", 26);
    values.address = SplitAddress(ReadSized(store, "Address", 200));
    values.cqZone = ReadSized(store, "CQZone", 3);
    values.continent = ReadSized(store, "Continent", 3);
    return values;
}

bool ApplyPersonalDialog(SettingsBackend& store, PersonalDialogValues& values) {
    values.continent = CorrectedContinent(values.continent);
    values.cqZone = CorrectedCqZone(values.cqZone);
    Store(store, "Callsign", values.callsign);
    Store(store, "Name", values.name);
    Store(store, "Club", values.club);
    const auto& lines = values.address;
    Store(store, "Address", lines[0] + "*" + lines[1] + "*" + lines[2] + "*" + lines[3]);
    Store(store, "CQZone", values.cqZone);
    Store(store, "Continent", values.continent);
    return values.callsign.size() > 2 && !values.cqZone.empty() && !values.continent.empty();
}

ConfigurationDialogValues OpenConfigurationDialog(const SettingsBackend& store, const ClockReading& now) {
    ConfigurationDialogValues values;
    const std::string callbook = ReadSized(store, "CDROM", 5);
    values.callbook = callbook == "rac"   ? CallbookChoice::Rac
                      : callbook == "qrz" ? CallbookChoice::Qrz
                                          : CallbookChoice::None;
    values.disk = ReadSized(store, "Disk", 3);
    values.transmitterId = std::to_string(store.ReadInt(kSettingsGroup, "TranceiverID").value_or(0));
    const std::string shift = ReadSized(store, "TimeShift", 6);
    // Without a stored shift the machine's own difference between UTC and local time is shown.
    const int minutes =
        !shift.empty() ? std::abs(ParseInt(shift.substr(1)).value_or(0)) : std::abs(now.utcMinusLocalMinutes);
    values.shiftSign = !shift.empty() ? shift.substr(0, 1) : now.utcMinusLocalMinutes < 0 ? "-" : "+";
    values.shiftHours = std::to_string(minutes / 60);
    values.shiftMinutes = std::to_string(minutes % 60);
    values.hideToTray = ReadFlag(store, "HideToTray");
    values.russian = ReadFlag(store, "Language");
    values.checkOnStart = ReadFlag(store, "CheckConfigOnStart");
    values.onTop = ReadFlag(store, "SetWindowOnTop");
    return values;
}

std::string ApplyConfigurationDialog(SettingsBackend& store, const ConfigurationDialogValues& values) {
    std::string message = "settings: ";
    const std::string disk(TrimBlanks(values.disk));
    Store(store, "Disk", disk);
    if (disk.size() == 1 && IsUpperLetter(disk[0])) message += "disk:" + disk + " ";
    std::string transmitter(TrimBlanks(values.transmitterId));
    if (transmitter.empty()) transmitter = "0";
    message += "trxid:" + transmitter + " ";
    store.WriteInt(kSettingsGroup, "TranceiverID", IsDigit(transmitter[0]) ? transmitter[0] - '0' : 0);
    const std::string sign = values.shiftSign == "-" ? "-" : "+";
    const int shift = ClampedNumber(values.shiftHours, 24) * 60 + ClampedNumber(values.shiftMinutes, 59);
    Store(store, "TimeShift", sign + std::to_string(shift));
    Store(store, "CDROM", CallbookCode(values.callbook));
    message += "cdrom:" + std::string(CallbookCode(values.callbook)) + " ";
    const std::array<std::pair<bool, std::pair<std::string_view, std::string_view>>, 4> marks = {{
        {values.checkOnStart, {"CheckConfigOnStart", "check:yes "}},
        {values.onTop, {"SetWindowOnTop", "ontop:yes "}},
        {values.hideToTray, {"HideToTray", "hide:yes "}},
        {values.russian, {"Language", "lang:rus "}},
    }};
    for (const auto& [on, mark] : marks) {
        StoreFlag(store, mark.first, on);
        if (on) message += mark.second;
    }
    return message + "\n";
}

ColorsDialogValues OpenColorsDialog(const SettingsBackend& store) {
    ColorsDialogValues values = ResetColorsDialog();
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = store.ReadInt(kColorsGroup, kColorDefinitions[i].name).value_or(values[i]);
    }
    return values;
}

ColorsDialogValues ResetColorsDialog() {
    ColorsDialogValues values{};
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = kColorDefinitions[i].resetDefault;
    return values;
}

void ApplyColorsDialog(SettingsBackend& store, const ColorsDialogValues& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        store.WriteInt(kColorsGroup, kColorDefinitions[i].name, values[i]);
}

}  // namespace tallyhawk
