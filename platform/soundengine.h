// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QUrl>

class QSoundEffect;

namespace korvane::platform {

// The sound module's player, one effect per clip, kept for the next click.
class SoundEngine : public QObject {
    Q_OBJECT
  public:
    explicit SoundEngine(QObject* parent = nullptr);
    Q_INVOKABLE void play(const QUrl& clip);

  private:
    QHash<QUrl, QSoundEffect*> effects_;
};

} // namespace korvane::platform

// Entry point looked up by ClipPlayer when it loads the module.
extern "C" Q_DECL_EXPORT QObject* korvaneCreateSoundEngine(QObject* parent);
