// One contact (QsoRecord), its summary text for the statistics, and the per-band contact counters.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/band.h"

namespace tallyhawk {

// One contact as saved: every field trimmed, time as four digits HHMM, band as short code,
// mode as entry code. `number` is its 1-based position in the contest index and the log.
struct QsoRecord {
    std::string call;
    std::string date;
    std::string time;
    std::string band;
    std::string mode;
    std::string exchangeSent;
    std::string exchangeReceived;
    int number = 0;
};

// Date, time, band, mode, exchange sent and exchange received joined by "," with no blanks added.
using QsoSummary = std::string;

QsoSummary MakeQsoSummary(const QsoRecord& qso);

// Contacts per band in the order 10, 15, 20, 40, 80, 160 m.
class BandQsoCounters {
public:
    // Adds one to the band whose short code is `bandCode`; other codes count nowhere.
    void Increment(std::string_view bandCode);
    int Count(Band band) const { return m_counts[static_cast<std::size_t>(BandIndex(band))]; }
    void Set(Band band, int count) { m_counts[static_cast<std::size_t>(BandIndex(band))] = count; }
    int Total() const;
    void Clear() { m_counts = {}; }

private:
    std::array<int, 6> m_counts{};
};

}  // namespace tallyhawk
