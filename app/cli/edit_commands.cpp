// tallyhawk-cli edit and delete: correcting or removing a logged contact as the edit dialog does.
#include <ostream>

#include "app/cli/command.h"
#include "core/text.h"

namespace tallyhawk::cli {
namespace {

std::optional<std::size_t> ContactNumber(CommandContext& context, std::string_view text) {
    const auto number = ParseInt(text);
    if (number && *number > 0) return static_cast<std::size_t>(*number);
    context.err << "N must be a contact number from 1 on, not " << text << "\n";
    return std::nullopt;
}

// Opens the editor on the contact as a double click on its log-view row does.
std::optional<EditTransfer> OpenEditor(CommandContext& context, const LoggerSession& session, std::size_t number) {
    auto transfer = session.OpenContactEditor(number);
    if (!transfer) context.err << "contact " << number << " is not in the contest index\n";
    return transfer;
}

int Report(CommandContext& context, const LoggerSession& session, const ContactEditResult& result, std::size_t number) {
    switch (result.outcome) {
        case ContactEditOutcome::Refused:
            context.err << "not saved: " << result.reason.value_or("the fields were refused") << "\n";
            return kExitFailure;
        case ContactEditOutcome::OutOfRange:
            context.err << "contact " << number << " is out of step with the log and the contest index: nothing changed\n";
            return kExitFailure;
        case ContactEditOutcome::Done: break;
    }
    for (const auto& path : result.notWritten) context.err << "could not write " << path.string() << "\n";
    if (result.advice) PrintMessage(context.out, *result.advice, session.Russian());
    return result.notWritten.empty() ? kExitOk : kExitFailure;
}

}  // namespace

int RunEdit(CommandContext& context) {
    const auto& words = context.arguments.positionals;
    if (words.size() != 8) {
        context.err << "edit needs N CALL DATE TIME BAND MODE SENT RCVD (see tallyhawk-cli edit --help)\n";
        return kExitUsage;
    }
    const auto number = ContactNumber(context, words[0]);
    if (!number) return kExitUsage;
    LoggerSession session = StartSession(context);
    auto typed = OpenEditor(context, session, *number);
    if (!typed) return kExitFailure;
    // The fields are trimmed before they are checked, as the dialog's fields are.
    const auto field = [&words](std::size_t index) { return std::string(TrimBlanks(words[index])); };
    typed->call = ToUpperAscii(field(1));
    typed->date = field(2);
    typed->utc = TimeFieldText(field(3));
    typed->band = field(4);
    typed->mode = ToUpperAscii(field(5));
    typed->sent = ToUpperAscii(field(6));
    typed->rcvd = ToUpperAscii(field(7));
    return Report(context, session, session.SaveEditedContact(*typed), *number);
}

int RunDelete(CommandContext& context) {
    const auto& words = context.arguments.positionals;
    if (words.size() != 1) {
        context.err << "delete needs N (see tallyhawk-cli delete --help)\n";
        return kExitUsage;
    }
    const auto number = ContactNumber(context, words[0]);
    if (!number) return kExitUsage;
    LoggerSession session = StartSession(context);
    const auto transfer = OpenEditor(context, session, *number);
    if (!transfer) return kExitFailure;
    return Report(context, session, session.DeleteContact(TransferContactNumber(*transfer)), *number);
}

}  // namespace tallyhawk::cli
