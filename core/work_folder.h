// Where an installed Tallyhawk finds what it ships, and the operator's work folder that a desktop start
// opens: the program is installed as bin/tallyhawk and bin/tallyhawk-cli with its data in
// share/tallyhawk/ (dxcc/, translations/, manual/), wherever the installation's prefix is.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyhawk {

// The file of the running program; `argv0` made absolute where the system cannot tell.
std::filesystem::path RunningExecutable(std::string_view argv0);

// The data shipped with the program: share/tallyhawk beside the folder of `executable`
// (/usr/bin/tallyhawk: /usr/share/tallyhawk).
std::filesystem::path ShippedDataFolder(const std::filesystem::path& executable);

// The work folder: $TALLYHAWK_HOME, or Tallyhawk in the home folder; nothing when neither is known.
std::optional<std::filesystem::path> WorkFolderPath();

struct WorkFolder {
    std::filesystem::path path;
    std::string error;  // empty when the folder is ready
};

// The work folder made ready for the programs: created with dxcc/, database/ and statistics/ when
// missing, and every shipped country file that dxcc/ lacks copied in. Files already there are kept, so
// country files the operator brought up to date stay.
WorkFolder PrepareWorkFolder(const std::filesystem::path& folder, const std::filesystem::path& shippedData);

// PrepareWorkFolder on WorkFolderPath with the data shipped beside `executable`.
WorkFolder OpenWorkFolder(const std::filesystem::path& executable);

}  // namespace tallyhawk
