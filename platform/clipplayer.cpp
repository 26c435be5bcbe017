// SPDX-License-Identifier: MIT
#include "clipplayer.h"

namespace korvane::platform {

ClipPlayer::ClipPlayer(QObject* parent) : QObject(parent) {}

void ClipPlayer::play(const QUrl& clip) {
    if (!triedLoading_) {
        triedLoading_ = true;
        engine_ = makeEngine(this);
    }
    if (engine_ != nullptr)
        QMetaObject::invokeMethod(engine_, "play", Q_ARG(QUrl, clip));
}

} // namespace korvane::platform
