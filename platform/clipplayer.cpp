// SPDX-License-Identifier: MIT
#include "clipplayer.h"

#include "programmodule.h"

namespace korvane::platform {

namespace {
using CreateEngine = QObject* (*)(QObject*);

QObject* loadEngine(QObject* parent) {
    auto create = reinterpret_cast<CreateEngine>(
        ProgramModule::resolve(QStringLiteral("korvane_sound"), "korvaneCreateSoundEngine"));
    return create != nullptr ? create(parent) : nullptr;
}
} // namespace

ClipPlayer::ClipPlayer(QObject* parent) : QObject(parent) {}

void ClipPlayer::play(const QUrl& clip) {
    if (!triedLoading_) {
        triedLoading_ = true;
        engine_ = loadEngine(this);
    }
    if (engine_ != nullptr)
        QMetaObject::invokeMethod(engine_, "play", Q_ARG(QUrl, clip));
}

} // namespace korvane::platform
