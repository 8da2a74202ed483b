// The contest index files.
#include "database/contest_index.h"

#include <fstream>

#include "core/text.h"

namespace tallyhawk {
namespace {

std::optional<std::string> ReadBlock(const std::filesystem::path& path, std::size_t offset, std::size_t size) {
    std::ifstream in(path, std::ios::binary);
    if (!in || !in.seekg(static_cast<std::streamoff>(offset))) return std::nullopt;
    std::string block(size, '\0');
    in.read(block.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::size_t>(in.gcount()) != size) return std::nullopt;
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
    const auto entry = ReadBlock(files.calls, (number - 1) * kContestIndexEntrySize, kContestIndexEntrySize);
    const auto record = ReadBlock(files.records, (number - 1) * kContestIndexRecordSize, kContestIndexRecordSize);
    if (!entry || !record) return std::nullopt;
    return ContestIndexContact{std::string(TrimBlanks(*entry)), std::string(TrimBlanks(*record))};
}

}  // namespace tallyhawk
