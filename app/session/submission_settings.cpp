// The settings of the log sent in after the contest.
#include "app/session/submission_settings.h"

#include "app/session/settings_store.h"

namespace tallyhawk {

const SubmissionSettingField kSubmissionSettingFields[14] = {
    {"CategoryOperator", &SubmissionSettings::categoryOperator},
    {"CategoryAssisted", &SubmissionSettings::categoryAssisted},
    {"CategoryBand", &SubmissionSettings::categoryBand},
    {"CategoryMode", &SubmissionSettings::categoryMode},
    {"CategoryPower", &SubmissionSettings::categoryPower},
    {"CategoryStation", &SubmissionSettings::categoryStation},
    {"CategoryTransmitter", &SubmissionSettings::categoryTransmitter},
    {"Email", &SubmissionSettings::email},
    {"GridLocator", &SubmissionSettings::gridLocator},
    {"Location", &SubmissionSettings::location},
    {"Operators", &SubmissionSettings::operators},
    {"Soapbox", &SubmissionSettings::soapbox},
    {"CabrilloContest", &SubmissionSettings::contestName},
    {"ContestPeriod", &SubmissionSettings::contestPeriod},
};

SubmissionSettings LoadSubmissionSettings(const SettingsBackend& backend) {
    SubmissionSettings settings;
    for (const auto& [name, field] : kSubmissionSettingFields) {
        settings.*field = backend.ReadString(kSettingsGroup, name).value_or("");
    }
    return settings;
}

bool StoreSubmissionSettings(SettingsBackend& backend, const SubmissionSettings& settings) {
    MemorySettingsBackend scratch;
    for (const auto& [name, field] : kSubmissionSettingFields) {
        if (WriteSetting(scratch, name, settings.*field) != SettingWriteStatus::Ok) return false;
    }
    for (const auto& [name, field] : kSubmissionSettingFields) (void)WriteSetting(backend, name, settings.*field);
    return true;
}

}  // namespace tallyhawk
