// Changing or removing one contact of the contest index.
#include "database/contest_index_patch.h"

#include "core/file_io.h"

namespace tallyhawk {
namespace {

bool Holds(const std::filesystem::path& path, std::size_t number, std::size_t size) {
    return number > 0 && FileSizeOrZero(path) >= number * size;
}

bool Overwrite(const std::filesystem::path& path, std::size_t number, std::size_t size, std::string_view block) {
    if (!FileExists(path)) return true;
    return Holds(path, number, size) && WriteAtOffset(path, (number - 1) * size, block, Durability::Synced);
}

bool Cut(const std::filesystem::path& path, std::size_t number, std::size_t size) {
    if (!FileExists(path)) return true;
    const auto bytes = ReadFile(path);
    if (!bytes || bytes->size() < number * size || number == 0) return false;
    return ReplaceFile(path, bytes->substr(0, (number - 1) * size) + bytes->substr(number * size));
}

}  // namespace

bool ContestIndexHolds(const ContestIndexFiles& files, std::size_t number) {
    if (number == 0) return false;
    return (!FileExists(files.calls) || Holds(files.calls, number, kContestIndexEntrySize)) &&
           (!FileExists(files.records) || Holds(files.records, number, kContestIndexRecordSize));
}

bool WriteContestIndexContact(const ContestIndexFiles& files, std::size_t number, std::string_view call,
                              std::string_view summary) {
    const bool calls = Overwrite(files.calls, number, kContestIndexEntrySize, ContestIndexEntry(call));
    const bool records = Overwrite(files.records, number, kContestIndexRecordSize, ContestIndexRecord(summary));
    return calls && records;
}

bool RemoveContestIndexContact(const ContestIndexFiles& files, std::size_t number) {
    const bool calls = Cut(files.calls, number, kContestIndexEntrySize);
    const bool records = Cut(files.records, number, kContestIndexRecordSize);
    return calls && records;
}

}  // namespace tallyhawk
