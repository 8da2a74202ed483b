// Byte-text helpers for fixed-width fields.
#include "core/text.h"

#include <algorithm>
#include <charconv>

namespace tallyhawk {

std::string PadRight(std::string_view text, std::size_t width) {
    std::string field(text.substr(0, width));
    field.resize(width, ' ');
    return field;
}

std::string FillRight(std::string_view text, std::size_t width) {
    std::string field(text);
    if (field.size() < width) field.resize(width, ' ');
    return field;
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    if (first == 0 || first > line.size() || last < first) return {};
    return line.substr(first - 1, last - first + 1);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    const auto end = text.find_last_not_of(' ');
    return text.substr(begin, end - begin + 1);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    if (end == std::string_view::npos) return {};
    return text.substr(0, end + 1);
}

std::string_view TrimLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

std::string_view TrimWhitespace(std::string_view text) {
    constexpr std::string_view kWhitespace = " \t\r\n";
    const auto begin = text.find_first_not_of(kWhitespace);
    if (begin == std::string_view::npos) return {};
    const auto end = text.find_last_not_of(kWhitespace);
    return text.substr(begin, end - begin + 1);
}

std::string ToUpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::string ToLowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::optional<int> ParseInt(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

int LeadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 2147483647LL) value = 2147483647LL;  // saturate instead of overflowing
    }
    return static_cast<int>(negative ? -value : value);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

bool IsAllDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c)) return false;
    }
    return !text.empty();
}

bool ListContainsCode(std::string_view list, std::string_view code) {
    std::string needle;
    needle.reserve(code.size() + 2);
    needle.append(" ").append(code).append(" ");
    return list.find(needle) != std::string_view::npos;
}

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> words;
    std::size_t at = text.find_first_not_of(separators);
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(separators, at), text.size());
        words.push_back(text.substr(at, end - at));
        at = text.find_first_not_of(separators, end);
    }
    return words;
}

}  // namespace tallyhawk
