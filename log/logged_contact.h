// A contact read back from a QSO: line of the contest log, as the reload and the recount see it.
#pragma once

#include <string>
#include <string_view>

#include "core/qso_record.h"

namespace tallyhawk {

struct LoggedContact {
    std::string call;     // columns 56-68: at most 13 characters survive
    std::string band;     // short code, or the frequency key's own text ("**" when shorter than 2)
    QsoSummary summary;   // date, time, band, mode, sent (at most 5 characters), received
};

// Cuts the fields by column, each with trailing blanks removed.
LoggedContact ReadLoggedContact(std::string_view qsoLine);

}  // namespace tallyhawk
