// CSoundPlayer: the sounds live in the program's resources (":/sounds/").
#include "app/qt/sound_player.h"

#ifdef TALLYHAWK_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#endif

namespace tallyhawk {
namespace {

#ifdef TALLYHAWK_HAVE_MULTIMEDIA

QUrl SoundUrl(Sound sound) {
    return QUrl(sound == Sound::WorkedBefore ? QStringLiteral("qrc:/sounds/worked_before.wav")
                                             : QStringLiteral("qrc:/sounds/incomplete_row.wav"));
}
#endif

}  // namespace

CSoundPlayer::CSoundPlayer(QObject* parent) : QObject(parent) {}

void CSoundPlayer::Play(Sound sound) {
    emit played(sound);
    if (QSoundEffect* effect = EffectFor(sound)) effect->play();
}

QSoundEffect* CSoundPlayer::EffectFor(Sound sound) {
#ifdef TALLYHAWK_HAVE_MULTIMEDIA
    // Asked once, at the first sound: the audio system is not started for a session without sounds.
    if (!m_audioChecked) {
        m_audioChecked = true;
        m_audioAvailable = !QMediaDevices::audioOutputs().isEmpty();
    }
    if (!m_audioAvailable) return nullptr;
    QSoundEffect*& effect = m_effects[sound];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(SoundUrl(sound));
    }
    return effect;
#else
    (void)sound;
    return nullptr;
#endif
}

}  // namespace tallyhawk
