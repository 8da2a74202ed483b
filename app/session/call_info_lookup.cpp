// What the call information panel shows for a typed call.
#include "app/session/call_info_lookup.h"

#include "app/session/entry_form.h"
#include "scoring/contest_table.h"

namespace tallyhawk {

namespace {

CallInfoAnswer FromCallbook(CallbookPanel panel, std::string_view contest) {
    CallInfoAnswer answer{.rows = std::move(panel.rows), .callLabel = std::move(panel.call)};
    if (panel.state && ReceivedExchangeIsState(contest)) {
        answer.exchange = panel.state->substr(0, kExchangeFieldLimit);
    }
    return answer;
}

}  // namespace

CallInfoAnswer CallInfoLookup::Look(CountryTable& countries, const ProgramOptions& options,
                                    std::string_view contest, std::string_view typed) {
    const CallbookSource source = CallbookSourceFor(options.callbookType);
    if (source != CallbookSource::None && m_libraries) {
        if (auto panel = AskCallbook(*m_libraries, source, options.callbookDrive, typed)) {
            return FromCallbook(std::move(*panel), contest);
        }
    }
    // No callbook, or its library is missing: the panel never stays blank.
    CallInfoAnswer answer{.rows = CountryTableRows(countries, typed)};
    if (source != CallbookSource::None) answer.note = MissingOnce(source);
    return answer;
}

std::optional<Message> CallInfoLookup::MissingOnce(CallbookSource source) {
    bool& reported = m_missingReported[static_cast<std::size_t>(source)];
    if (reported) return std::nullopt;
    reported = true;
    return MissingCallbookMessage(CallbookLibraryName(source));
}

bool ReceivedExchangeIsState(std::string_view contest) {
    const Contest* record = FindContest(contest);
    return record && record->entry.receivesState;
}

Message MissingCallbookMessage(std::string_view libraryName) {
    const std::string name(libraryName);
    return Message{
        .titleEnglish = "CALLBOOK",
        .textEnglish = "Callbook library " + name + " not loaded: country data shown.",
        .titleRussian = "CALLBOOK",
        .textRussian = "Библиотека справочника " + name + " не загружена: данные о стране.",
    };
}

}  // namespace tallyhawk
