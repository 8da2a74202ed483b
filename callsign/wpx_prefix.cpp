// The WPX prefix: fixed rules over the character classes of a few positions and the first "/".
#include "callsign/wpx_prefix.h"

#include <cstddef>

namespace tallyhawk {
namespace {

// Characters compare as signed bytes, so 0x80-0xFF fall below the colon and count as digits.
signed char CodeAt(std::string_view text, std::size_t position) {
    return position < text.size() ? static_cast<signed char>(text[position]) : 0;
}

bool DigitLike(signed char c) { return c < 0x3A; }
bool LetterLike(signed char c) { return c > 0x40; }

std::string First(std::string_view text, std::ptrdiff_t count) {
    if (count <= 0) return {};
    return std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::string Last(std::string_view text, std::size_t count) {
    return std::string(count >= text.size() ? text : text.substr(text.size() - count));
}

// The prefix read from the front of a text; a later rule overrides an earlier one.
std::string PrefixFromFront(std::string_view s, std::string result) {
    const signed char c1 = CodeAt(s, 1), c2 = CodeAt(s, 2), c3 = CodeAt(s, 3), c4 = CodeAt(s, 4);
    if (DigitLike(c1) && LetterLike(c2)) result = First(s, 2);
    if (DigitLike(c1) && DigitLike(c2) && LetterLike(c3)) result = First(s, 3);
    if (LetterLike(c1) && DigitLike(c2) && LetterLike(c3)) result = First(s, 3);
    if (LetterLike(c1) && DigitLike(c2) && DigitLike(c3)) result = First(s, 4);
    if (DigitLike(c1) && DigitLike(c2) && DigitLike(c3)) result = First(s, 4);
    if (LetterLike(c1) && DigitLike(c2) && DigitLike(c3) && DigitLike(c4)) result = First(s, 5);
    return result;
}

bool IsWhitespace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view TrimWhiteSpace(std::string_view text) {
    while (!text.empty() && IsWhitespace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsWhitespace(text.back())) text.remove_suffix(1);
    return text;
}

// A call with a "/" at position k: the part before or after it, whichever the rules take for a prefix.
std::string PrefixAroundSlash(std::string_view call, std::size_t k) {
    const std::size_t length = call.size();
    const std::size_t n = length - k;  // the slash and what follows it
    const signed char last = CodeAt(call, length - 1);
    const std::string_view lastTwo = call.substr(length >= 2 ? length - 2 : 0);
    std::string r;
    if (k == 1) r = First(call, 1) + "0";
    if (n == 2 && last != 'A' && last != 'M' && last != 'P' && LetterLike(last)) r = Last(call, 1) + "0";
    if (k == 2) {
        if (LetterLike(CodeAt(call, 1))) r = First(call, 2) + "0";
        if (DigitLike(CodeAt(call, 1))) r = First(call, 2);
    }
    if (k == 3) r = First(call, 3);
    if (k == 4 && (DigitLike(CodeAt(call, 1)) || DigitLike(CodeAt(call, 2)))) r = First(call, 4);
    if (n == 3) {
        if (LetterLike(last) && lastTwo != "MM") r = Last(call, 2) + "0";
        if (DigitLike(last)) r = Last(call, 2);
    }
    if (n == 4 && Last(call, 3) != "QRP") r = Last(call, 3);
    if (n == 5 && length >= 8 && (DigitLike(CodeAt(call, length - 2)) || DigitLike(last))) r = Last(call, 4);
    // A single digit after the slash moves the call to another call area: W1ABC/4 becomes W4.
    if (n == 2 && DigitLike(last)) {
        r = PrefixFromFront(call, r);
        r = First(r, static_cast<std::ptrdiff_t>(r.size()) - 1) + call.back();
    }
    if (r.empty()) r = PrefixFromFront(call.substr(0, k), {});
    return r;
}

}  // namespace

std::string WpxPrefix(std::string_view call) {
    if (call.empty()) return {};
    call = TrimWhiteSpace(call);
    const std::size_t slash = call.find('/');
    if (slash == std::string_view::npos) return PrefixFromFront(call, {});
    return PrefixAroundSlash(call, slash);
}

}  // namespace tallyhawk
