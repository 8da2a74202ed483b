// The installed layout and the operator's work folder.
#include "core/work_folder.h"

#include <cstdlib>

namespace tallyhawk {
namespace {

std::optional<std::filesystem::path> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::filesystem::path(value);
}

// Copies the shipped country files that the work folder's dxcc/ does not hold yet; the error, or "".
std::string CopyMissingCountryFiles(const std::filesystem::path& dxcc, const std::filesystem::path& shipped) {
    std::error_code error;
    // Nothing shipped (a bare build): the operator brings the country files.
    for (std::filesystem::directory_iterator file(shipped, error), end; !error && file != end;
         file.increment(error)) {
        const auto target = dxcc / file->path().filename();
        if (!file->is_regular_file(error) || std::filesystem::exists(target, error)) continue;
        if (!std::filesystem::copy_file(file->path(), target, error) && error)
            return "cannot copy " + file->path().string() + " to " + target.string() + ": " + error.message();
    }
    return {};
}

}  // namespace

std::filesystem::path RunningExecutable(std::string_view argv0) {
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return executable;
    executable = std::filesystem::absolute(std::filesystem::path(argv0), error);
    return error ? std::filesystem::path(argv0) : executable;
}

std::filesystem::path ShippedDataFolder(const std::filesystem::path& executable) {
    return (executable.parent_path() / ".." / "share" / "tallyhawk").lexically_normal();
}

std::optional<std::filesystem::path> WorkFolderPath() {
    if (auto folder = Environment("TALLYHAWK_HOME")) return folder;
    auto home = Environment("HOME");
    if (!home) home = Environment("USERPROFILE");
    if (!home) return std::nullopt;
    return *home / "Tallyhawk";
}

WorkFolder PrepareWorkFolder(const std::filesystem::path& folder, const std::filesystem::path& shippedData) {
    WorkFolder result{.path = folder.lexically_normal(), .error = {}};
    for (const char* part : {"dxcc", "database", "statistics"}) {
        std::error_code error;
        std::filesystem::create_directories(result.path / part, error);
        if (error) {
            result.error = "cannot create " + (result.path / part).string() + ": " + error.message();
            return result;
        }
    }
    result.error = CopyMissingCountryFiles(result.path / "dxcc", shippedData / "dxcc");
    return result;
}

WorkFolder OpenWorkFolder(const std::filesystem::path& executable) {
    const auto folder = WorkFolderPath();
    if (!folder)
        return WorkFolder{.path = {}, .error = "no work folder: neither TALLYHAWK_HOME nor HOME is set"};
    return PrepareWorkFolder(*folder, ShippedDataFolder(executable));
}

}  // namespace tallyhawk
