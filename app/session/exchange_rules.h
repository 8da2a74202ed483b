// What the exchange fields of the entry row accept, per contest.
#pragma once

#include <string_view>

namespace tallyhawk {

// Letters are allowed in both exchange fields for contests whose exchange is a state, province,
// district or serial with letters; all other contests take digits only.
bool ExchangeAllowsLetters(std::string_view contest);

}  // namespace tallyhawk
