// Converting a whole log between ADIF and Cabrillo.
#include "convert/log_conversion.h"

#include "convert/adif_to_cabrillo.h"
#include "convert/cabrillo_to_adif.h"
#include "convert/log_file_check.h"
#include "core/buffered_appender.h"
#include "core/file_io.h"
#include "core/text_lines.h"
#include "log/contest_log_writer.h"

namespace tallyhawk {
namespace {

ConversionResult Refused(ConversionOutcome outcome, Message message) {
    return ConversionResult{.outcome = outcome, .records = 0, .output = {}, .message = std::move(message)};
}

// Writes every record of the source into the output, counting on the status line.
// The output's header goes only into an output file that was empty, in front of its first record.
int ConvertRecords(const LogFormatRow& format, const ConversionRequest& request, std::string_view source,
                   BufferedAppender& output, const StatusSink& status) {
    int converted = 0;
    const auto write = [&](std::string_view record) {
        if (converted == 0 && output.WasEmpty()) output.Append(format.outputHeader);
        output.Append(record);
        Show(status, QsoCountText(++converted));
    };
    return format.convert(source, request.callsign, write);
}

}  // namespace

int ConvertAdifText(std::string_view text, std::string_view ownCall, const RecordWriter& write) {
    int count = 0;
    LineCursor lines(text);
    while (const auto line = lines.Next()) {
        auto qso = CabrilloLineFromAdif(line->text, ownCall);
        if (!qso) continue;
        write(qso->append(kLineEnd));
        ++count;
    }
    return count;
}

int ConvertCabrilloText(std::string_view text, const RecordWriter& write) {
    int count = 0;
    LineCursor lines(text);
    while (const auto line = lines.Next()) {
        const auto record = AdifRecordFromCabrillo(line->text);
        if (!record) continue;
        write(*record);
        ++count;
    }
    return count;
}

ConversionResult ConvertLog(const ConversionRequest& request, const StatusSink& status) {
    Show(status, kCheckingText);
    const LogFormatRow* format = LogFormatRowOf(request.format);
    if (!format || request.source.empty()) return {};
    const std::string sourceName = request.source.string();
    if (!ValidateLogFile(request.source)) return Refused(ConversionOutcome::Rejected, format->rejected(sourceName));
    Show(status, kConversionClearText);
    const auto source = FileExists(request.source) ? ReadFile(request.source) : std::nullopt;
    if (!source) return Refused(ConversionOutcome::SourceUnreadable, FileNotReadMessage(sourceName));
    const auto outputPath = request.outputFolder / format->outputName;
    BufferedAppender output(outputPath);
    if (!output.Open()) return Refused(ConversionOutcome::OutputNotWritten, FileNotWrittenMessage(outputPath.string()));
    const int records = ConvertRecords(*format, request, *source, output, status);
    if (!output.Close()) return Refused(ConversionOutcome::OutputNotWritten, FileNotWrittenMessage(outputPath.string()));
    Show(status, records > 0 ? kCompleteText : kNoEntriesText);
    return ConversionResult{.outcome = ConversionOutcome::Converted, .records = records, .output = outputPath, .message = {}};
}

Message ConversionRejectedMessage(LogFormat format, std::string_view path) {
    const LogFormatRow* row = LogFormatRowOf(format);
    return row ? row->rejected(path) : Message{};
}

Message CabrilloRejectedMessage(std::string_view path) {
    const std::string name(path);
    return Message{
        .titleEnglish = "ERROR",
        .textEnglish = "Some entries of " + name + " are not correct of Cabrillo format.\n\n Please repair file before converting.",
        .titleRussian = "ERROR",
        .textRussian = "Некоторые данные " + name + " не соответствуют Cabrillo формату.\n\n Проверьте файл в текстовом редакторе.",
    };
}

Message AdifRejectedMessage(std::string_view path) {
    const std::string name(path);
    return Message{
        .titleEnglish = "ERROR",
        .textEnglish = "Some entries of " + name +
                       " are not correct of ADIF format.\n\n Please repair file before converting or try Ozmend-utility.",
        .titleRussian = "ERROR",
        .textRussian = "Некоторые данные " + name +
                       " не соответствуют ADIF формату.\n\n Проверьте файл в текстовом редакторе или попробуйте Ozmend-утилиту.",
    };
}

Message FileNotReadMessage(std::string_view path) {
    const std::string name(path);
    return Message{.titleEnglish = "ERROR", .textEnglish = "Cannot read " + name + "!",
                   .titleRussian = "ОШИБКА", .textRussian = "Невозможно прочитать файл " + name + "!"};
}

Message FileNotWrittenMessage(std::string_view path) {
    const std::string name(path);
    return Message{.titleEnglish = "ERROR", .textEnglish = "Cannot write " + name + "!",
                   .titleRussian = "ОШИБКА", .textRussian = "Невозможно записать файл " + name + "!"};
}

}  // namespace tallyhawk
