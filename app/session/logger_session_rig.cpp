// LoggerSession: following the radio, and the side file that keeps each contact's exact frequency.
#include "app/session/logger_session.h"
#include "database/contest_index.h"
#include "log/contact_frequency_file.h"

namespace tallyhawk {

Effects LoggerSession::FollowRig(const RigReading& reading) {
    Effects effects;
    if (m_rig.link == RigLink::NotConnected) effects.notes.push_back(RigConnectedMessage());
    m_rig.link = RigLink::Connected;
    m_rig.frequency = reading.frequency;
    SettingsMessage message = FlagsAsTheyAre();
    const auto band = BandOfFrequency(reading.frequency);
    // Only a move to another band is followed, so a band the operator chose stays until the radio moves.
    const std::string bandCode(band ? BandShortCode(*band) : "");
    if (bandCode != m_rig.band) {
        m_rig.band = bandCode;
        const bool follows = band && !ContestKeepsBand(m_settings.setup.contest, *band);
        if (follows && m_screen.entry[Field::Band] != bandCode) message.band = bandCode;
    }
    const std::string modeCode(EntryModeOfRigMode(reading.mode).value_or(""));
    if (modeCode != m_rig.mode) {
        m_rig.mode = modeCode;
        if (!modeCode.empty() && m_screen.entry[Field::Mode] != modeCode) message.mode = modeCode;
    }
    if (message.band || message.mode) ApplySettings(message);
    return effects;
}

Effects LoggerSession::RigNotConnected() {
    Effects effects;
    if (m_rig.link != RigLink::NotConnected) effects.notes.push_back(RigNotConnectedMessage());
    m_rig = RigState{.link = RigLink::NotConnected};
    return effects;
}

// A radio tuned outside the contact's band was not the contact's frequency. Without a radio and
// without a side file nothing is written, so a log kept by hand gets no side file.
void LoggerSession::KeepContactFrequency(const QsoRecord& qso) const {
    std::optional<Hertz> hertz = m_rig.frequency;
    if (hertz && !FrequencyIsInBand(*hertz, qso.band)) hertz.reset();
    const auto path = ContactFrequencyPath(m_folder, m_settings.station.callsign);
    if (!hertz && !FileExists(path)) return;
    const std::size_t number = ContestIndexCount(ContestIndexFilesFor(m_folder, m_settings.station.callsign));
    // A frequency that cannot be written loses the frequency only, never the contact.
    (void)StoreContactFrequency(path, number, FrequencyOfContact(qso, hertz));
}

void LoggerSession::EditContactFrequency(const EditTransfer& typed) const {
    const auto path = ContactFrequencyPath(m_folder, m_settings.station.callsign);
    (void)tallyhawk::EditContactFrequency(path, TransferContactNumber(typed), EditedQsoRecord(typed));
}

void LoggerSession::DeleteContactFrequency(std::size_t number) const {
    (void)tallyhawk::DeleteContactFrequency(ContactFrequencyPath(m_folder, m_settings.station.callsign),
                                            number);
}

void LoggerSession::RealignContactFrequencies(std::string_view contestLog) const {
    const auto path = ContactFrequencyPath(m_folder, m_settings.station.callsign);
    (void)tallyhawk::RealignContactFrequencies(path, contestLog);
}

}  // namespace tallyhawk
