// LoggerSession: correcting and deleting a logged contact from the log view.
#include "app/session/logger_session.h"
#include "core/text.h"

namespace tallyhawk {

// A row whose call has 2 characters or fewer is empty: the editor does not open.
std::optional<EditTransfer> LoggerSession::OpenContactEditor(std::size_t number) const {
    const auto contact = ReadContestIndexContact(ContestIndexFilesFor(m_folder, m_settings.station.callsign), number);
    if (!contact || contact->call.size() <= 2) return std::nullopt;
    const EditTransfer transfer = EditTransferFromIndex(number, *contact);
    if (!WriteEditTransferFile(m_folder, transfer)) return std::nullopt;
    return transfer;
}

std::optional<EditTransfer> LoggerSession::OpenContactEditorAtRow(std::size_t row) const {
    if (row >= m_screen.logView.size()) return std::nullopt;
    const int number = LeadingInt(m_screen.logView[row].cells[kLogNumberColumn]);
    if (number <= 0) return std::nullopt;
    return OpenContactEditor(static_cast<std::size_t>(number));
}

std::optional<EditTransfer> LoggerSession::EditorFields() const { return ReadEditTransferFile(m_folder); }

EditorExchangeRule LoggerSession::EditorExchange() const { return EditorExchangeRuleFor(m_settings.setup.contest); }

ContactEditResult LoggerSession::SaveEditedContact(const EditTransfer& typed) {
    const ContactEditTarget target{ContactFilesFor(m_folder, m_settings.station.callsign),
                                   m_settings.station.callsign, m_settings.setup.transmitterId,
                                   EditorExchange()};
    ContactEditResult result = tallyhawk::SaveEditedContact(target, typed);
    RefreshLogView();
    RecountRates();
    return result;
}

ContactEditResult LoggerSession::DeleteContact(std::size_t number) {
    ContactEditResult result = tallyhawk::DeleteContact(ContactFilesFor(m_folder, m_settings.station.callsign), number);
    // The log is shorter now: rows below the last contact would still show the ones that moved up.
    SetupViews(ViewSelection::LogView);
    RefreshLogView();
    RecountRates();
    return result;
}

ContactEditResult LoggerSession::DeleteDeclined() const {
    return ContactEditResult{.outcome = ContactEditOutcome::Done, .advice = ReloadAdviceMessage()};
}

void LoggerSession::ContactEditorClosed() {
    RefreshLogView();
    SetFocus(m_screen.focus);  // a pre-filled exchange takes no focus while the call is empty
}

}  // namespace tallyhawk
