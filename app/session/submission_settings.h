// The settings of the log sent in after the contest: the Cabrillo categories, the station's details
// beyond the profile, the soapbox, an override of the contest's official name and the contest period.
#pragma once

#include <string>
#include <string_view>

#include "app/session/settings_backend.h"
#include "app/session/settings_table.h"

namespace tallyhawk {

struct SubmissionSettings {
    std::string categoryOperator;     // "CategoryOperator"; empty: SINGLE-OP
    std::string categoryAssisted;     // empty: NON-ASSISTED
    std::string categoryBand;         // empty: ALL
    std::string categoryMode;         // empty: from the contest's edition and the log's modes
    std::string categoryPower;        // empty: the header lacks it, and the check says so
    std::string categoryStation;      // empty: FIXED
    std::string categoryTransmitter;  // empty: ONE
    std::string email;
    std::string gridLocator;
    std::string location;             // empty: DX where the sponsor asks W/VE stations for theirs
    std::string operators;
    std::string soapbox;              // lines joined by "*"
    std::string contestName;          // "CabrilloContest": replaces the official name
    std::string contestPeriod;        // "ContestPeriod": replaces the contest's own period
};

// The stored values; a missing value is empty.
SubmissionSettings LoadSubmissionSettings(const SettingsBackend& backend);

// Writes each value by its setting name; when any value is refused nothing is written and the answer
// is false.
[[nodiscard]] bool StoreSubmissionSettings(SettingsBackend& backend, const SubmissionSettings& settings);

// The setting names and fields in the order of the dialog, for front ends that show them all.
struct SubmissionSettingField {
    SettingName name;
    std::string SubmissionSettings::*field;
};
extern const SubmissionSettingField kSubmissionSettingFields[14];

}  // namespace tallyhawk
