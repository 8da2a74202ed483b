// tallyhawk-cli convert, import and validate: the files window's log conversion, logbook import and
// file check from the command line.
#include <ostream>

#include "app/cli/command.h"
#include "convert/log_file_check.h"
#include "convert/log_format.h"
#include "core/file_io.h"
#include "core/text.h"

namespace tallyhawk::cli {
namespace {

// Keeps the last count and the closing text the status line shows, to print them at the end.
class StatusPrinter {
public:
    StatusSink Sink() {
        return [this](std::string_view text) {
            if (text.starts_with("QSO: ")) {
                m_count = text;
            } else if (!TrimBlanks(text).empty()) {
                m_last = TrimBlanks(text);
            }
        };
    }
    void Print(std::ostream& out) const {
        if (!m_count.empty()) out << m_count << "\n";
        out << m_last << "\n";
    }

private:
    std::string m_count;
    std::string m_last;
};

// The one FILE argument, which must be a readable file.
std::optional<std::filesystem::path> SourceFile(CommandContext& context, std::string_view command) {
    const auto& words = context.arguments.positionals;
    if (words.size() != 1) {
        context.err << command << " needs FILE (see tallyhawk-cli " << command << " --help)\n";
        return std::nullopt;
    }
    return std::filesystem::path(words.front());
}

bool Readable(CommandContext& context, const std::filesystem::path& path) {
    if (FileExists(path)) return true;
    context.err << "cannot read " << path.string() << "\n";
    return false;
}

// --from names the direction; otherwise the name's third-last character does (c: Cabrillo, a: ADIF).
std::optional<LogFormat> SourceFormat(CommandContext& context, const std::filesystem::path& path) {
    if (const auto from = context.arguments.Value("from")) {
        if (const LogFormat named = LogFormatNamed(*from); named != LogFormat::None) return named;
        context.err << "--from takes adif or cabrillo\n";
        return std::nullopt;
    }
    if (const LogFormat byName = LogFormatOfPath(path.string()); byName != LogFormat::None) return byName;
    context.err << "cannot tell the format of " << path.string()
                << " from its name: give --from adif or --from cabrillo\n";
    return std::nullopt;
}

// The error box on the error stream, or the status line's last texts on the output.
int Report(CommandContext& context, const std::optional<Message>& message, bool russian, const StatusPrinter& status) {
    if (message) {
        PrintMessage(context.err, *message, russian);
        return kExitFailure;
    }
    status.Print(context.out);
    return kExitOk;
}

}  // namespace

int RunConvert(CommandContext& context) {
    const auto path = SourceFile(context, "convert");
    if (!path) return kExitUsage;
    const auto format = SourceFormat(context, *path);
    if (!format) return kExitUsage;
    if (!Readable(context, *path)) return kExitFailure;
    const LoggerSession session = StartSession(context, StartUp::WithoutContest);
    std::error_code error;
    const auto here = std::filesystem::current_path(error);
    StatusPrinter status;
    const ConversionResult result = session.ConvertLog(*path, *format, here, status.Sink());
    return Report(context, result.message, session.Russian(), status);
}

int RunImport(CommandContext& context) {
    if (context.arguments.Has("any")) return RunImportAny(context);
    const auto path = SourceFile(context, "import");
    if (!path) return kExitUsage;
    if (!Readable(context, *path)) return kExitFailure;
    const LoggerSession session = StartSession(context, StartUp::WithoutContest);
    StatusPrinter status;
    const ImportResult result = session.ImportAdif(*path, status.Sink());
    return Report(context, result.message, session.Russian(), status);
}

int RunImportAny(CommandContext& context) {
    const auto path = SourceFile(context, "import");
    if (!path) return kExitUsage;
    if (!Readable(context, *path)) return kExitFailure;
    const LoggerSession session = StartSession(context, StartUp::WithoutContest);
    StatusPrinter status;
    const AnyImportResult result = session.ImportAnyAdif(*path, status.Sink());
    const int exitCode = Report(context, result.message, session.Russian(), status);
    if (result.withoutCall > 0) {
        context.out << result.withoutCall << " of " << result.records
                    << " records without a call of 3 or more characters left out\n";
    }
    return exitCode;
}

int RunValidate(CommandContext& context) {
    const auto path = SourceFile(context, "validate");
    if (!path) return kExitUsage;
    if (!Readable(context, *path)) return kExitFailure;
    const LogFormatRow* format = LogFormatRowOf(LogFormatOfPath(path->string()));
    if (!format) {
        context.out << "not checked: only names whose third-last character is c (Cabrillo) or a (ADIF) are read\n";
        return kExitOk;
    }
    if (!ValidateLogFile(*path)) {
        const LoggerSession session = StartSession(context, StartUp::WithoutContest);
        PrintMessage(context.err, format->rejected(path->string()), session.Russian());
        return kExitFailure;
    }
    context.out << "valid " << format->kindOfFile << "\n";
    return kExitOk;
}

}  // namespace tallyhawk::cli
