// Following the radio: its frequency and mode as the entry row's band and mode.
#include "app/session/rig_following.h"

#include <array>
#include <utility>

#include "scoring/contest_table.h"

namespace tallyhawk {
namespace {

// Hamlib's mode names that a contest logs, and their entry codes.
constexpr std::array<std::pair<std::string_view, std::string_view>, 24> kRigModes = {{
    {"CW", "CW"},    {"CWR", "CW"},    {"CWN", "CW"},     {"USB", "PH"},     {"LSB", "PH"},
    {"AM", "PH"},    {"FM", "PH"},     {"AMS", "PH"},     {"FMN", "PH"},     {"AM-N", "PH"},
    {"DSB", "PH"},   {"SAM", "PH"},    {"ECSSUSB", "PH"}, {"ECSSLSB", "PH"}, {"RTTY", "RY"},
    {"RTTYR", "RY"}, {"PKTUSB", "RY"}, {"PKTLSB", "RY"},  {"PKTFM", "RY"},   {"PKTFMN", "RY"},
    {"PKTAM", "RY"}, {"DD", "RY"},     {"PSK", "PS"},     {"PSKR", "PS"},
}};

}  // namespace

std::optional<std::string_view> EntryModeOfRigMode(std::string_view rigMode) {
    for (const auto& [name, code] : kRigModes) {
        if (name == rigMode) return code;
    }
    return std::nullopt;
}

bool ContestKeepsBand(std::string_view contestCode, Band band) {
    const Contest* contest = FindContest(contestCode);
    if (!contest) return false;
    if (contest->band.always) return *contest->band.always != band;
    const auto& lowest = contest->band.lowest;
    return lowest && BandIndex(band) > BandIndex(*lowest);
}

Message RigNotConnectedMessage() {
    return Message{.titleEnglish = "RIG",
                   .textEnglish = "radio not connected",
                   .titleRussian = "RIG",
                   .textRussian = "трансивер не подключён"};
}

Message RigConnectedMessage() {
    return Message{.titleEnglish = "RIG",
                   .textEnglish = "radio connected",
                   .titleRussian = "RIG",
                   .textRussian = "трансивер подключён"};
}

}  // namespace tallyhawk
