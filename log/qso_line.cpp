// The fixed-column "QSO:" line of the contest log.
#include "log/qso_line.h"

#include "core/mode.h"
#include "core/text.h"

namespace tallyhawk {

std::string_view Cut(std::string_view line, ColumnRange range) {
    return Columns(line, range.first, range.last);
}

std::string ExchangeField(std::string_view exchange) {
    return PadRight(TrimBlanks(exchange.substr(0, kExchangeKept)), kExchangeFieldWidth);
}

QsoLineBuilder& QsoLineBuilder::Fill(ColumnRange field, std::string_view text) {
    m_line.append(FillRight(text, Width(field)));
    return *this;
}

QsoLineBuilder& QsoLineBuilder::FillThenBlank(ColumnRange field, std::string_view text) {
    m_line.append(FillRight(text, Width(field) - 1)).append(" ");
    return *this;
}

QsoLineBuilder& QsoLineBuilder::Text(std::string_view text) {
    m_line.append(text);
    return *this;
}

QsoLineBuilder& QsoLineBuilder::Blank(std::size_t /*column*/) {
    m_line.push_back(' ');
    return *this;
}

std::string FormatQsoLine(const QsoRecord& qso, std::string_view ownCall, std::string_view transmitterId) {
    namespace c = qso_columns;
    const std::string_view logMode = LogModeCode(qso.mode);
    const std::string_view report = ReportForLogMode(logMode);
    QsoLineBuilder line;
    line.Fill(c::kTag, kQsoTag).Fill(c::kFrequency, FrequencyTextForShortCode(qso.band));
    line.Fill(c::kMode, logMode).Blank(c::kBlankAfterMode);
    // The date and time go in as the setup and the entry row hold them (10 and 4 characters).
    line.Text(qso.date).Blank(c::kBlankAfterDate).Text(qso.time).Blank(c::kBlankAfterTime);
    // Calls are padded, never cut: a call of 14 or more characters shifts the rest of the line.
    line.Fill(c::kOwnCall, ownCall)
        .Fill(c::kReportSent, report)
        .Fill(c::kExchangeSent, ExchangeField(qso.exchangeSent));
    line.Fill(c::kWorkedCall, qso.call).Fill(c::kReportReceived, report);
    line.Fill(c::kExchangeReceived, ExchangeField(qso.exchangeReceived));
    return line.Text(transmitterId).Take();
}

}  // namespace tallyhawk
