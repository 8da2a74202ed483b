// tallyhawk-cli log: one contact from the arguments, or a batch of contacts from a file.
#include <fstream>
#include <iostream>
#include <sstream>
#include <utility>

#include "app/cli/command.h"
#include "app/session/start_up_checks.h"
#include "core/text.h"

namespace tallyhawk::cli {
namespace {

// The first empty field of a refused row, said the way the operator can fix it.
std::string RefusalText(const LoggerSession& session) {
    if (StationCallUnusable(session.Station().callsign)) {
        return "the own call sign is not set: set it with 'tallyhawk-cli set Callsign=...'";
    }
    const EntryForm& entry = session.CurrentScreen().entry;
    for (Field field : kEntryFields) {
        if (!TrimBlanks(entry[field]).empty()) continue;
        std::string text = std::string(FieldName(field)) + " is empty";
        if (field == Field::Band || field == Field::Mode || field == Field::Date) {
            text += ": set it with 'tallyhawk-cli set " + std::string(FieldName(field)) + "=...' or --" +
                    ToLowerAscii(FieldName(field));
        }
        return text;
    }
    return "the contact was refused";
}

enum class SaveOutcome { Logged, Refused, LogNotWritten };

// Saves the row; prints why when nothing was logged.
SaveOutcome SaveRow(LoggerSession& session, std::ostream& err, std::string_view where) {
    const Effects effects = session.SaveContact();
    for (const auto& message : effects.messages) {
        err << where;
        PrintMessage(err, message, session.Russian());
    }
    if (!effects.messages.empty()) return SaveOutcome::LogNotWritten;
    if (!effects.sounds.empty()) {
        err << where << "not logged: " << RefusalText(session) << "\n";
        return SaveOutcome::Refused;
    }
    return SaveOutcome::Logged;
}

void ApplySetupOverrides(LoggerSession& session, const CliArguments& arguments) {
    if (const auto contest = arguments.Value("contest")) session.SetContest(*contest);
    if (const auto band = arguments.Value("band")) session.SetFieldText(Field::Band, *band);
    if (const auto mode = arguments.Value("mode")) session.SetFieldText(Field::Mode, *mode);
    if (const auto date = arguments.Value("date")) session.SetFieldText(Field::Date, *date);
}

// Types the row as the entry row takes it; a text the row would not take as typed refuses the contact,
// naming the field and the reason.
bool FillRow(LoggerSession& session, std::ostream& err, std::string_view where, std::string_view call,
             std::string_view time, std::string_view sent, std::string_view received) {
    const std::string timeText = TimeFieldText(time);
    const std::pair<Field, std::string_view> row[] = {
        {Field::Call, call}, {Field::Time, timeText}, {Field::ExchangeSent, sent}, {Field::ExchangeReceived, received}};
    for (const auto& [field, text] : row) {
        const FieldEdit edit = session.SetFieldText(field, text);
        if (edit.refusal == FieldRefusal::None) continue;
        err << where << "not logged: " << session.RefusalText(field, text, edit.refusal) << "\n";
        return false;
    }
    return true;
}

int LogOne(CommandContext& context) {
    const auto& words = context.arguments.positionals;
    if (words.size() != 4) {
        context.err << "log needs CALL TIME SENT RCVD (see tallyhawk-cli log --help)\n";
        return kExitUsage;
    }
    LoggerSession session = StartSession(context);
    ApplySetupOverrides(session, context.arguments);
    if (!FillRow(session, context.err, "", words[0], words[1], words[2], words[3])) return kExitFailure;
    return SaveRow(session, context.err, "") == SaveOutcome::Logged ? kExitOk : kExitFailure;
}

std::vector<std::string> SplitBlanks(const std::string& line) {
    std::istringstream words(line);
    std::vector<std::string> fields;
    for (std::string word; words >> word;) fields.push_back(word);
    return fields;
}

struct BatchResult {
    int logged = 0;
    int skipped = 0;
    bool stopped = false;  // the log could not be written: the rest is not tried
};

BatchResult LogLines(LoggerSession& session, std::istream& in, std::ostream& err) {
    BatchResult result;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const auto fields = SplitBlanks(line);
        if (fields.empty()) continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        if (fields.size() != 7) {
            err << where << "expected BAND MODE DATE TIME CALL SENT RCVD, found " << fields.size() << " fields\n";
            ++result.skipped;
            continue;
        }
        session.SetFieldText(Field::Band, fields[0]);
        session.SetFieldText(Field::Mode, ToUpperAscii(fields[1]));
        session.SetFieldText(Field::Date, fields[2]);
        if (!FillRow(session, err, where, fields[4], fields[3], fields[5], fields[6])) {
            ++result.skipped;
            continue;
        }
        const SaveOutcome outcome = SaveRow(session, err, where);
        if (outcome == SaveOutcome::Logged) {
            ++result.logged;
            continue;
        }
        ++result.skipped;
        if (outcome == SaveOutcome::LogNotWritten) {  // every later line would fail the same way
            result.stopped = true;
            break;
        }
    }
    return result;
}

int LogBatch(CommandContext& context, const std::string& source) {
    std::ifstream file;
    if (source != "-") {
        file.open(source, std::ios::binary);
        if (!file) {
            context.err << "cannot read " << source << "\n";
            return kExitFailure;
        }
    }
    LoggerSession session = StartSession(context);
    ApplySetupOverrides(session, context.arguments);
    session.SetLogDurability(Durability::Buffered);
    const BatchResult result = LogLines(session, source == "-" ? context.in : file, context.err);
    const bool synced = session.SyncContestLog();
    context.err << result.logged << " logged, " << result.skipped << " skipped\n";
    if (!synced) context.err << "the contest log could not be synced to disk\n";
    return result.skipped == 0 && synced ? kExitOk : kExitFailure;
}

}  // namespace

int RunLog(CommandContext& context) {
    if (const auto batch = context.arguments.Value("batch")) {
        if (!context.arguments.positionals.empty()) {
            context.err << "log --batch takes no other arguments\n";
            return kExitUsage;
        }
        return LogBatch(context, *batch);
    }
    return LogOne(context);
}

}  // namespace tallyhawk::cli
