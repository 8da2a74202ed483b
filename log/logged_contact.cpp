// A contact read back from a QSO: line.
#include "log/logged_contact.h"

#include "core/band.h"
#include "core/text.h"
#include "log/qso_line.h"

namespace tallyhawk {
namespace {

namespace c = qso_columns;

// The recount reads some fields narrower than the writer writes them. The contest index and the
// statistics a reload rebuilds must stay the ones every reload has built, so these widths are kept:
// the band key is the first two characters of the frequency ("28" of "28000 "); the worked call and the
// received exchange are read without their closing blank; the sent exchange keeps 5 of its 6 characters.
constexpr ColumnRange kBandKeyRead = Leading(c::kFrequency, 2);
constexpr ColumnRange kExchangeSentRead = Leading(c::kExchangeSent, 5);
constexpr ColumnRange kWorkedCallRead = WithoutClosingBlank(c::kWorkedCall);
constexpr ColumnRange kExchangeReceivedRead = WithoutClosingBlank(c::kExchangeReceived);

std::string Field(std::string_view line, ColumnRange range) {
    return std::string(TrimTrailingBlanks(Cut(line, range)));
}

std::string BandOfKey(const std::string& key) {
    if (const auto band = BandFromLogKey(key)) return std::string(BandShortCode(*band));
    return key.size() < 2 ? std::string(kUnknownBandKey) : key;
}

}  // namespace

LoggedContact ReadLoggedContact(std::string_view qsoLine) {
    LoggedContact contact;
    contact.call = Field(qsoLine, kWorkedCallRead);
    contact.band = BandOfKey(Field(qsoLine, kBandKeyRead));
    QsoRecord qso;
    qso.date = Field(qsoLine, c::kDate);
    qso.time = Field(qsoLine, c::kTime);
    qso.band = contact.band;
    qso.mode = Field(qsoLine, c::kMode);
    qso.exchangeSent = Field(qsoLine, kExchangeSentRead);
    qso.exchangeReceived = Field(qsoLine, kExchangeReceivedRead);
    contact.summary = MakeQsoSummary(qso);
    return contact;
}

}  // namespace tallyhawk
