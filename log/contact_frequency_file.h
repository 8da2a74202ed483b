// The exact frequency of each logged contact, "database/<Callsign>.frq", beside the contest index: one
// fixed-width CR LF record per contact, record n for contact n of the contest index and the log. The
// log itself keeps only the band; the exports take the frequency from here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/band.h"
#include "core/program_folder.h"
#include "core/qso_record.h"
#include "log/contest_log_contacts.h"
#include "log/qso_line.h"

namespace tallyhawk {

// One record: the frequency, then the contact's call, date and time, which let a reload put each
// frequency back beside its contact when lines of the log were removed or added by hand.
namespace frequency_columns {
inline constexpr ColumnRange kHertz{1, 12};  // digits, blank when unknown, then a blank
inline constexpr ColumnRange kCall{13, 26};  // at most 13 characters (what the log keeps), then a blank
inline constexpr ColumnRange kDate{27, 37};  // YYYY-MM-DD, then a blank
inline constexpr ColumnRange kTime{38, 41};  // HHMM
}  // namespace frequency_columns

inline constexpr std::size_t kFrequencyRecordLength = frequency_columns::kTime.last;
inline constexpr std::size_t kFrequencyRecordBytes = kFrequencyRecordLength + 2;  // with CR LF

struct ContactFrequency {
    std::optional<Hertz> hertz;  // nothing: the frequency is unknown
    std::string call;            // the key of the contact, as cut for the record
    std::string date;
    std::string time;

    bool operator==(const ContactFrequency&) const = default;
};

// The record of a contact, with its key taken from the contact and the frequency when known.
ContactFrequency FrequencyOfContact(const QsoRecord& contact, std::optional<Hertz> hertz);

std::string FormatFrequencyRecord(const ContactFrequency& record);  // without the line end
ContactFrequency ParseFrequencyRecord(std::string_view line);

// Every line of a side file, CR LF or LF, is one record; a field that does not read is empty.
std::vector<ContactFrequency> ParseFrequencyFile(std::string_view text);

std::filesystem::path ContactFrequencyPath(const ProgramFolder& folder, std::string_view ownCall);

// The frequency of contact `number` (1-based) of the log of `ownCall`, or nothing when it is unknown
// or the side file does not hold it.
std::optional<Hertz> LoggedContactFrequency(const ProgramFolder& folder, std::string_view ownCall,
                                            std::size_t number);

// The frequencies of all contacts at once, in log order (entry n-1 for contact n).
std::vector<std::optional<Hertz>> LoggedContactFrequencies(const ProgramFolder& folder,
                                                           std::string_view ownCall);

// Gives each contact read from the contest log the frequency of the record of its QSO: line, for the
// exports. A record whose call, date and time are not the contact's (the log was changed by hand and
// not reloaded), or whose frequency lies outside the contact's band, is not used: the contact keeps
// its band's frequency rather than take another contact's.
void AttachExactFrequencies(std::vector<ContestLogContact>& contacts, const std::vector<ContactFrequency>& records);
void AttachExactFrequencies(std::vector<ContestLogContact>& contacts, const ProgramFolder& folder,
                            std::string_view ownCall);

// Writes record `number` after a save: appended when the file holds the records before it, otherwise
// the file is first brought to `number - 1` records (blank records for contacts logged without a
// frequency, extra records dropped).
[[nodiscard]] bool StoreContactFrequency(const std::filesystem::path& path, std::size_t number,
                                         const ContactFrequency& record);

// After an edit of contact `number`: its key follows the edited contact, and a frequency outside the
// edited band is forgotten. A file that does not hold the contact is left alone.
[[nodiscard]] bool EditContactFrequency(const std::filesystem::path& path, std::size_t number,
                                        const QsoRecord& edited);

// After a delete of contact `number`: its record goes, the later ones move up.
[[nodiscard]] bool DeleteContactFrequency(const std::filesystem::path& path, std::size_t number);

// After a reload: one record per QSO: line of `contestLog`, each with the frequency of an old record of
// the same call, date and time (taken in order, each used once), blank otherwise. A missing side file
// stays missing.
std::vector<ContactFrequency> RealignedFrequencies(const std::vector<ContactFrequency>& old,
                                                   std::string_view contestLog);
[[nodiscard]] bool RealignContactFrequencies(const std::filesystem::path& path, std::string_view contestLog);

}  // namespace tallyhawk
