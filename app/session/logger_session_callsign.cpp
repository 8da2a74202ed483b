// LoggerSession: the call-sign data loaded at start-up.
#include "app/session/logger_session.h"
#include "callsign/own_country.h"

namespace tallyhawk {

// The oblast names are loaded only for RUSSIAN DX, and the own-country prefix only once: a later
// change of the contest, the own call or the country file does not redo either.
void LoggerSession::LoadCallsignData() {
    const std::string& contest = m_settings.setup.contest;
    if (contest == "RUS") m_oblasts.Load(m_folder);
    m_countries.LoadPrefixLists();
    m_countries.BeginOperation();
    m_ownCountryPrefix = ComputeOwnCountryPrefix(m_countries, m_settings.station.callsign, contest);
}

}  // namespace tallyhawk
