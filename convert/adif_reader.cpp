// Reading ADIF as today's loggers write it.
#include "convert/adif_reader.h"

#include <optional>

#include "core/text.h"
#include "core/text_lines.h"

namespace tallyhawk {
namespace {

// Field names are short; a longer run up to ":" or ">" is text that happens to hold a "<".
constexpr std::size_t kLongestName = 64;
constexpr std::size_t kLongestLengthDigits = 9;
constexpr std::size_t kLongestType = 8;

struct Tag {
    std::string_view name;
    std::optional<std::size_t> length;  // none: a tag without a length (<EOR>, <EOH>, <PROGRAMID>)
    std::size_t end = 0;                // just after the ">"
};

bool EndsName(char c) { return c == ':' || c == '>'; }
bool BreaksName(char c) { return c == '<' || c == '\r' || c == '\n'; }

// The digits after the name's ":", then an optional ":" and type, then ">".
std::optional<Tag> ReadLengthAndType(std::string_view text, std::size_t at, Tag tag) {
    std::size_t length = 0;
    const std::size_t digitsStart = at;
    while (at < text.size() && IsDigit(text[at]) && at - digitsStart < kLongestLengthDigits) {
        length = length * 10 + static_cast<std::size_t>(text[at++] - '0');
    }
    if (at == digitsStart || at >= text.size()) return std::nullopt;
    if (text[at] == ':') {
        const std::size_t typeStart = ++at;
        while (at < text.size() && text[at] != '>' && !BreaksName(text[at]) && at - typeStart <= kLongestType) ++at;
    }
    if (at >= text.size() || text[at] != '>') return std::nullopt;
    tag.length = length;
    tag.end = at + 1;
    return tag;
}

// The tag opened by the "<" at `open`, or nothing when the "<" opens no tag.
std::optional<Tag> ReadTag(std::string_view text, std::size_t open) {
    std::size_t at = open + 1;
    while (at < text.size() && !EndsName(text[at]) && !BreaksName(text[at]) && at - open <= kLongestName) ++at;
    if (at >= text.size() || !EndsName(text[at]) || at == open + 1) return std::nullopt;
    Tag tag{.name = text.substr(open + 1, at - open - 1)};
    if (text[at] == '>') {
        tag.end = at + 1;
        return tag;
    }
    return ReadLengthAndType(text, at + 1, tag);
}

bool IsValueBoundary(std::string_view text, std::size_t at) {
    return at >= text.size() || text[at] == '<' || text[at] == ' ' || text[at] == '\r' || text[at] == '\n' ||
           text[at] == '\t';
}

// Where `characters` UTF-8 characters starting at `start` end.
std::size_t EndOfCharacters(std::string_view text, std::size_t start, std::size_t characters) {
    std::size_t at = start;
    for (std::size_t counted = 0; counted < characters && at < text.size(); ++counted) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return at;
}

// The value's bytes. Some programs count a UTF-8 value's length in characters: when the byte count
// ends inside the text and the character count ends where the next tag or a blank begins, the
// character count is the one the writer meant.
std::string_view ValueAt(std::string_view text, std::size_t start, std::size_t length) {
    const std::size_t byBytes = start + std::min(length, text.size() - start);
    if (IsValueBoundary(text, byBytes)) return text.substr(start, byBytes - start);
    const std::size_t byCharacters = EndOfCharacters(text, start, length);
    const std::size_t end = IsValueBoundary(text, byCharacters) ? byCharacters : byBytes;
    return text.substr(start, end - start);
}

// Walks the tags of a text and gathers the fields of each record.
class AdifScanner {
public:
    explicit AdifScanner(std::string_view text) : m_text(text) {}

    void Run(AdifDocument& document) {
        std::size_t at = 0;
        while ((at = m_text.find('<', at)) != std::string_view::npos) {
            const auto tag = ReadTag(m_text, at);
            at = tag ? Take(*tag, document) : at + 1;
        }
    }

    bool SawEndOfRecord() const { return m_sawEndOfRecord; }
    // The fields read since the last <EOR> or <EOH>.
    std::vector<AdifField> TakeOpenRecord() { return std::move(m_fields); }
    std::size_t HeaderEnd() const { return m_headerEnd; }

private:
    std::size_t Take(const Tag& tag, AdifDocument& document) {
        if (tag.length) {
            const std::string_view value = ValueAt(m_text, tag.end, *tag.length);
            m_fields.push_back({ToUpperAscii(tag.name), value});
            return tag.end + value.size();
        }
        const std::string name = ToUpperAscii(tag.name);
        if (name == "EOR") {
            m_sawEndOfRecord = true;
            if (!m_fields.empty()) document.records.push_back({std::move(m_fields)});
            m_fields.clear();
        } else if (name == "EOH") {
            m_headerEnd = tag.end;
            m_fields.clear();
        }
        return tag.end;
    }

    std::string_view m_text;
    std::vector<AdifField> m_fields;
    bool m_sawEndOfRecord = false;
    std::size_t m_headerEnd = 0;
};

// For a file whose records never end with <EOR>: each line after the header with fields is a record.
void ReadRecordsByLine(std::string_view body, AdifDocument& document) {
    LineCursor lines(body);
    while (const auto line = lines.Next()) {
        AdifScanner scanner(line->text);
        scanner.Run(document);
        if (auto fields = scanner.TakeOpenRecord(); !fields.empty()) document.records.push_back({std::move(fields)});
    }
    document.recordsByLine = !document.records.empty();
}

}  // namespace

std::string_view AdifRecord::Value(std::string_view name) const {
    for (const auto& field : fields) {
        if (field.name == name) return field.value;
    }
    return {};
}

bool AdifRecord::Has(std::string_view name) const {
    for (const auto& field : fields) {
        if (field.name == name) return true;
    }
    return false;
}

AdifDocument ReadAdif(std::string_view text) {
    AdifDocument document;
    AdifScanner scanner(text);
    scanner.Run(document);
    if (!scanner.SawEndOfRecord()) ReadRecordsByLine(text.substr(scanner.HeaderEnd()), document);
    return document;
}

}  // namespace tallyhawk
