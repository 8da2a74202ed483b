// What the call information panel shows for a typed call: the answer of the configured callbook when
// its library loads, otherwise the country table.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/session/settings_store.h"
#include "callsign/call_info.h"
#include "callsign/callbook.h"
#include "callsign/country_table.h"
#include "core/message.h"

namespace tallyhawk {

struct CallInfoAnswer {
    CallInfoRows rows;
    std::optional<std::string> callLabel;  // the call the callbook was asked for
    std::optional<std::string> exchange;   // the found state, for the received exchange
    std::optional<Message> note;           // a library that cannot be loaded, said once per run
};

class CallInfoLookup {
public:
    // Without libraries every callbook counts as missing.
    void SetLibraries(CallbookLibraries* libraries) { m_libraries = libraries; }

    // `typed` is the call field's text. A callbook is asked for the call without its portable parts;
    // the country table looks at the call as typed.
    CallInfoAnswer Look(CountryTable& countries, const ProgramOptions& options, std::string_view contest,
                        std::string_view typed);

private:
    // The note for a missing library, the first time only.
    std::optional<Message> MissingOnce(CallbookSource source);

    CallbookLibraries* m_libraries = nullptr;
    std::array<bool, 3> m_missingReported{};  // per CallbookSource
};

// Contests whose received exchange is a United States station's state: the callbook's state fills it.
bool ReceivedExchangeIsState(std::string_view contest);

// The note for a callbook library that cannot be loaded (or lacks one of its functions).
Message MissingCallbookMessage(std::string_view libraryName);

}  // namespace tallyhawk
