// tallyhawk-cli set and settings: the settings store without the window.
#include <ostream>

#include "app/cli/command.h"
#include "app/session/settings_store.h"

namespace tallyhawk::cli {
namespace {

std::string_view WriteStatusText(SettingWriteStatus status) {
    switch (status) {
        case SettingWriteStatus::Ok: return "ok";
        case SettingWriteStatus::UnknownName: return "unknown setting";
        case SettingWriteStatus::NotANumber: return "the value must be a whole number";
        case SettingWriteStatus::TooLong: return "the value is too long";
        case SettingWriteStatus::NotAllowed: return "the value is not allowed";
    }
    return "refused";
}

// " (one of: HIGH LOW QRP)" for a setting that takes only some values.
std::string AllowedValuesNote(const std::string& name) {
    const auto setting = SettingName::Find(name);
    if (!setting || setting->Definition().allowedValues.empty()) return {};
    return " (one of: " + std::string(setting->Definition().allowedValues) + ")";
}

// Checks every pair against a scratch store first, so that one bad pair writes nothing.
bool CheckPairs(const std::vector<std::string>& pairs, std::ostream& err) {
    MemorySettingsBackend scratch;
    bool valid = true;
    for (const auto& pair : pairs) {
        const auto equals = pair.find('=');
        if (equals == std::string::npos) {
            err << pair << ": expected NAME=VALUE\n";
            valid = false;
            continue;
        }
        const auto status = WriteSetting(scratch, pair.substr(0, equals), pair.substr(equals + 1));
        if (status != SettingWriteStatus::Ok) {
            err << pair.substr(0, equals) << ": " << WriteStatusText(status) << AllowedValuesNote(pair.substr(0, equals))
                << "\n";
            valid = false;
        }
    }
    return valid;
}

}  // namespace

int RunSet(CommandContext& context) {
    const auto& pairs = context.arguments.positionals;
    if (pairs.empty()) {
        context.err << "set needs NAME=VALUE (see tallyhawk-cli set --help)\n";
        return kExitUsage;
    }
    if (!CheckPairs(pairs, context.err)) return kExitFailure;
    // A store that does not exist yet gets its defaults first, so the values set now are not
    // mistaken for a complete store at the next start.
    (void)LoadSettings(context.settings, ReadSystemClock());
    (void)LoadColors(context.settings);
    for (const auto& pair : pairs) {
        const auto equals = pair.find('=');
        (void)WriteSetting(context.settings, pair.substr(0, equals), pair.substr(equals + 1));
    }
    if (!context.settings.Sync()) {
        context.err << "the settings could not be written\n";
        return kExitFailure;
    }
    return kExitOk;
}

int RunSettings(CommandContext& context) {
    (void)LoadSettings(context.settings, ReadSystemClock());
    (void)LoadColors(context.settings);
    for (const auto& line : DescribeSettings(context.settings)) context.out << line << "\n";
    return kExitOk;
}

}  // namespace tallyhawk::cli
