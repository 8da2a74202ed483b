// The Cabrillo contest log "<Callsign>.cbr": its 14 header lines and the writer that appends or
// overwrites one QSO: line.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/contest_setup.h"
#include "core/file_io.h"
#include "core/message.h"
#include "core/program_folder.h"
#include "core/qso_record.h"

namespace tallyhawk {

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::int64_t kAppendAtEnd = -1;

// The four address lines: the text before the first, second and third "*", then everything after the third.
std::array<std::string, 4> SplitAddress(std::string_view address);

// The 14 header lines written when the log file is created, each ended by CR LF.
std::string FormatLogHeader(std::string_view contest, const StationProfile& station);

struct ContestLogWrite {
    const ProgramFolder& folder;
    const StationProfile& station;
    std::string_view contest;
    std::string_view transmitterId;
    Durability durability = Durability::Synced;
};

// Writes one QSO: line: creates the file with its header when missing, then appends (position -1) or
// overwrites from a byte offset. False when the file could not be created or written; an append that
// fails leaves the file as it was.
[[nodiscard]] bool ContestLogWriter(const ContestLogWrite& target, const QsoRecord& qso,
                                    std::int64_t position = kAppendAtEnd);

// "Cannot write the contest log <file>": the save is refused and the entry row kept.
Message LogNotWrittenMessage(std::string_view fileName);

}  // namespace tallyhawk
