// The callbook sources of the call information panel: which source a setting names, the call a
// callbook is asked for, the libraries as the panel uses them, and one lookup from call to rows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "callsign/call_info.h"

namespace tallyhawk {

enum class CallbookSource { None, Qrz, Rac };

// "qrz" and "rac" name a callbook library; anything else ("none", the "non" of a settings message, an
// empty or unknown value) means the country table.
CallbookSource CallbookSourceFor(std::string_view setting);

// The base names of the two libraries, looked for in the program folder.
inline constexpr std::string_view kQrzLibraryName = "qrz32";
inline constexpr std::string_view kRacLibraryName = "Raccd32a";
std::string_view CallbookLibraryName(CallbookSource source);

// The call a callbook is asked for: blanks removed, then the longer side of a slash, on a tie the part
// before it, and once more for a second slash ("DL/G3ABC/P" is asked as G3ABC).
std::string_view CallbookCall(std::string_view typed);

// The two outside libraries. Each lookup loads its library, calls it and releases it again, so a
// library put into the folder while the logger runs is used from the next lookup on.
class CallbookLibraries {
public:
    virtual ~CallbookLibraries() = default;
    // Whether the library loads and exports every function the panel calls.
    virtual bool Loads(CallbookSource source) = 0;
    // QRZInit("D"), QRZSearch with the upper-case call, QRZExit; nothing when the library does not load.
    virtual std::optional<std::string> SearchQrz(std::string_view upperCall) = 0;
    // sGetCallInfo with the drive ("d:\") and the lower-case call; nothing when the library does not load.
    virtual std::optional<std::string> SearchRac(std::string_view drive, std::string_view lowerCall) = 0;
};

struct CallbookPanel {
    std::string call;  // the call the callbook was asked for, shown in the call label
    CallInfoRows rows;
    std::optional<std::string> state;  // the state of the found call, when the result carries one
};

// Asks the source's library for the typed call. Nothing when the library cannot be loaded; a call
// outside 4 to 14 characters is never sent and reads "NOT FOUND" like an unknown call.
std::optional<CallbookPanel> AskCallbook(CallbookLibraries& libraries, CallbookSource source,
                                         std::string_view drive, std::string_view typed);

}  // namespace tallyhawk
