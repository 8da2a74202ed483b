// The functions of the two callbook libraries as the logger calls them, in the platform's C calling
// convention. What the numbers and the empty texts mean is the library's business; the logger passes
// the values its lookups always pass.
#pragma once

#include <cstdint>

namespace tallyhawk {

// qrz32: QRZInit("D"), then QRZSearch(1, CALL, "", "", result, 2), then QRZExit().
inline constexpr const char* kQrzInitName = "QRZInit";
inline constexpr const char* kQrzSearchName = "QRZSearch";
inline constexpr const char* kQrzExitName = "QRZExit";
using QrzInitFunction = void (*)(const char* mode);
using QrzSearchFunction = void (*)(int kind, const char* call, const char* second, const char* third,
                                   char* result, int format);
using QrzExitFunction = void (*)();

// Raccd32a: sGetCallInfo("d:\", "call", result, &status) with status 0 before the call.
inline constexpr const char* kRacGetCallInfoName = "sGetCallInfo";
using RacGetCallInfoFunction = void (*)(const char* drive, const char* call, char* result,
                                        std::int32_t* status);

}  // namespace tallyhawk
