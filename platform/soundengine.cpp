// SPDX-License-Identifier: MIT
#include "soundengine.h"

#include <QSoundEffect>

namespace korvane::platform {

SoundEngine::SoundEngine(QObject* parent) : QObject(parent) {}

void SoundEngine::play(const QUrl& clip) {
    QSoundEffect*& effect = effects_[clip];
    if (effect == nullptr) {
        effect = new QSoundEffect(this);
        effect->setSource(clip);
    }
    // One clip at a time: a new click cuts off the clip still playing.
    for (QSoundEffect* other : std::as_const(effects_))
        other->stop();
    // Without an audio device the effect never plays; nothing is reported.
    effect->play();
}

} // namespace korvane::platform

QObject* korvaneCreateSoundEngine(QObject* parent) {
    return new korvane::platform::SoundEngine(parent);
}
