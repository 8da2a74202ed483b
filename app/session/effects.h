// What one operation of the session asks its front end to do: sounds, message boxes, notes, a dialog.
#pragma once

#include <optional>
#include <vector>

#include "core/message.h"

namespace tallyhawk {

enum class Sound { WorkedBefore = 252, IncompleteRow = 255 };

enum class Dialog { Configuration, Personal, ContestSetup, Colors, Files, AfterContest };

struct Effects {
    std::vector<Sound> sounds;
    std::vector<Message> messages;
    std::vector<Message> notes;  // one-line texts for the window's note line, without a box
    std::optional<Dialog> dialog;
};

}  // namespace tallyhawk
