// The callbook sources of the call information panel and one lookup from call to rows.
#include "callsign/callbook.h"

#include "callsign/callbook_result.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

// The libraries index calls of 4 to 14 characters; shorter or longer texts are not sent at all.
constexpr std::size_t kShortestCallbookCall = 4;
constexpr std::size_t kLongestCallbookCall = 14;

bool AfterSlashIsLonger(std::string_view call, std::size_t slash) { return call.size() - slash - 1 > slash; }

// The library's answer, an empty answer for a call that is not sent, nothing without the library.
std::optional<std::string> AskLibrary(CallbookLibraries& libraries, CallbookSource source,
                                      std::string_view drive, std::string_view call) {
    if (call.size() < kShortestCallbookCall || call.size() > kLongestCallbookCall) {
        // A call that is not sent still needs the library: without it the panel shows the country table.
        return libraries.Loads(source) ? std::optional<std::string>("") : std::nullopt;
    }
    if (source == CallbookSource::Qrz) return libraries.SearchQrz(ToUpperAscii(call));
    return libraries.SearchRac(drive, ToLowerAscii(call));
}

std::optional<CallbookEntry> ReadAnswer(CallbookSource source, std::string_view answer,
                                        std::string_view upperCall) {
    if (source == CallbookSource::Qrz) return ReadQrzResult(answer, upperCall);
    return ReadRacResult(answer, upperCall);
}

}  // namespace

CallbookSource CallbookSourceFor(std::string_view setting) {
    if (setting == "qrz") return CallbookSource::Qrz;
    if (setting == "rac") return CallbookSource::Rac;
    return CallbookSource::None;
}

std::string_view CallbookLibraryName(CallbookSource source) {
    switch (source) {
        case CallbookSource::Qrz:
            return kQrzLibraryName;
        case CallbookSource::Rac:
            return kRacLibraryName;
        case CallbookSource::None:
            break;
    }
    return {};
}

std::string_view CallbookCall(std::string_view typed) {
    std::string_view call = TrimBlanks(typed);
    auto slash = call.find('/');
    if (slash == std::string_view::npos) return call;
    if (AfterSlashIsLonger(call, slash)) call.remove_prefix(slash + 1);
    slash = call.find('/');
    if (slash != std::string_view::npos && !AfterSlashIsLonger(call, slash)) call = call.substr(0, slash);
    return call;
}

std::optional<CallbookPanel> AskCallbook(CallbookLibraries& libraries, CallbookSource source,
                                         std::string_view drive, std::string_view typed) {
    if (source == CallbookSource::None) return std::nullopt;
    // The call field holds upper case; the label shows the call in it whatever the library's case.
    CallbookPanel panel{.call = ToUpperAscii(CallbookCall(typed)), .rows = NotFoundRows()};
    const std::optional<std::string> answer = AskLibrary(libraries, source, drive, panel.call);
    if (!answer) return std::nullopt;
    if (auto entry = ReadAnswer(source, *answer, panel.call)) {
        panel.rows = std::move(entry->rows);
        panel.state = std::move(entry->state);
    }
    return panel;
}

}  // namespace tallyhawk
