// Whether a text can be an amateur call sign.
#include "callsign/call_shape.h"

#include "core/text.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kShortestCall = 3;
// The contest log keeps 13 characters of a worked call.
constexpr std::size_t kLongestCall = 13;

}  // namespace

bool CanBeCall(std::string_view call) {
    if (call.size() < kShortestCall || call.size() > kLongestCall) return false;
    if (call.front() == '/' || call.back() == '/' || call.find("//") != std::string_view::npos) return false;
    bool letter = false;
    bool digit = false;
    for (char c : call) {
        if (!IsUpperLetter(c) && !IsDigit(c) && c != '/') return false;
        letter = letter || IsUpperLetter(c);
        digit = digit || IsDigit(c);
    }
    return letter && digit;
}

}  // namespace tallyhawk
