// CSoundPlayer: the program's own two sounds (the worked-before alarm and the incomplete-row warning),
// played without waiting; silence where there is no audio output.
#pragma once

#include <QObject>
#include <map>

#include "app/session/effects.h"

class QSoundEffect;

namespace tallyhawk {

class CSoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit CSoundPlayer(QObject* parent = nullptr);

    void Play(Sound sound);

signals:
    // Every sound asked for, heard or not.
    void played(tallyhawk::Sound sound);

private:
    QSoundEffect* EffectFor(Sound sound);

    std::map<Sound, QSoundEffect*> m_effects;
    bool m_audioChecked = false;
    bool m_audioAvailable = false;
};

}  // namespace tallyhawk
