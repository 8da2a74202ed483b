// The contest index files.
#include "database/contest_index.h"

#include <fstream>

#include "core/text.h"

namespace tallyhawk {
namespace {

// Up to `size` bytes from `offset`; fewer near the end, none past it or when the file cannot be read.
std::string ReadBlock(const std::filesystem::path& path, std::size_t offset, std::size_t size) {
    std::ifstream in(path, std::ios::binary);
    if (!in || !in.seekg(static_cast<std::streamoff>(offset))) return {};
    std::string block(size, '\0');
    in.read(block.data(), static_cast<std::streamsize>(size));
    block.resize(static_cast<std::size_t>(in.gcount()));
    return block;
}

}  // namespace

std::string ContestIndexEntry(std::string_view call) { return PadRight(TrimBlanks(call), kContestIndexEntrySize); }

std::string ContestIndexRecord(std::string_view summary) {
    return PadRight(TrimBlanks(summary), kContestIndexRecordSize);
}

ContestIndexFiles ContestIndexFilesFor(const ProgramFolder& folder, std::string_view ownCall) {
    return {folder.ContestIndexCallPath(ownCall), folder.ContestIndexRecordPath(ownCall)};
}

bool AppendContestIndex(const ContestIndexFiles& files, std::string_view entries, std::string_view records,
                        Durability durability) {
    if (!EnsureFolder(files.calls.parent_path())) return false;
    return AppendToFile(files.calls, entries, durability) && AppendToFile(files.records, records, durability);
}

std::size_t ContestIndexCount(const ContestIndexFiles& files) {
    return FileSizeOrZero(files.calls) / kContestIndexEntrySize;
}

std::optional<ContestIndexContact> ReadContestIndexContact(const ContestIndexFiles& files, std::size_t number) {
    if (number == 0) return std::nullopt;
    const ContestIndexBlock block = ReadContestIndexBlock(files, (number - 1) * kContestIndexEntrySize, 1);
    if (block.entries.size() != kContestIndexEntrySize || block.records.size() != kContestIndexRecordSize) {
        return std::nullopt;
    }
    return ContestIndexContact{std::string(TrimBlanks(block.entries)),
                               std::string(TrimBlanks(block.records))};
}

ContestIndexBlock ReadContestIndexBlock(const ContestIndexFiles& files, std::size_t offset,
                                        std::size_t count) {
    return {ReadBlock(files.calls, offset, count * kContestIndexEntrySize),
            ReadBlock(files.records, kContestIndexRecordBytesPerEntryByte * offset, count * kContestIndexRecordSize)};
}

std::string ReadContestIndexRecordAt(const ContestIndexFiles& files, std::size_t offset) {
    return ReadBlock(files.records, kContestIndexRecordBytesPerEntryByte * offset, kContestIndexRecordSize);
}

bool EnsureContestIndexPair(const ContestIndexFiles& files) {
    if (FileExists(files.calls) && FileExists(files.records)) return true;
    if (EnsureFolder(files.calls.parent_path())) {
        (void)TruncateFile(files.calls);
        (void)TruncateFile(files.records);
    }
    return false;
}

}  // namespace tallyhawk
