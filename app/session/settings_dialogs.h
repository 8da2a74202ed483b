// The settings dialogs without their windows: what each shows when it opens, how the typed values are
// corrected and stored when it closes with OK, and the settings message it sends to the main window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/session/settings_backend.h"
#include "app/session/settings_store.h"
#include "core/clock.h"

namespace tallyhawk {

// The longest text a setting holds (its buffer less the terminator), for the dialogs' input limits.
std::size_t SettingTextLimit(SettingName name);

// The contest setup dialog: contest, band, mode, date and the current-time mark.
struct ContestDialogValues {
    std::string contestName;  // setup list name, "WPX DX"
    std::string bandText;     // "10 m" ... "160 m"
    std::string modeText;     // "CW", "Phone", "PSK", "RTTY"
    std::string year, month, day;
    bool currentTime = false;  // real-time mode
};

ContestDialogValues OpenContestDialog(const SettingsBackend& store, const ClockReading& now);
// The mark switched on shows today's date.
void SetCurrentTimeMark(ContestDialogValues& values, bool on, const ClockReading& now);
// Stores the corrected values and returns the message for the main window, e.g.
// "settings:  cont:CQ band:20 mode:Phone date:2002-11-30".
std::string ApplyContestDialog(SettingsBackend& store, const ContestDialogValues& values,
                               const ClockReading& now);

// The personal dialog: the station profile.
struct PersonalDialogValues {
    std::string callsign, name, club;
    std::array<std::string, 4> address;
    std::string cqZone, continent;
};

PersonalDialogValues OpenPersonalDialog(const SettingsBackend& store);
// Corrects the zone and the continent in `values` (the dialog shows them), stores everything, and says
// whether the dialog may close: a call of 3 or more characters, a zone and a continent.
[[nodiscard]] bool ApplyPersonalDialog(SettingsBackend& store, PersonalDialogValues& values);

// The configuration dialog: callbook, transmitter id, time shift, window options, language.
enum class CallbookChoice { Rac, Qrz, None };

struct ConfigurationDialogValues {
    std::string disk, transmitterId;
    std::string shiftSign, shiftHours, shiftMinutes;
    CallbookChoice callbook = CallbookChoice::None;
    bool checkOnStart = false, onTop = false, hideToTray = false, russian = false;
};

ConfigurationDialogValues OpenConfigurationDialog(const SettingsBackend& store, const ClockReading& now);
// Stores the values and returns the message, e.g. "settings: disk:D trxid:0 cdrom:qrz \n".
std::string ApplyConfigurationDialog(SettingsBackend& store, const ConfigurationDialogValues& values);

// The colours dialog: the thirteen colours and the grid style, in the order of kColorDefinitions.
using ColorsDialogValues = std::array<std::int32_t, kColorDefinitions.size()>;
inline constexpr std::size_t kGridStyleIndex = kColorDefinitions.size() - 1;

ColorsDialogValues OpenColorsDialog(const SettingsBackend& store);  // stored values over the reset defaults
ColorsDialogValues ResetColorsDialog();
void ApplyColorsDialog(SettingsBackend& store, const ColorsDialogValues& values);

}  // namespace tallyhawk
