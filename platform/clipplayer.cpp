// SPDX-License-Identifier: MIT
#include "clipplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace korvane::platform {

namespace {
using CreateEngine = QObject* (*)(QObject*);

QObject* loadEngine(QObject* parent) {
    const QString folder = QCoreApplication::applicationDirPath();
    // Beside the program in the build folder; in its library folder once installed.
    const QDir installed(QDir(folder).filePath(QStringLiteral(KORVANE_SOUND_MODULE_FROM_PROGRAM)));
    for (const QString& candidate : {QDir(folder).filePath(QStringLiteral("korvane_sound")),
                                     installed.filePath(QStringLiteral("korvane_sound"))}) {
        QLibrary library(candidate);
        if (!library.load())
            continue;
        auto create = reinterpret_cast<CreateEngine>(library.resolve("korvaneCreateSoundEngine"));
        if (create != nullptr)
            return create(parent);
    }
    return nullptr;
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
