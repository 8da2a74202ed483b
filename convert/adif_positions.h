// Fixed-position reads of one ADIF record line, the way the converter and the logbook import cut it:
// the place of a tag's opening "<NAME:" and the bytes at a distance from it. Every read stops at the
// line's end, and a tag the line does not hold reads as empty.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tallyhawk {

// The position of "<" + name + ":" in the line, or nothing.
std::optional<std::size_t> FindAdifTag(std::string_view line, std::string_view name);

// `length` bytes from `position`, cut at the line's end.
std::string_view BytesAt(std::string_view line, std::size_t position, std::size_t length);

// The byte at `position`, or NUL past the line's end.
char ByteAt(std::string_view line, std::size_t position);

// A length digit's value; 0 when the byte is not a digit.
std::size_t DigitValue(char c);

// `length` bytes at `offset` after the tag's "<"; empty when the line has no such tag.
std::string_view TagBytes(std::string_view line, std::string_view name, std::size_t offset, std::size_t length);

// The value of a tag read with a one-digit length: the digit 6 + name size places after the "<" of a
// tag of `name` (for example "<MODE:3>SSB"), the value right after the ">" that should follow it.
std::string_view OneDigitValue(std::string_view line, std::string_view name);

}  // namespace tallyhawk
