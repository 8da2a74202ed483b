// The radio through Hamlib: opened on the first read, read for frequency and mode, closed when a read
// fails so that the next read opens it again (a radio switched off and on, rigctld restarted).
// Blocking: the window calls it from its own polling thread, never from the user-interface thread.
#pragma once

#include <optional>

#include "app/session/rig_following.h"
#include "app/session/rig_settings.h"

struct s_rig;

namespace tallyhawk {

class HamlibRig {
public:
    explicit HamlibRig(RigSettings settings);
    ~HamlibRig();
    HamlibRig(const HamlibRig&) = delete;
    HamlibRig& operator=(const HamlibRig&) = delete;

    // The radio's frequency and mode, or nothing when it cannot be reached (or Hamlib is missing).
    std::optional<RigReading> Read();

private:
    bool Open();
    void Close();

    RigSettings m_settings;
    s_rig* m_rig = nullptr;
};

}  // namespace tallyhawk
