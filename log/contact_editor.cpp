// Correcting or deleting one logged contact.
#include "log/contact_editor.h"

#include <array>

#include "core/file_io.h"
#include "core/text.h"
#include "database/contest_index_patch.h"
#include "log/qso_line.h"
#include "log/qso_line_patch.h"

namespace tallyhawk {
namespace {

constexpr std::array<std::string_view, 6> kEditBands = {"10", "15", "20", "40", "80", "160"};
constexpr std::array<std::string_view, 4> kEditModes = {"PH", "CW", "RY", "PS"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& list, std::string_view text) {
    for (std::string_view entry : list) {
        if (entry == text) return true;
    }
    return false;
}

bool IsValidDate(std::string_view date) { return date.size() >= 8 && date[4] == '-' && date[7] == '-'; }

bool IsValidTime(std::string_view time) { return time.size() >= 4 && time[0] <= '2' && time[3] <= '5'; }

void Record(bool written, const std::filesystem::path& path, ContactEditResult& result) {
    if (!written) result.notWritten.push_back(path);
}

}  // namespace

ContactFiles ContactFilesFor(const ProgramFolder& folder, std::string_view ownCall) {
    return {ContestIndexFilesFor(folder, ownCall), folder.ContestLogPath(ownCall)};
}

std::optional<std::string> EditRefusalReason(const EditTransfer& typed, const EditorExchangeRule& exchange) {
    if (TrimBlanks(typed.call).size() < 3) return "the call needs at least 3 characters";
    if (!IsValidDate(TrimBlanks(typed.date))) return "the date must be written YYYY-MM-DD";
    if (!IsValidTime(TrimBlanks(typed.utc))) return "the time must be written HH:MM";
    if (!OneOf(kEditBands, TrimBlanks(typed.band))) return "the band must be one of 10 15 20 40 80 160";
    if (!OneOf(kEditModes, TrimBlanks(typed.mode))) return "the mode must be one of PH CW RY PS";
    if (TrimBlanks(typed.sent).empty() || TrimBlanks(typed.rcvd).empty()) return "both exchanges must be filled in";
    for (const std::string* text : {&typed.sent, &typed.rcvd}) {
        if (EditorAcceptsExchange(exchange, *text)) continue;
        return "exchange " + *text + " refused: " +
               (exchange.takesLetters ? "at most 6 characters" : "digits only") + " in " + std::string(exchange.contest);
    }
    return std::nullopt;
}

bool EditorAcceptsExchange(const EditorExchangeRule& rule, std::string_view exchange) {
    if (rule.takesLetters) return exchange.size() <= kExchangeKept;
    return exchange.find_first_not_of("0123456789") == std::string_view::npos;
}

QsoRecord EditedQsoRecord(const EditTransfer& typed) {
    const std::string_view time = TrimBlanks(typed.utc);
    QsoRecord qso;
    qso.call = TrimBlanks(typed.call);
    qso.date = TrimBlanks(typed.date);
    qso.time = std::string(time.substr(0, 2)) + std::string(time.substr(time.size() - std::min<std::size_t>(2, time.size())));
    qso.band = TrimBlanks(typed.band);
    qso.mode = TrimBlanks(typed.mode);
    qso.exchangeSent = TrimBlanks(typed.sent);
    qso.exchangeReceived = TrimBlanks(typed.rcvd);
    qso.number = static_cast<int>(TransferContactNumber(typed));
    return qso;
}

bool ContactFilesHold(const ContactFiles& files, std::size_t number) {
    if (number == 0) return false;
    const bool logExists = FileExists(files.log);
    if (!logExists && !FileExists(files.index.calls) && !FileExists(files.index.records)) return false;
    if (!ContestIndexHolds(files.index, number)) return false;
    return !logExists || CountQsoLines(ReadFileOrEmpty(files.log)) >= number;
}

ContactEditResult SaveEditedContact(const ContactEditTarget& target, const EditTransfer& typed) {
    ContactEditResult result;
    if ((result.reason = EditRefusalReason(typed, target.exchange))) {
        result.outcome = ContactEditOutcome::Refused;
        return result;
    }
    const std::size_t number = TransferContactNumber(typed);
    if (!ContactFilesHold(target.files, number)) return {ContactEditOutcome::OutOfRange, {}, {}, {}};
    result.advice = ReloadAdviceMessage();
    const QsoRecord qso = EditedQsoRecord(typed);
    Record(WriteContestIndexContact(target.files.index, number, qso.call, MakeQsoSummary(qso)),
           target.files.index.calls, result);
    if (FileExists(target.files.log)) {
        Record(ReplaceQsoLine(target.files.log, number, FormatQsoLine(qso, target.ownCall, target.transmitterId)),
               target.files.log, result);
    }
    return result;
}

ContactEditResult DeleteContact(const ContactFiles& files, std::size_t number) {
    if (!ContactFilesHold(files, number)) return {ContactEditOutcome::OutOfRange, {}, {}, {}};
    ContactEditResult result;
    result.advice = ReloadAdviceMessage();
    Record(RemoveContestIndexContact(files.index, number), files.index.calls, result);
    if (FileExists(files.log)) Record(RemoveQsoLine(files.log, number), files.log, result);
    return result;
}

std::size_t TransferContactNumber(const EditTransfer& transfer) {
    const auto number = ParseInt(TrimBlanks(transfer.number));
    return number && *number > 0 ? static_cast<std::size_t>(*number) : 0;
}

Message ReloadAdviceMessage() {
    return Message{
        .titleEnglish = "WARNING",
        .textEnglish = "To take effect in statistics you must 'Reload' database.\n (You can do this later after the contest)",
        .titleRussian = "Предупреждение",
        .textRussian = "Для правильного подсчета статистики необходимо перегрузить базу данных.\n"
                       "Это может занять несколько минут ...\n"
                       "Перегрузку можно произвести позже и после контеста,\n"
                       "но текущая статистика может окзаться не корректной,\n"
                       "если были внесены существенные изменения.",
    };
}

Message DeleteConfirmationMessage(std::string_view call) {
    const std::string name(call);
    return Message{
        .titleEnglish = "Delete QSO with " + name + "?",
        .textEnglish = "Are You Sure?",
        .titleRussian = "Удаление QSO с " + name,
        .textRussian = "Вы уверены?",
    };
}

}  // namespace tallyhawk
