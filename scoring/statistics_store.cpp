// The multiplier files on disk.
#include "scoring/statistics_store.h"

#include "core/file_io.h"

namespace tallyhawk {

// Statistics writes are not flushed to disk one by one: the contest log is the master copy, and a
// reload rebuilds every statistics file from it.
bool StatisticsStore::FindOrAppendIf(std::string_view name, const MultiplierEntry& entry, bool allowed) {
    const auto path = Path(name);
    const std::optional<std::string> text = ReadFile(path);
    const bool append = allowed && text.value_or("").find(entry.needle) == std::string::npos;
    if (!text) return Create(path, append ? entry.bytes : "") && append;
    return append && AppendToFile(path, entry.bytes, Durability::Buffered);
}

void StatisticsStore::Append(std::string_view name, const MultiplierEntry& entry) {
    const auto path = Path(name);
    if (!AppendToFile(path, entry.bytes, Durability::Buffered)) (void)Create(path, entry.bytes);
}

void StatisticsStore::Open(std::string_view name) {
    const auto path = Path(name);
    if (!FileExists(path)) (void)Create(path, "");
}

bool StatisticsStore::Create(const std::filesystem::path& path, std::string_view bytes) const {
    return EnsureFolder(path.parent_path()) && AppendToFile(path, bytes, Durability::Buffered);
}

std::uintmax_t StatisticsStore::Count(std::string_view name, std::uintmax_t width) const {
    return width == 0 ? 0 : FileSizeOrZero(Path(name)) / width;
}

std::string StatisticsStore::Text(std::string_view name) const { return ReadFileOrEmpty(Path(name)); }

bool StatisticsStore::Rewrite(std::string_view name, std::string_view contents) const {
    return EnsureFolder(Path(name).parent_path()) && OverwriteFile(Path(name), contents, Durability::Buffered);
}

}  // namespace tallyhawk
