// tallyhawk-cli rig: the radio's frequency and mode, asked once.
#include <ostream>

#include "app/cli/command.h"
#include "app/platform/hamlib_rig.h"

namespace tallyhawk::cli {

int RunRig(CommandContext& context) {
    if (!context.arguments.positionals.empty()) {
        context.err << "rig takes no arguments (see tallyhawk-cli rig --help)\n";
        return kExitUsage;
    }
    HamlibRig rig(LoadRigSettings(context.settings));
    const auto reading = rig.Read();
    if (!reading) {
        context.err << "rig: " << RigNotConnectedMessage().textEnglish << "\n";
        return kExitFailure;
    }
    const auto band = BandOfFrequency(reading->frequency);
    context.out << reading->frequency << "\t" << reading->mode << "\t" << (band ? BandShortCode(*band) : "")
                << "\t" << EntryModeOfRigMode(reading->mode).value_or("") << "\n";
    return kExitOk;
}

}  // namespace tallyhawk::cli
