// A contact read back from a QSO: line.
#include "log/logged_contact.h"

#include "core/band.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

std::string Field(std::string_view line, std::size_t first, std::size_t last) {
    return std::string(TrimTrailingBlanks(Columns(line, first, last)));
}

std::string BandOfKey(const std::string& key) {
    if (const auto band = BandFromLogKey(key)) return std::string(BandShortCode(*band));
    return key.size() < 2 ? std::string(kUnknownBandKey) : key;
}

}  // namespace

LoggedContact ReadLoggedContact(std::string_view qsoLine) {
    LoggedContact contact;
    contact.call = Field(qsoLine, 56, 68);
    contact.band = BandOfKey(Field(qsoLine, 6, 7));
    QsoRecord qso;
    qso.date = Field(qsoLine, 15, 24);
    qso.time = Field(qsoLine, 26, 29);
    qso.band = contact.band;
    qso.mode = Field(qsoLine, 12, 13);
    qso.exchangeSent = Field(qsoLine, 49, 53);
    qso.exchangeReceived = Field(qsoLine, 74, 79);
    contact.summary = MakeQsoSummary(qso);
    return contact;
}

}  // namespace tallyhawk
