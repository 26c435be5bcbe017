// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QUrl>

namespace korvane::platform {

// Plays short sound clips. The sound engine is a module of its own, loaded by
// the first clip played, so that starting the program never waits for audio.
// Without the module or without an audio device playing does nothing.
class ClipPlayer : public QObject {
    Q_OBJECT
  public:
    explicit ClipPlayer(QObject* parent = nullptr);

    void play(const QUrl& clip);
    // Whether the sound module has been loaded (it is loaded on first use only).
    bool engineLoaded() const { return engine_ != nullptr; }

  private:
    QObject* engine_ = nullptr;
    bool triedLoading_ = false;
};

} // namespace korvane::platform
