// Converting a whole log: an ADIF file is appended to "Convert.cbr" as QSO: lines, a Cabrillo log to
// "Convert.adi" as ADIF records. The source is checked first; the output file is never truncated.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "convert/log_format.h"
#include "convert/status_line.h"
#include "core/message.h"

namespace tallyhawk {

struct ConversionRequest {
    std::filesystem::path source;        // empty when nothing was chosen
    LogFormat format = LogFormat::None;  // the format of the chosen source: which way the conversion runs
    std::filesystem::path outputFolder;  // where Convert.cbr / Convert.adi grow
    std::string callsign;                // the own call for the QSO: lines; empty writes "UNKNOWN"
};

enum class ConversionOutcome {
    NothingChosen,     // no source: only "Checking ..." was shown
    Rejected,          // the check refused the source; no output file touched
    SourceUnreadable,  // the source could not be read; no output file touched
    OutputNotWritten,  // the output file could not be created or written
    Converted,         // records may be 0 ("No entries")
};

struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::NothingChosen;
    int records = 0;
    std::filesystem::path output;
    std::optional<Message> message;  // the error box, when there is one
};

// Runs one conversion, handing the status line's texts to `status` as they are drawn.
ConversionResult ConvertLog(const ConversionRequest& request, const StatusSink& status = {});

// Converts a whole text, calling `write` with the output of each record in order; returns the count.
// The readers work on plain text so that any bytes can be fed to them.
int ConvertAdifText(std::string_view text, std::string_view ownCall, const RecordWriter& write);
int ConvertCabrilloText(std::string_view text, const RecordWriter& write);

// "Some entries of <path> are not correct of ADIF / Cabrillo format." with its repair advice.
Message ConversionRejectedMessage(LogFormat format, std::string_view path);
Message AdifRejectedMessage(std::string_view path);
Message CabrilloRejectedMessage(std::string_view path);
Message FileNotReadMessage(std::string_view path);
Message FileNotWrittenMessage(std::string_view path);

}  // namespace tallyhawk
