// Whether a received exchange has the shape its contest gives it, for the check before a log is sent.
#pragma once

#include <string_view>

#include "scoring/contest_submission.h"

namespace tallyhawk {

// An empty exchange never passes.
bool ExchangeHasShape(ExchangeKind kind, std::string_view exchange);

// What the exchange should hold, for the check's finding: "a CQ zone 1-40", "a serial number".
std::string_view ExchangeShapeText(ExchangeKind kind);

}  // namespace tallyhawk
