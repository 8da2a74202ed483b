// Importing an ADIF file into the logbook database.
#include "convert/adif_import.h"

#include "convert/adif_positions.h"
#include "convert/log_conversion.h"
#include "convert/log_file_check.h"
#include "core/file_io.h"
#include "core/text.h"
#include "core/text_lines.h"
#include "database/logbook_database.h"
#include "database/logbook_writer.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kShortestCall = 3;

struct CallValue {
    std::size_t start;
    std::size_t length;
};

// Where the value of the CALL tag at `tag` starts and how long it says it is.
std::optional<CallValue> LocateCallValue(std::string_view line, std::size_t tag) {
    const char first = ByteAt(line, tag + 6);
    const char second = ByteAt(line, tag + 7);
    if (IsDigit(second)) return CallValue{tag + 9, 10 * DigitValue(first) + DigitValue(second)};
    if (second != ':') return CallValue{tag + 8, DigitValue(first)};
    const std::size_t close = line.find('>', tag + 8);
    if (close == std::string_view::npos) return std::nullopt;
    return CallValue{close + 1, DigitValue(first)};
}

int ImportLines(std::string_view text, LogbookWriter& logbook, const StatusSink& status) {
    int imported = 0;
    LineCursor lines(text);
    while (const auto line = lines.Next()) {
        const auto entry = LogbookLineFromAdif(line->text);
        if (!entry) continue;
        logbook.Add(entry->call, entry->record);
        Show(status, QsoCountText(++imported));
    }
    return imported;
}

ImportResult Failed(ImportOutcome outcome, Message message) {
    return ImportResult{.outcome = outcome, .records = 0, .message = std::move(message)};
}

}  // namespace

std::optional<LogbookLine> LogbookLineFromAdif(std::string_view line) {
    const std::string upper = ToUpperAscii(line);
    const auto tag = FindAdifTag(upper, "CALL");
    if (!tag) return std::nullopt;
    const auto value = LocateCallValue(upper, *tag);
    if (!value || value->length < kShortestCall) return std::nullopt;
    const std::string_view call = BytesAt(upper, value->start, value->length);
    if (call.size() < kShortestCall) return std::nullopt;  // the line ends inside the value
    std::string record = upper.substr(0, *tag);
    record.append(BytesAt(upper, value->start + call.size(), upper.size()));
    return LogbookLine{std::string(call), std::string(TrimBlanks(record))};
}

ImportResult ImportAdif(const ProgramFolder& folder, const std::filesystem::path& path, const StatusSink& status) {
    Show(status, kCheckingText);
    if (path.empty()) return {};
    const std::string name = path.string();
    if (!ValidateLogFile(path)) return Failed(ImportOutcome::Rejected, ImportRejectedMessage(name));
    Show(status, kImportClearText);
    // Read whole before the logbook is touched, so an unreadable file changes nothing.
    const auto text = FileExists(path) ? ReadFile(path) : std::nullopt;
    if (!text) return Failed(ImportOutcome::FileUnreadable, FileNotReadMessage(name));
    const auto notWritten = [&folder] {
        return Failed(ImportOutcome::NotWritten, FileNotWrittenMessage(folder.DatabasePath(kLogbookCallsFile).string()));
    };
    LogbookWriter logbook(folder);
    if (!logbook.Open()) return notWritten();
    const int records = ImportLines(*text, logbook, status);
    if (!logbook.Commit()) return notWritten();
    Show(status, kCompleteText);
    return ImportResult{.outcome = ImportOutcome::Imported, .records = records, .message = {}};
}

Message ImportRejectedMessage(std::string_view path) {
    // The import's box differs from the conversion's only in its English advice.
    Message message = ConversionRejectedMessage(LogFormat::Adif, path);
    message.textEnglish = "Some entries of " + std::string(path) +
                          " are not correct of ADIF format.\n\n Please repair file before converting by Ozmend-utility.";
    return message;
}

}  // namespace tallyhawk
