// A stand-in for the qrz32 callbook library with a few canned answers, built as libqrz32.so for the
// loader tests. It answers only between QRZInit("D") and QRZExit() and only to the logger's arguments.
#include <cstring>
#include <string_view>
#include <type_traits>

#include "app/qt/callbook_functions.h"

namespace {

bool g_initialised = false;

struct CannedAnswer {
    std::string_view call;
    const char* answer;
};

// Lines end in CR LF; the first line may carry blanks before the name.
constexpr CannedAnswer kAnswers[] = {
    {"W1AW", "  Hiram Percy Maxim, W1AW\r\n225 Main Street\r\nNewington, CT 06111\r\n"},
    {"G3ABC", "John Smith, G3ABC\r\n1 High Street\r\nLondon, England"},
    {"DL1ABC", "Hans Muster, DL1ABC\r\nHauptstrasse 1\r\nBerlin, Germany"},
};

// A call the disc does not hold gets the nearest record, as a search on a sorted disc would.
constexpr const char* kNearestRecord = "Nearest Neighbour, W1AX\r\n1 Other Road\r\nHartford, CT 06101";

}  // namespace

extern "C" {

void QRZInit(const char* mode) { g_initialised = mode && std::strcmp(mode, "D") == 0; }

void QRZSearch(int kind, const char* call, const char* second, const char* third, char* result, int format) {
    if (!g_initialised || kind != 1 || format != 2 || *second || *third) return;
    const char* answer = kNearestRecord;
    for (const CannedAnswer& canned : kAnswers) {
        if (canned.call == call) answer = canned.answer;
    }
    std::strncpy(result, answer, 254);
}

void QRZExit() { g_initialised = false; }

}  // extern "C"

// The library keeps the logger's signatures.
static_assert(std::is_same_v<decltype(&QRZInit), tallyhawk::QrzInitFunction>);
static_assert(std::is_same_v<decltype(&QRZSearch), tallyhawk::QrzSearchFunction>);
static_assert(std::is_same_v<decltype(&QRZExit), tallyhawk::QrzExitFunction>);
