// The fixed-column "QSO:" line of the contest log.
#include "log/qso_line.h"

#include "core/mode.h"
#include "core/text.h"

namespace tallyhawk {

std::string_view Cut(std::string_view line, ColumnRange range) { return Columns(line, range.first, range.last); }

std::string ExchangeField(std::string_view exchange) {
    return PadRight(TrimBlanks(exchange.substr(0, kExchangeKept)), kExchangeFieldWidth);
}

std::string FormatQsoLine(const QsoRecord& qso, std::string_view ownCall, std::string_view transmitterId) {
    const std::string_view logMode = LogModeCode(qso.mode);
    const std::string_view report = ReportForLogMode(logMode);
    std::string line(kQsoTag);
    line.append(FrequencyTextForShortCode(qso.band));
    line.append(logMode).append(" ");
    line.append(qso.date).append(" ");
    line.append(qso.time).append(" ");
    // Calls are padded, never cut: a call of 14 or more characters shifts the rest of the line.
    line.append(FillRight(ownCall, kCallFieldWidth));
    line.append(report);
    line.append(ExchangeField(qso.exchangeSent));
    line.append(FillRight(qso.call, kCallFieldWidth));
    line.append(report);
    line.append(ExchangeField(qso.exchangeReceived));
    line.append(transmitterId);
    return line;
}

}  // namespace tallyhawk
