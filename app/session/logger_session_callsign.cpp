// LoggerSession: the call-sign data loaded at start-up.
#include "app/session/logger_session.h"
#include "callsign/own_country.h"
#include "scoring/contest_table.h"

namespace tallyhawk {

// The oblast names are loaded only for the contest that uses them, and the own-country prefix only
// once: a later change of the contest, the own call or the country file does not redo either.
void LoggerSession::LoadCallsignData() {
    const std::string& code = m_settings.setup.contest;
    const Contest* contest = FindContest(code);
    if (contest && contest->loadsOblasts) m_oblasts.Load(m_folder);
    m_countries.LoadPrefixLists();
    m_countries.BeginOperation();
    m_ownCountryPrefix = ComputeOwnCountryPrefix(m_countries, m_settings.station.callsign, OwnCountryKeyFor(code));
}

}  // namespace tallyhawk
