// Byte-text helpers for fixed-width fields: padding, column cuts, trimming and safe number parsing.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyhawk {

// Left-justifies text in a field of `width` bytes, filling with blanks; a longer text is cut.
std::string PadRight(std::string_view text, std::size_t width);

// Left-justifies and fills with blanks but never cuts: a longer text pushes what follows to the right.
std::string FillRight(std::string_view text, std::size_t width);

// Columns `first`..`last` of a line, 1-based and inclusive; the part beyond the line's end is dropped.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last);

std::string_view TrimBlanks(std::string_view text);      // blanks at both ends
std::string_view TrimTrailingBlanks(std::string_view text);
std::string_view TrimLineEnd(std::string_view line);      // a trailing CR and/or LF

// Blanks, tabs, CR and LF at both ends.
std::string_view TrimWhitespace(std::string_view text);

std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);

// A whole decimal number with an optional sign, nothing else; never throws.
std::optional<int> ParseInt(std::string_view text);

// The leading decimal number of a text, as C's atoi reads it (leading blanks, sign, digits); 0 when none.
int LeadingInt(std::string_view text);

bool IsDigit(char c);
bool IsUpperLetter(char c);  // "A" to "Z"
bool IsAllDigits(std::string_view text);

// A code list is a blank-separated text; a code belongs to it when " CODE " occurs in it.
bool ListContainsCode(std::string_view list, std::string_view code);

// The words of a text separated by runs of any of the separator bytes.
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators = " \t");

}  // namespace tallyhawk
