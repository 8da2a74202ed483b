// Fixed-position reads of an ADIF record line.
#include "convert/adif_positions.h"

#include <string>

#include "core/text.h"

namespace tallyhawk {

std::optional<std::size_t> FindAdifTag(std::string_view line, std::string_view name) {
    std::string opening;
    opening.reserve(name.size() + 2);
    opening.append("<").append(name).append(":");
    const std::size_t position = line.find(opening);
    if (position == std::string_view::npos) return std::nullopt;
    return position;
}

std::string_view BytesAt(std::string_view line, std::size_t position, std::size_t length) {
    if (position >= line.size()) return {};
    return line.substr(position, length);
}

char ByteAt(std::string_view line, std::size_t position) { return position < line.size() ? line[position] : '\0'; }

std::size_t DigitValue(char c) { return IsDigit(c) ? static_cast<std::size_t>(c - '0') : 0; }

std::string_view TagBytes(std::string_view line, std::string_view name, std::size_t offset, std::size_t length) {
    const auto tag = FindAdifTag(line, name);
    return tag ? BytesAt(line, *tag + offset, length) : std::string_view{};
}

std::string_view OneDigitValue(std::string_view line, std::string_view name) {
    const auto tag = FindAdifTag(line, name);
    if (!tag) return {};
    const std::size_t digit = *tag + name.size() + 2;
    return BytesAt(line, digit + 2, DigitValue(ByteAt(line, digit)));
}

}  // namespace tallyhawk
