// Importing the ADIF of any logger into the logbook database.
#include "convert/any_adif_import.h"

#include <array>

#include "convert/adif_bands.h"
#include "convert/adif_export.h"
#include "convert/log_conversion.h"
#include "core/file_io.h"
#include "core/text.h"
#include "database/logbook_database.h"
#include "database/logbook_writer.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kShortestCall = 3;
// The history reads a FREQ value by a one-digit length.
constexpr std::size_t kLongestFrequency = 9;

// The fields the history shows, in the order they are stored: they come first, so that the cut at 250
// bytes never reaches them.
constexpr std::array<std::string_view, 9> kHistoryFields = {
    "QSO_DATE", "TIME_ON", "MODE", "SUBMODE", "RST_SENT", "RST_RCVD", "QSL_RCVD", "QSL_SENT", "FREQ"};

std::string BandOf(const AdifRecord& record) {
    if (const auto band = TrimWhitespace(record.Value("BAND")); !band.empty()) return ToUpperAscii(band);
    const auto megahertz = AdifFrequencyMegahertz(record.Value("FREQ"));
    const auto band = megahertz ? AdifBandForMegahertz(*megahertz) : std::nullopt;
    return band ? std::string(*band) : std::string();
}

std::string UpperValue(const AdifRecord& record, std::string_view name) {
    std::string value = ToUpperAscii(TrimWhitespace(record.Value(name)));
    if (name == "FREQ" && value.size() > kLongestFrequency) value.resize(kLongestFrequency);
    return value;
}

int AddRecords(const AdifDocument& document, LogbookWriter& logbook, AnyImportResult& result,
               const StatusSink& status) {
    for (const auto& record : document.records) {
        const std::string call = LogbookCallOf(record);
        if (call.empty()) {
            ++result.withoutCall;
            continue;
        }
        logbook.Add(call, LogbookRecordOf(record));
        Show(status, QsoCountText(++result.imported));
    }
    return result.imported;
}

AnyImportResult Failed(AnyImportOutcome outcome, AnyImportResult result, Message message) {
    result.outcome = outcome;
    result.message = std::move(message);
    return result;
}

}  // namespace

std::string LogbookCallOf(const AdifRecord& record) {
    std::string call = ToUpperAscii(TrimWhitespace(record.Value("CALL")));
    return call.size() < kShortestCall ? std::string() : call;
}

std::string LogbookRecordOf(const AdifRecord& record) {
    std::string text;
    AppendAdifField(text, kHistoryFields[0], UpperValue(record, kHistoryFields[0]));
    AppendAdifField(text, kHistoryFields[1], UpperValue(record, kHistoryFields[1]));
    AppendAdifField(text, "BAND", BandOf(record));
    for (std::size_t i = 2; i < kHistoryFields.size(); ++i) {
        AppendAdifField(text, kHistoryFields[i], UpperValue(record, kHistoryFields[i]));
    }
    return text.append("<EOR>");
}

AnyImportResult ImportAnyAdif(const ProgramFolder& folder, const std::filesystem::path& path,
                              const StatusSink& status) {
    Show(status, kCheckingText);
    if (path.empty()) return {};
    const std::string name = path.string();
    const auto text = FileExists(path) ? ReadFile(path) : std::nullopt;
    if (!text) return Failed(AnyImportOutcome::FileUnreadable, {}, FileNotReadMessage(name));
    const AdifDocument document = ReadAdif(*text);
    AnyImportResult result{.records = static_cast<int>(document.records.size())};
    Show(status, kImportClearText);
    LogbookWriter logbook(folder);
    const auto notWritten = [&] {
        return Failed(AnyImportOutcome::NotWritten, result,
                      FileNotWrittenMessage(folder.DatabasePath(kLogbookCallsFile).string()));
    };
    if (!logbook.Open()) return notWritten();
    if (AddRecords(document, logbook, result, status) == 0) {
        return Failed(AnyImportOutcome::NoCalls, result, NoCallsMessage(name));
    }
    if (!logbook.Commit()) return notWritten();
    Show(status, kCompleteText);
    result.outcome = AnyImportOutcome::Imported;
    return result;
}

Message NoCallsMessage(std::string_view path) {
    const std::string name(path);
    return Message{
        .titleEnglish = "ERROR",
        .textEnglish = "No record of " + name + " has a call of 3 or more characters; the logbook stays as it was.",
        .titleRussian = "ОШИБКА",
        .textRussian = "В файле " + name + " нет ни одной записи с позывным; база остаётся прежней.",
    };
}

}  // namespace tallyhawk
