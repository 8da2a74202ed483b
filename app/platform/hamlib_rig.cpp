// The radio through Hamlib.
#include "app/platform/hamlib_rig.h"

#include <clocale>
#include <cmath>
#include <string>

#ifdef TALLYHAWK_HAVE_HAMLIB
#include <hamlib/rig.h>
#endif

namespace tallyhawk {

#ifdef TALLYHAWK_HAVE_HAMLIB
namespace {

// Hamlib's own waits are kept short: a poll that cannot reach the radio fails within a second.
constexpr const char* kTimeoutMilliseconds = "1000";
constexpr const char* kRetries = "0";

void SetConf(RIG* rig, const char* name, const std::string& value) {
    const token_t token = rig_token_lookup(rig, name);
    if (token != RIG_CONF_END) rig_set_conf(rig, token, value.c_str());
}

}  // namespace

HamlibRig::HamlibRig(RigSettings settings) : m_settings(std::move(settings)) {
    // Hamlib writes its progress to stderr unless told otherwise; the window has its own note line.
    rig_set_debug(RIG_DEBUG_NONE);
    // Opening a radio, Hamlib switches LC_NUMERIC to "C" and back to the name it read before, which the
    // switch has freed. With "C" already in force the switch changes nothing and frees nothing.
    std::setlocale(LC_NUMERIC, "C");
}

HamlibRig::~HamlibRig() { Close(); }

bool HamlibRig::Open() {
    if (m_rig) return true;
    m_rig = rig_init(static_cast<rig_model_t>(m_settings.model));
    if (!m_rig) return false;
    SetConf(m_rig, "rig_pathname", m_settings.port);
    if (m_settings.speed > 0) SetConf(m_rig, "serial_speed", std::to_string(m_settings.speed));
    SetConf(m_rig, "timeout", kTimeoutMilliseconds);
    SetConf(m_rig, "retry", kRetries);
    if (rig_open(m_rig) != RIG_OK) {
        rig_cleanup(m_rig);
        m_rig = nullptr;
        return false;
    }
    // Every poll asks the radio itself: a cached frequency would lag behind the dial.
    rig_set_cache_timeout_ms(m_rig, HAMLIB_CACHE_ALL, 0);
    return true;
}

void HamlibRig::Close() {
    if (!m_rig) return;
    rig_close(m_rig);
    rig_cleanup(m_rig);
    m_rig = nullptr;
}

std::optional<RigReading> HamlibRig::Read() {
    if (!Open()) return std::nullopt;
    freq_t frequency = 0;
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t width = 0;
    if (rig_get_freq(m_rig, RIG_VFO_CURR, &frequency) != RIG_OK ||
        rig_get_mode(m_rig, RIG_VFO_CURR, &mode, &width) != RIG_OK) {
        Close();
        return std::nullopt;
    }
    return RigReading{static_cast<Hertz>(std::llround(frequency)), rig_strrmode(mode)};
}

#else  // built without Hamlib: there is never a radio

HamlibRig::HamlibRig(RigSettings settings) : m_settings(std::move(settings)) {}
HamlibRig::~HamlibRig() = default;
bool HamlibRig::Open() { return false; }
void HamlibRig::Close() {}
std::optional<RigReading> HamlibRig::Read() { return std::nullopt; }

#endif

}  // namespace tallyhawk
