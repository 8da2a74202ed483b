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
std::string ReadSized(const SettingsBackend& store, SettingName name, std::size_t size) {
    const auto value = ReadSetting(store, name);
    return value && value->size() + 1 <= size ? *value : std::string();
}

// Every value the dialogs write fits its setting: the dialogs limit their fields by SettingTextLimit.
void Store(SettingsBackend& store, SettingName name, std::string_view value) {
    (void)WriteSetting(store, name, value.substr(0, SettingTextLimit(name)));
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

std::size_t SettingTextLimit(SettingName name) { return name.Definition().size - 1; }

ContestDialogValues OpenContestDialog(const SettingsBackend& store, const ClockReading& now) {
    ContestDialogValues values;
    values.currentTime = ReadSettingFlag(store, setting::kRealTimeMode);
    const std::string date = ReadSized(store, setting::kDate, 11);
    values.year = date.substr(0, std::min<std::size_t>(date.size(), 4));
    if (date.size() > 5) values.month = date.substr(5, 2);
    if (date.size() > 8) values.day = date.substr(8);
    values.contestName = ContestListNameForCode(ReadSized(store, setting::kContest, 4));
    if (const auto band = BandFromShortCode(ReadSized(store, setting::kBand, 5)))
        values.bandText = BandListText(*band);
    values.modeText = ReadSized(store, setting::kMode, 10);
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
    WriteSettingFlag(store, setting::kRealTimeMode, values.currentTime);
    const std::string contest = ContestCodeFromListName(values.contestName);
    const std::string band = ShortCodeFromListText(ForcedBandText(contest, values.bandText));
    Store(store, setting::kContest, contest);
    Store(store, setting::kBand, band);
    Store(store, setting::kMode, values.modeText);
    const std::string date = YearPart(values.year, now) + "-" + DatePart(values.month, 12, now.month) + "-" +
                             DatePart(values.day, 31, now.day);
    Store(store, setting::kDate, date);
    return message + " cont:" + contest + " band:" + band + " mode:" + values.modeText + " date:" + date;
}

PersonalDialogValues OpenPersonalDialog(const SettingsBackend& store) {
    PersonalDialogValues values;
    values.callsign = ReadSized(store, setting::kCallsign, 16);
    values.name = ReadSized(store, setting::kName, 100);
    values.club = ReadSized(store, setting::kClub, 26);
    values.address = SplitAddress(ReadSized(store, setting::kAddress, 200));
    values.cqZone = ReadSized(store, setting::kCqZone, 3);
    values.continent = ReadSized(store, setting::kContinent, 3);
    return values;
}

bool ApplyPersonalDialog(SettingsBackend& store, PersonalDialogValues& values) {
    values.continent = CorrectedContinent(values.continent);
    values.cqZone = CorrectedCqZone(values.cqZone);
    Store(store, setting::kCallsign, values.callsign);
    Store(store, setting::kName, values.name);
    Store(store, setting::kClub, values.club);
    const auto& lines = values.address;
    Store(store, setting::kAddress, lines[0] + "*" + lines[1] + "*" + lines[2] + "*" + lines[3]);
    Store(store, setting::kCqZone, values.cqZone);
    Store(store, setting::kContinent, values.continent);
    return values.callsign.size() > 2 && !values.cqZone.empty() && !values.continent.empty();
}

ConfigurationDialogValues OpenConfigurationDialog(const SettingsBackend& store, const ClockReading& now) {
    ConfigurationDialogValues values;
    const std::string callbook = ReadSized(store, setting::kCdrom, 5);
    values.callbook = callbook == "rac"   ? CallbookChoice::Rac
                      : callbook == "qrz" ? CallbookChoice::Qrz
                                          : CallbookChoice::None;
    values.disk = ReadSized(store, setting::kDisk, 3);
    values.transmitterId = std::to_string(ReadSettingNumber(store, setting::kTranceiverId));
    const std::string shift = ReadSized(store, setting::kTimeShift, 6);
    // Without a stored shift the machine's own difference between UTC and local time is shown.
    const int minutes =
        !shift.empty() ? std::abs(ParseInt(shift.substr(1)).value_or(0)) : std::abs(now.utcMinusLocalMinutes);
    values.shiftSign = !shift.empty() ? shift.substr(0, 1) : now.utcMinusLocalMinutes < 0 ? "-" : "+";
    values.shiftHours = std::to_string(minutes / 60);
    values.shiftMinutes = std::to_string(minutes % 60);
    values.hideToTray = ReadSettingFlag(store, setting::kHideToTray);
    values.russian = ReadSettingFlag(store, setting::kLanguage);
    values.checkOnStart = ReadSettingFlag(store, setting::kCheckConfigOnStart);
    values.onTop = ReadSettingFlag(store, setting::kSetWindowOnTop);
    return values;
}

std::string ApplyConfigurationDialog(SettingsBackend& store, const ConfigurationDialogValues& values) {
    std::string message = "settings: ";
    const std::string disk(TrimBlanks(values.disk));
    Store(store, setting::kDisk, disk);
    if (disk.size() == 1 && IsUpperLetter(disk[0])) message += "disk:" + disk + " ";
    std::string transmitter(TrimBlanks(values.transmitterId));
    if (transmitter.empty()) transmitter = "0";
    message += "trxid:" + transmitter + " ";
    WriteSettingNumber(store, setting::kTranceiverId, IsDigit(transmitter[0]) ? transmitter[0] - '0' : 0);
    const std::string sign = values.shiftSign == "-" ? "-" : "+";
    const int shift = ClampedNumber(values.shiftHours, 24) * 60 + ClampedNumber(values.shiftMinutes, 59);
    Store(store, setting::kTimeShift, sign + std::to_string(shift));
    Store(store, setting::kCdrom, CallbookCode(values.callbook));
    message += "cdrom:" + std::string(CallbookCode(values.callbook)) + " ";
    const std::array<std::pair<bool, std::pair<SettingName, std::string_view>>, 4> marks = {{
        {values.checkOnStart, {setting::kCheckConfigOnStart, "check:yes "}},
        {values.onTop, {setting::kSetWindowOnTop, "ontop:yes "}},
        {values.hideToTray, {setting::kHideToTray, "hide:yes "}},
        {values.russian, {setting::kLanguage, "lang:rus "}},
    }};
    for (const auto& [on, mark] : marks) {
        WriteSettingFlag(store, mark.first, on);
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
