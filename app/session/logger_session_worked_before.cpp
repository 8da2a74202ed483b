// LoggerSession: the call field's handlers, the worked-before check while a call is typed and the
// call's history when the field is left.
#include "app/session/logger_session.h"
#include "core/text.h"
#include "database/contest_index.h"
#include "database/logbook_database.h"
#include "database/worked_before.h"

namespace tallyhawk {

Effects LoggerSession::CallChanged(std::string_view text) {
    m_countries.BeginOperation();
    (void)SetFieldText(Field::Call, text);
    return CheckWorkedBefore();
}

Effects LoggerSession::CheckWorkedBefore() {
    std::string& typed = m_screen.entry[Field::Call];
    if (!typed.empty()) m_screen.status.text.clear();
    // Removing a rejected character changes the text again, and the check runs on the shorter text.
    while (auto shortened = WithoutRejectedLastCharacter(typed)) typed = std::move(*shortened);

    const auto files = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    if (!typed.empty() && FileExists(files.calls) && FileExists(files.records)) SearchContestIndex(typed);
    SortByCallDescending(m_screen.logView);

    Effects effects;
    const int duplicates =
        MarkWorkedBefore(m_screen.logView, m_currentCall, TrimBlanks(m_screen.entry[Field::Band]),
                         TrimBlanks(m_screen.entry[Field::Mode]));
    if (duplicates > 0) {
        m_screen.status = StatusLabel{std::string(kWorkedBeforeText), color::kAlarmColor, StatusFont::Alarm};
    }
    effects.sounds.assign(static_cast<std::size_t>(duplicates), Sound::WorkedBefore);
    m_callInfoShown = false;
    ShowKnownCalls();
    return effects;
}

// Rows 1-7 show the first seven contacts, in log order, whose call begins with the typed text; rows
// without a match are emptied.
void LoggerSession::SearchContestIndex(std::string_view call) {
    m_currentCall = call;
    const auto files = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    std::string calls = ReadFileOrEmpty(files.calls);
    const auto matches = FindCallPrefixMatches(calls, m_currentCall);
    for (std::size_t row = 0; row < m_screen.logView.size(); ++row) {
        LogViewRow& shown = m_screen.logView[row];
        shown.callColor = kGridBackColor;
        if (row >= matches.size()) {
            shown.cells = {};
            continue;
        }
        const std::size_t offset = matches[row];
        shown.cells = FillLogViewRow(offset, std::string_view(calls).substr(offset, kContestIndexEntrySize),
                                     ReadContestIndexRecordAt(files, offset));
    }
}

Effects LoggerSession::LeaveCallField() {
    m_countries.BeginOperation();
    const std::string call(TrimBlanks(m_screen.entry[Field::Call]));
    // A call of one or two characters is not a call yet: nothing is looked up.
    constexpr std::size_t kShortestLookedUpCall = 3;
    if (call.size() < kShortestLookedUpCall) return {};
    ShowLogbookHistory(call);
    ShowMultiplierStatus();
    // Leaving the field again without changing the call leaves the panel as it is.
    if (!m_callInfoShown) return ShowCallInfo();
    return {};
}

// The history rows of exactly this call from the logbook, through the transient lookup file; nothing
// changes when there is no logbook.
void LoggerSession::ShowLogbookHistory(std::string_view call) {
    if (!FileExists(m_folder.DatabasePath(kLogbookCallsFile)) ||
        !FileExists(m_folder.DatabasePath(kLogbookRecordsFile))) {
        return;
    }
    const auto lookupPath = m_folder.DatabasePath(kLookupFile);
    if (!BuildLookupFile(m_folder, call)) return;
    SetupViews(ViewSelection::LookupView);
    m_screen.lookupView = HistoryRowsFromLookupFile(ReadFileOrEmpty(lookupPath));
    m_screen.callLabel = call;
    RemoveFile(lookupPath);
}

}  // namespace tallyhawk
