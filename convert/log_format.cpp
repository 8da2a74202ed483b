// The table of log formats.
#include "convert/log_format.h"

#include "convert/adif_to_cabrillo.h"
#include "convert/cabrillo_to_adif.h"
#include "convert/log_conversion.h"
#include "convert/log_file_check.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

int ConvertAdif(std::string_view text, std::string_view callsign, const RecordWriter& write) {
    return ConvertAdifText(text, ConvertedOwnCall(callsign), write);
}

int ConvertCabrillo(std::string_view text, std::string_view, const RecordWriter& write) {
    return ConvertCabrilloText(text, write);
}

}  // namespace

const std::array<LogFormatRow, 2> kLogFormats = {{
    {.format = LogFormat::Adif,
     .name = "ADIF",
     .kindOfFile = "ADIF file",
     .fileNameLetter = 'a',
     .check = IsValidAdifText,
     .convert = ConvertAdif,
     .outputName = "Convert.cbr",
     .outputHeader = "",
     .rejected = AdifRejectedMessage},
    {.format = LogFormat::Cabrillo,
     .name = "Cabrillo",
     .kindOfFile = "Cabrillo log",
     .fileNameLetter = 'c',
     .check = IsValidCabrilloText,
     .convert = ConvertCabrillo,
     .outputName = "Convert.adi",
     .outputHeader = kAdifOutputHeader,
     .rejected = CabrilloRejectedMessage},
}};

const LogFormatRow* LogFormatRowOf(LogFormat format) {
    for (const LogFormatRow& row : kLogFormats) {
        if (row.format == format) return &row;
    }
    return nullptr;
}

LogFormat LogFormatOfPath(std::string_view path) {
    if (path.size() < 3) return LogFormat::None;
    const std::string letter = ToLowerAscii(path.substr(path.size() - 3, 1));
    for (const LogFormatRow& row : kLogFormats) {
        if (letter.front() == row.fileNameLetter) return row.format;
    }
    return LogFormat::None;
}

LogFormat LogFormatNamed(std::string_view name) {
    const std::string lower = ToLowerAscii(name);
    for (const LogFormatRow& row : kLogFormats) {
        if (lower == ToLowerAscii(row.name)) return row.format;
    }
    return LogFormat::None;
}

}  // namespace tallyhawk
