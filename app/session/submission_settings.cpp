// The settings of the log sent in after the contest.
#include "app/session/submission_settings.h"

#include "app/session/settings_store.h"

namespace tallyhawk {

const SubmissionSettingField kSubmissionSettingFields[14] = {
    {setting::kCategoryOperator, &SubmissionSettings::categoryOperator},
    {setting::kCategoryAssisted, &SubmissionSettings::categoryAssisted},
    {setting::kCategoryBand, &SubmissionSettings::categoryBand},
    {setting::kCategoryMode, &SubmissionSettings::categoryMode},
    {setting::kCategoryPower, &SubmissionSettings::categoryPower},
    {setting::kCategoryStation, &SubmissionSettings::categoryStation},
    {setting::kCategoryTransmitter, &SubmissionSettings::categoryTransmitter},
    {setting::kEmail, &SubmissionSettings::email},
    {setting::kGridLocator, &SubmissionSettings::gridLocator},
    {setting::kLocation, &SubmissionSettings::location},
    {setting::kOperators, &SubmissionSettings::operators},
    {setting::kSoapbox, &SubmissionSettings::soapbox},
    {setting::kCabrilloContest, &SubmissionSettings::contestName},
    {setting::kContestPeriod, &SubmissionSettings::contestPeriod},
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
