// LoggerSession: the log view of the last seven contacts, its scrolling keys and the sent-exchange pre-fill.
#include "app/session/logger_session.h"
#include "core/text.h"
#include "database/contest_index.h"
#include "database/sent_exchange_prefill.h"
#include "scoring/contest_table.h"

namespace tallyhawk {

// The log view's rows name the colour of their call cell as text; each name is a row of the colour table.
static_assert(ColorName(kGridBackColor) == kGridBackColor &&
              ColorName(kGridBackColorWorked) == kGridBackColorWorked &&
              ColorName(kGridBackColorNotWorked) == kGridBackColorNotWorked);

// The grids' columns are fixed (kLogViewColumns, kLookupViewColumns); setting a view up empties its rows.
void LoggerSession::SetupViews(ViewSelection which) {
    if (which != ViewSelection::LookupView) m_screen.logView = {};
    if (which != ViewSelection::LogView) m_screen.lookupView.clear();
}

void LoggerSession::RefreshLogView() {
    const auto files = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    if (EnsureContestIndexPair(files)) {
        const ShownContacts last = LastSevenContacts(FileSizeOrZero(files.calls));
        ShowContacts(last);
        // Rows that now show one of the last contacts lose the colour of an earlier worked-before search.
        for (std::size_t row = 0; row < last.count; ++row) m_screen.logView[row].callColor = kGridBackColor;
    }
    PrefillSentExchange();
}

// Fills rows 1, 2, ... with these contacts; the rows below keep what they show.
void LoggerSession::ShowContacts(ShownContacts contacts) {
    const auto files = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    const std::vector<LogViewCells> rows = ReadLogViewRows(files, contacts);
    for (std::size_t row = 0; row < rows.size() && row < m_screen.logView.size(); ++row) {
        m_screen.logView[row].cells = rows[row];
    }
}

void LoggerSession::PrefillSentExchange() {
    const PrefillInput input{
        .prefill = SentExchangePrefillFor(m_settings.setup.contest),
        .ownPrefix = OwnCountryPrefix(),
        .cqZone = m_settings.station.cqZone,
        .lastNumber = LastShownContactNumber(m_screen.logView),
        .currentSent = m_screen.entry[Field::ExchangeSent],
    };
    if (auto sent = tallyhawk::PrefillSentExchange(input)) {
        m_screen.entry[Field::ExchangeSent] = std::move(*sent);
        SetFocus(Field::ExchangeReceived);
    }
}

void LoggerSession::ScrollLogView(LogViewKey key) {
    const auto files = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    const auto count = static_cast<int>(ContestIndexCount(files));
    const int shownFirst = LeadingInt(m_screen.logView.front().cells[kLogNumberColumn]);
    ShowContacts(ScrolledContacts(key, shownFirst, count));
}

}  // namespace tallyhawk
