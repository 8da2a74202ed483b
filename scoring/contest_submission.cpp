// The editions of a contest and the contest of an official name.
#include "scoring/contest_submission.h"

#include "core/text.h"
#include "scoring/contest_table.h"

namespace tallyhawk {

unsigned LogModeBit(std::string_view logCode) {
    if (logCode == "CW") return kCwLogs;
    if (logCode == "PH") return kPhoneLogs;
    if (logCode == "RY") return kDigitalLogs;
    return 0;
}

const ContestEdition& EditionForMode(const ContestSubmission& submission, unsigned modeBit) {
    for (const auto& edition : submission.editions) {
        if (edition.modes & modeBit) return edition;
    }
    return submission.editions.front();
}

std::optional<std::string> ContestCodeForCabrilloName(std::string_view name) {
    const std::string upper = ToUpperAscii(TrimWhitespace(name));
    for (const Contest* contest : AllContests()) {
        for (const auto& edition : contest->submission.editions) {
            if (edition.modes != 0 && edition.cabrilloName == upper) return std::string(contest->code);
        }
    }
    return std::nullopt;
}

}  // namespace tallyhawk
