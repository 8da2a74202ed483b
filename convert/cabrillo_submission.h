// The contest log as a Cabrillo 3.0 file for the sponsor's log robot: the header with the official
// contest name, the categories, the claimed score and the station's details, then one QSO: line per
// contact in the Cabrillo 3.0 columns, and END-OF-LOG:.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "log/contest_log_contacts.h"

namespace tallyhawk {

// The header as it is written; an empty value leaves its line out (CLAIMED-SCORE is always written).
struct CabrilloSubmissionHeader {
    std::string contest;
    std::string callsign;
    std::string location;
    std::string categoryOperator;
    std::string categoryAssisted;
    std::string categoryBand;
    std::string categoryMode;
    std::string categoryPower;
    std::string categoryStation;
    std::string categoryTransmitter;
    std::string claimedScore;
    std::string club;
    std::string gridLocator;
    std::string name;
    std::string address;   // up to four lines joined by "*"
    std::string email;
    std::string operators;
    std::string soapbox;   // lines joined by "*"
    std::string createdBy;
};

// One QSO: line: frequency in kHz right-aligned in 5, mode (CW, PH, RY; DG for the digital lines of a
// PSK log), date, time, own call in 13, report right-aligned in 3 and exchange in 6 sent, then the same
// received, and the transmitter id.
std::string FormatSubmissionQso(const ContestLogContact& contact, bool digitalIsPsk);

// The whole file, each line ended by CR LF.
std::string FormatCabrilloSubmission(const CabrilloSubmissionHeader& header,
                                     const std::vector<ContestLogContact>& contacts, bool digitalIsPsk);

}  // namespace tallyhawk
