// Correcting or deleting one logged contact: the edit dialog's checks on OK, and the patches of the
// contest log's n-th QSO: line and of record n of both contest index files. The statistics are not
// touched; the operator is advised to reload.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message.h"
#include "core/program_folder.h"
#include "core/qso_record.h"
#include "database/contest_index.h"
#include "log/edit_transfer_file.h"

namespace tallyhawk {

// The three files a contact lives in.
struct ContactFiles {
    ContestIndexFiles index;
    std::filesystem::path log;
};

ContactFiles ContactFilesFor(const ProgramFolder& folder, std::string_view ownCall);

// What the dialog's exchange fields take in the contest of the log: letters, up to 6 characters, or
// digits only.
struct EditorExchangeRule {
    bool takesLetters = false;
    std::string_view contest;  // the contest code, named in a refusal
};

bool EditorAcceptsExchange(const EditorExchangeRule& rule, std::string_view exchange);

// Why OK refuses the typed fields, or nothing when they pass: a call of at least 3 characters, a date
// with "-" as its 5th and 8th character, a time whose first character is not above "2" and whose 4th
// is not above "5", a band of 10 15 20 40 80 160, a mode of PH CW RY PS, both exchanges filled in and
// each what the exchange fields take.
std::optional<std::string> EditRefusalReason(const EditTransfer& typed, const EditorExchangeRule& exchange);

// The typed fields as the contact to write: trimmed, the time HH:MM as HHMM.
QsoRecord EditedQsoRecord(const EditTransfer& typed);

// Whether contact `number` can be patched: at least one of the files exists, and each that exists
// holds it. A number out of step with the files must write and remove nothing.
bool ContactFilesHold(const ContactFiles& files, std::size_t number);

enum class ContactEditOutcome { Done, Refused, OutOfRange };

// "To take effect in statistics you must 'Reload' database.": shown after an edit or a delete.
Message ReloadAdviceMessage();

struct ContactEditResult {
    ContactEditOutcome outcome = ContactEditOutcome::Done;
    std::optional<std::string> reason;                 // why the fields were refused
    std::vector<std::filesystem::path> notWritten;      // files that exist but could not be patched
    std::optional<Message> advice;                      // the reload advice, after every change
};

struct ContactEditTarget {
    ContactFiles files;
    std::string ownCall;
    std::string transmitterId;
    EditorExchangeRule exchange;
};

// OK in the edit dialog: checks the fields, then writes the contact numbered by the transfer's "num:"
// into record n of both index files and over the n-th QSO: line. Missing files are skipped.
ContactEditResult SaveEditedContact(const ContactEditTarget& target, const EditTransfer& typed);

// Removes contact `number` from both index files and its QSO: line from the log.
ContactEditResult DeleteContact(const ContactFiles& files, std::size_t number);

// The number a transfer file names, or 0 when it is not a positive number.
std::size_t TransferContactNumber(const EditTransfer& transfer);

// "Are You Sure?": the question before a contact is deleted.
Message DeleteConfirmationMessage(std::string_view call);

}  // namespace tallyhawk
