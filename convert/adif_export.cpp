// The contest's contacts as an ADIF 3.1 file.
#include "convert/adif_export.h"

#include "core/band.h"
#include "core/program_version.h"
#include "core/text.h"
#include "log/contest_log_writer.h"

namespace tallyhawk {
namespace {

std::string DateField(std::string_view date) {
    std::string digits;
    for (char c : date) {
        if (IsDigit(c)) digits += c;
    }
    return digits;
}

std::string BandField(std::string_view bandCode) {
    return bandCode.empty() ? std::string() : std::string(bandCode) + "m";
}

void AppendMode(std::string& text, std::string_view logMode, bool digitalIsPsk) {
    if (logMode == "CW") AppendAdifField(text, "MODE", "CW");
    if (logMode == "PH") AppendAdifField(text, "MODE", "SSB");
    if (logMode == "RY" && !digitalIsPsk) AppendAdifField(text, "MODE", "RTTY");
    if (logMode == "RY" && digitalIsPsk) {
        AppendAdifField(text, "MODE", "PSK");
        AppendAdifField(text, "SUBMODE", "PSK31");
    }
}

// A serial number goes to STX or SRX, any other exchange to STX_STRING or SRX_STRING.
void AppendExchange(std::string& text, std::string_view side, std::string_view exchange, bool serial) {
    const bool number = serial && IsAllDigits(exchange);
    AppendAdifField(text, number ? std::string(side) : std::string(side) + "_STRING", exchange);
}

}  // namespace

void AppendAdifField(std::string& text, std::string_view name, std::string_view value) {
    if (value.empty()) return;
    text.append("<").append(name).append(":").append(std::to_string(value.size())).append(">");
    text.append(value).append(" ");
}

std::string FormatAdifExportRecord(const ContestLogContact& contact, const AdifExportSetup& setup) {
    std::string text;
    AppendAdifField(text, "CALL", contact.call);
    AppendAdifField(text, "QSO_DATE", DateField(contact.date));
    AppendAdifField(text, "TIME_ON", contact.time);
    AppendAdifField(text, "BAND", BandField(contact.band));
    AppendAdifField(text, "FREQ", ContactFrequencyMhz(contact));
    AppendMode(text, contact.mode, setup.digitalIsPsk);
    AppendAdifField(text, "RST_SENT", contact.reportSent);
    AppendAdifField(text, "RST_RCVD", contact.reportReceived);
    AppendExchange(text, "STX", contact.exchangeSent, setup.serialExchange);
    AppendExchange(text, "SRX", contact.exchangeReceived, setup.serialExchange);
    AppendAdifField(text, "CONTEST_ID", setup.contestId);
    AppendAdifField(text, "STATION_CALLSIGN", setup.stationCallsign);
    AppendAdifField(text, "OPERATOR", setup.operatorCall);
    return text.append("<EOR>").append(kLineEnd);
}

std::string FormatAdifExport(const std::vector<ContestLogContact>& contacts, const AdifExportSetup& setup) {
    std::string text = std::string(kProgramName) + " ADIF export" + std::string(kLineEnd);
    AppendAdifField(text, "ADIF_VER", kAdifExportVersion);
    AppendAdifField(text, "PROGRAMID", kProgramName);
    AppendAdifField(text, "PROGRAMVERSION", ProgramVersion());
    AppendAdifField(text, "CREATED_TIMESTAMP", setup.createdTimestamp);
    text.append("<EOH>").append(kLineEnd);
    text.reserve(text.size() + contacts.size() * 240);
    for (const auto& contact : contacts) text += FormatAdifExportRecord(contact, setup);
    return text;
}

}  // namespace tallyhawk
