// What every contest file needs to define its record: the record, the multiplier status helpers and
// the rule units two contests share.
#pragma once

#include "scoring/contest.h"
#include "scoring/multiplier_status.h"

namespace tallyhawk {

// WPX DX and CQ WW DX share their points.
int DxContinentPoints(const ContactFacts& q, const OwnStation& own);

}  // namespace tallyhawk
