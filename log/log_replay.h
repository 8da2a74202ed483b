// Replays the QSO: lines of a contest log for the recount: each contact with its flush flag (every
// 1000 contacts and on the file's last line), plus the percentage read.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "log/logged_contact.h"

namespace tallyhawk {

inline constexpr int kContactsPerFlush = 1000;

// Called once per contact; a log ending in lines that are not contacts gets one more call with an
// empty contact and flush set, so the last call always flushes.
using RecountStep = std::function<void(const LoggedContact& contact, bool flush)>;
using ProgressStep = std::function<void(int percent)>;

void ReplayContestLog(std::string_view log, const RecountStep& recount, const ProgressStep& progress = {});

// The percentage as the reload shows it: "37 %".
std::string ReloadProgressText(int percent);

}  // namespace tallyhawk
