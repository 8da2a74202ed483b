// File access for the program's records. POSIX calls give the guarantees the standard streams lack:
// one write() per record, fsync, and cutting a failed append back.
#include "core/file_io.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace tallyhawk {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    // Closing can report a delayed write error, so callers that must know ask for it.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool PwriteAll(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

bool Finish(FileDescriptor& file, Durability durability) {
    const bool synced = durability == Durability::Buffered || ::fsync(file.Get()) == 0;
    return file.Close() && synced;
}

// Appends to an open file; on a failed write the file is cut back to where it ended before.
bool AppendOrRollBack(FileDescriptor& file, std::string_view bytes, Durability durability) {
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) return false;
    if (!WriteAll(file.Get(), bytes)) {
        if (::ftruncate(file.Get(), info.st_size) != 0) { /* nothing more can be done */ }
        return false;
    }
    return Finish(file, durability);
}

}  // namespace

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    // A folder opens like a file, but it has no contents to read.
    if (!file.Valid() || ::fstat(file.Get(), &info) != 0 || S_ISDIR(info.st_mode)) return std::nullopt;
    // Sized from the file's length and read in large blocks: whole-file reads run on every keystroke.
    std::string contents(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == contents.size()) contents.resize(contents.size() * 2);
        const ssize_t got = ::read(file.Get(), contents.data() + filled, contents.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    contents.resize(filled);
    return contents;
}

std::string ReadFileOrEmpty(const std::filesystem::path& path) { return ReadFile(path).value_or(""); }

bool FileExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::uintmax_t FileSizeOrZero(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

bool AppendToFile(const std::filesystem::path& path, std::string_view bytes, Durability durability) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
    return file.Valid() && AppendOrRollBack(file, bytes, durability);
}

bool CreateOrAppend(const std::filesystem::path& path, std::string_view header, std::string_view bytes,
                    Durability durability) {
    FileDescriptor created(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (created.Valid()) {
        // Header and first record go out in one write, so a new file never holds a header alone.
        std::string first(header);
        first.append(bytes);
        if (WriteAll(created.Get(), first) && Finish(created, durability)) return true;
        created.Close();
        RemoveFile(path);
        return false;
    }
    if (errno != EEXIST) return false;
    FileDescriptor existing(::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    struct stat info {};
    if (!existing.Valid() || ::fstat(existing.Get(), &info) != 0) return false;
    // An empty file is one whose creator was stopped between creating and writing it: it gets the header.
    if (info.st_size == 0) return AppendOrRollBack(existing, std::string(header).append(bytes), durability);
    return AppendOrRollBack(existing, bytes, durability);
}

bool WriteAtOffset(const std::filesystem::path& path, std::uint64_t offset, std::string_view bytes,
                   Durability durability) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    return file.Valid() && PwriteAll(file.Get(), bytes, static_cast<off_t>(offset)) && Finish(file, durability);
}

bool OverwriteFile(const std::filesystem::path& path, std::string_view contents, Durability durability) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    struct stat info {};
    if (!file.Valid() || ::fstat(file.Get(), &info) != 0 || !PwriteAll(file.Get(), contents, 0)) return false;
    const auto size = static_cast<off_t>(contents.size());
    if (info.st_size > size && ::ftruncate(file.Get(), size) != 0) return false;
    return Finish(file, durability);
}

bool ReplaceFile(const std::filesystem::path& path, std::string_view contents) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!file.Valid()) return false;
    if (!WriteAll(file.Get(), contents) || !Finish(file, Durability::Synced)) {
        RemoveFile(temporary);
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) RemoveFile(temporary);
    return !error;
}

bool TruncateFile(const std::filesystem::path& path) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    return file.Valid() && file.Close();
}

bool SyncFile(const std::filesystem::path& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return file.Valid() && ::fsync(file.Get()) == 0;
}

bool EnsureFolder(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

bool RemoveFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::remove(path, error);
}

bool HasRoomToAppend(const std::filesystem::path& path, std::uintmax_t bytes) {
    // Room for the statistics and index entries written with the line.
    constexpr std::uintmax_t kDiskReserve = 64 * 1024;
    std::uintmax_t newSize = bytes;
    if (FileExists(path)) {
        FileDescriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
        if (!file.Valid()) return false;
        newSize += FileSizeOrZero(path);
    } else {
        std::error_code error;
        if (!std::filesystem::is_directory(path.parent_path(), error)) return false;
        if (::access(path.parent_path().c_str(), W_OK | X_OK) != 0) return false;
    }
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && newSize > limit.rlim_cur) {
        return false;
    }
    std::error_code error;
    const auto space = std::filesystem::space(path.parent_path(), error);
    return error || space.available >= bytes + kDiskReserve;
}

}  // namespace tallyhawk
