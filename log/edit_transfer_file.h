// The edit transfer file "database/Edit.bak": the contact a double click on the log view hands to the
// edit dialog, as eight "key:value" lines ended by a line feed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/program_folder.h"
#include "database/contest_index.h"

namespace tallyhawk {

inline constexpr std::string_view kEditTransferFile = "Edit.bak";

// The contact as the log view shows it: time as HH:MM, band short code, mode entry code; `number` is
// the contact's 1-based position in the log and the contest index.
struct EditTransfer {
    std::string call;
    std::string date;
    std::string utc;
    std::string band;
    std::string mode;
    std::string sent;
    std::string rcvd;
    std::string number;

    bool operator==(const EditTransfer&) const = default;
};

std::string FormatEditTransfer(const EditTransfer& transfer);

// Each key is looked for anywhere in a line; its value is the rest of the line after as many
// characters as the key has. Keys the text lacks stay empty.
EditTransfer ParseEditTransfer(std::string_view text);

std::filesystem::path EditTransferPath(const ProgramFolder& folder);

// Rewrites the file (creating "database" when missing); false when it cannot be written.
[[nodiscard]] bool WriteEditTransferFile(const ProgramFolder& folder, const EditTransfer& transfer);

// The fields from the file, or nothing when it does not exist.
std::optional<EditTransfer> ReadEditTransferFile(const ProgramFolder& folder);

// Contact `number` as the log view's cells show it: the record split at its first five ",", the time
// HHMM shown as HH:MM, every cell trimmed.
EditTransfer EditTransferFromIndex(std::size_t number, const ContestIndexContact& contact);

}  // namespace tallyhawk
