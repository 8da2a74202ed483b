// The log view's rows, the contacts a refresh shows and the scrolling arithmetic.
#include "database/log_view.h"

#include <algorithm>

#include "core/text.h"

namespace tallyhawk {
namespace {

// The text up to the next ",", and the rest after it; without a "," the whole rest, which then stays.
std::string_view NextRecordField(std::string_view& rest) {
    const auto comma = rest.find(',');
    if (comma == std::string_view::npos) return rest;
    const std::string_view field = rest.substr(0, comma);
    rest.remove_prefix(comma + 1);
    return field;
}

// HHMM as the log view shows it: 1234 becomes 12:34.
std::string UtcText(std::string_view time) {
    return std::string(time.substr(0, 2)) + ":" +
           std::string(time.substr(std::min<std::size_t>(2, time.size()), 2));
}

int FirstShownUnclamped(LogViewKey key, int first, int contactCount) {
    constexpr int kPage = static_cast<int>(kLogViewRowCount);
    switch (key) {
        case LogViewKey::Up:
            return std::max(first, 2) - 1;
        case LogViewKey::Down:
            return std::min(first, contactCount - kPage) + 1;
        case LogViewKey::PageUp:
            return std::max(first, kPage + 1) - kPage;
        case LogViewKey::PageDown:
            return std::min(first, contactCount - 2 * kPage + 1) + kPage;
        case LogViewKey::Home:
            return 1;
        case LogViewKey::End:
            return contactCount - kPage + 1;
    }
    return 1;
}

}  // namespace

LogViewCells FillLogViewRow(std::size_t offset, std::string_view entry, std::string_view record) {
    LogViewCells cells;
    cells[kLogNumberColumn] = std::to_string(offset / kContestIndexEntrySize + 1);
    cells[kLogCallColumn] = TrimBlanks(entry);
    // The blank fill of the fixed-width record is not part of its last field.
    std::string_view rest = TrimBlanks(record);
    cells[kLogDateColumn] = NextRecordField(rest);
    cells[kLogUtcColumn] = UtcText(NextRecordField(rest));
    cells[kLogBandColumn] = NextRecordField(rest);
    cells[kLogModeColumn] = NextRecordField(rest);
    cells[kLogSentColumn] = NextRecordField(rest);
    cells[kLogReceivedColumn] = TrimBlanks(rest);
    return cells;
}

std::vector<LogViewCells> ReadLogViewRows(const ContestIndexFiles& files, ShownContacts contacts) {
    const ContestIndexBlock block = ReadContestIndexBlock(files, contacts.firstOffset, contacts.count);
    const auto part = [](const std::string& text, std::size_t index, std::size_t size) {
        return index * size < text.size() ? std::string_view(text).substr(index * size, size)
                                          : std::string_view{};
    };
    std::vector<LogViewCells> rows;
    for (std::size_t i = 0; i < contacts.count; ++i) {
        rows.push_back(FillLogViewRow(contacts.firstOffset + i * kContestIndexEntrySize,
                                      part(block.entries, i, kContestIndexEntrySize),
                                      part(block.records, i, kContestIndexRecordSize)));
    }
    return rows;
}

ShownContacts LastSevenContacts(std::uintmax_t callFileLength) {
    // A torn last entry (a write cut short) is not a contact: only whole entries count.
    const auto count = static_cast<std::size_t>(callFileLength / kContestIndexEntrySize);
    const std::size_t shown = std::min(count, kLogViewRowCount);
    return {(count - shown) * kContestIndexEntrySize, shown};
}

int LastShownContactNumber(const LogViewRows& rows) {
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        const std::string& number = row->cells[kLogNumberColumn];
        if (!number.empty()) return LeadingInt(number);
    }
    return 0;
}

int FirstShownAfterKey(LogViewKey key, int first, int contactCount) {
    constexpr int kPage = static_cast<int>(kLogViewRowCount);
    if (contactCount < kPage) return 1;
    const int lastPage = contactCount - kPage + 1;
    // Row 1 may show a number out of the paging range (a worked-before search result); the new first
    // number is kept within the contacts that exist.
    return std::clamp(FirstShownUnclamped(key, first, contactCount), 1, lastPage);
}

ShownContacts ScrolledContacts(LogViewKey key, int first, int contactCount) {
    if (contactCount <= 0) return {};
    const int shownFirst = FirstShownAfterKey(key, first, contactCount);
    const int shown = std::min(contactCount - shownFirst + 1, static_cast<int>(kLogViewRowCount));
    return {static_cast<std::size_t>(shownFirst - 1) * kContestIndexEntrySize,
            static_cast<std::size_t>(shown)};
}

}  // namespace tallyhawk
