// File access for the program's records: whole-file reads, durable appends that never leave a partial
// line, in-place overwrites and atomic whole-file replacement.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyhawk {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFile(const std::filesystem::path& path);

// The whole file; a missing or unreadable file reads as empty.
std::string ReadFileOrEmpty(const std::filesystem::path& path);

bool FileExists(const std::filesystem::path& path);
std::uintmax_t FileSizeOrZero(const std::filesystem::path& path);

enum class Durability { Synced, Buffered };

// Appends `bytes` in one write, creating the file when missing. When the write fails part-way the file
// is cut back to its old length, so no partial record stays behind. Synced: on disk when it returns.
[[nodiscard]] bool AppendToFile(const std::filesystem::path& path, std::string_view bytes,
                                Durability durability = Durability::Buffered);

// Creates the file with `header` and `bytes` when it does not exist yet (or is empty), otherwise
// appends `bytes`; false when the file could be neither created nor written.
[[nodiscard]] bool CreateOrAppend(const std::filesystem::path& path, std::string_view header,
                                  std::string_view bytes, Durability durability);

// Overwrites bytes of an existing file from `offset` on; the file may grow.
[[nodiscard]] bool WriteAtOffset(const std::filesystem::path& path, std::uint64_t offset, std::string_view bytes,
                                 Durability durability = Durability::Buffered);

// Writes a whole file in place: the new contents from the start, then the file cut to their length.
// Far cheaper than a replacement by rename, for small files rewritten often whose old and new contents
// are equally good after a crash (a crash between the write and the cut leaves the old tail behind).
[[nodiscard]] bool OverwriteFile(const std::filesystem::path& path, std::string_view contents,
                                 Durability durability = Durability::Buffered);

// Writes a whole file through a temporary file and a rename, so a crash leaves the old or the new file.
[[nodiscard]] bool ReplaceFile(const std::filesystem::path& path, std::string_view contents);

// Creates or empties a file.
[[nodiscard]] bool TruncateFile(const std::filesystem::path& path);

// Flushes a file's data to disk.
bool SyncFile(const std::filesystem::path& path);

// Creates a folder (and its parents) when missing; false when that fails.
bool EnsureFolder(const std::filesystem::path& path);

bool RemoveFile(const std::filesystem::path& path);

// Whether `bytes` more can be appended to the file (or a new file of that size created): the file or
// its folder is writable, the process's file-size limit allows the new size, and the disk has room.
// Asked before anything else is written for a contact, so that a full disk refuses the contact whole.
bool HasRoomToAppend(const std::filesystem::path& path, std::uintmax_t bytes);

}  // namespace tallyhawk
