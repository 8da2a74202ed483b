// The radio's settings: whether the window follows the radio, and how Hamlib reaches it (model, port
// and serial speed). Values never stored read as their defaults in the settings table.
#pragma once

#include <string>

#include "app/session/settings_backend.h"

namespace tallyhawk {

struct RigSettings {
    bool enabled = false;  // off: the window never asks a radio
    int model = 0;         // Hamlib's model number (2: "NET rigctl", a rigctld server)
    std::string port;      // a serial device ("/dev/ttyUSB0") or host:port for a network model
    int speed = 0;         // serial speed in baud; 0 leaves the radio's own default

    bool operator==(const RigSettings&) const = default;
};

RigSettings LoadRigSettings(const SettingsBackend& backend);

// Stores all four values; the port is trimmed and cut to what the store holds.
void StoreRigSettings(SettingsBackend& backend, const RigSettings& settings);

}  // namespace tallyhawk
