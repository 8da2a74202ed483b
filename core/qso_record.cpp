// One contact, its summary text and the per-band contact counters.
#include "core/qso_record.h"

#include <numeric>

namespace tallyhawk {

QsoSummary MakeQsoSummary(const QsoRecord& qso) {
    QsoSummary summary;
    for (const std::string* field : {&qso.date, &qso.time, &qso.band, &qso.mode, &qso.exchangeSent}) {
        summary.append(*field).append(",");
    }
    return summary.append(qso.exchangeReceived);
}

void BandQsoCounters::Increment(std::string_view bandCode) {
    if (const auto band = BandFromShortCode(bandCode)) ++m_counts[static_cast<std::size_t>(BandIndex(*band))];
}

int BandQsoCounters::Total() const { return std::accumulate(m_counts.begin(), m_counts.end(), 0); }

}  // namespace tallyhawk
