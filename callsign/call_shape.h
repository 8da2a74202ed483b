// Whether a text can be an amateur call sign at all: the check before a log is sent flags the ones
// that cannot, and the Cabrillo reader finds the worked call among the fields of a line with it.
#pragma once

#include <string_view>

namespace tallyhawk {

// Upper-case letters, digits and "/" only, 3 to 13 characters, at least one letter and one digit,
// and no empty part around a "/".
bool CanBeCall(std::string_view call);

}  // namespace tallyhawk
