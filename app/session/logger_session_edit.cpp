// LoggerSession: correcting and deleting a logged contact from the log view.
#include "app/session/logger_session.h"

namespace tallyhawk {

// A row whose call has 2 characters or fewer is empty: the editor does not open.
std::optional<EditTransfer> LoggerSession::OpenContactEditor(std::size_t number) const {
    const auto contact = ReadContestIndexContact(ContestIndexFilesFor(m_folder, m_settings.station.callsign), number);
    if (!contact || contact->call.size() <= 2) return std::nullopt;
    const EditTransfer transfer = EditTransferFromIndex(number, *contact);
    if (!WriteEditTransferFile(m_folder, transfer)) return std::nullopt;
    return transfer;
}

std::optional<EditTransfer> LoggerSession::EditorFields() const { return ReadEditTransferFile(m_folder); }

ContactEditResult LoggerSession::SaveEditedContact(const EditTransfer& typed) {
    const ContactEditTarget target{ContactFilesFor(m_folder, m_settings.station.callsign),
                                   m_settings.station.callsign, m_settings.setup.transmitterId,
                                   EditorExchangeRuleFor(m_settings.setup.contest)};
    ContactEditResult result = tallyhawk::SaveEditedContact(target, typed);
    RefreshLogView();
    RecountRates();
    return result;
}

ContactEditResult LoggerSession::DeleteContact(std::size_t number) {
    ContactEditResult result = tallyhawk::DeleteContact(ContactFilesFor(m_folder, m_settings.station.callsign), number);
    RefreshLogView();
    RecountRates();
    return result;
}

}  // namespace tallyhawk
