// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QUrl>

namespace korvane::platform {

// Plays short sound clips, one at a time: a new clip cuts off the one still
// playing. The sound engine is made by the first clip played, so that starting
// the program never waits for audio: on Unix it is a module of its own that
// links the multimedia libraries; on Windows the system's PlaySound plays the
// clip's bytes. Without the module or without an audio device playing does
// nothing.
class ClipPlayer : public QObject {
    Q_OBJECT
  public:
    explicit ClipPlayer(QObject* parent = nullptr);

    void play(const QUrl& clip);
    // Whether the sound engine has been made (on first use only).
    bool engineLoaded() const { return engine_ != nullptr; }

  private:
    // The platform's engine, a child of `parent` with an invokable
    // play(QUrl); null when there is none.
    static QObject* makeEngine(QObject* parent);

    QObject* engine_ = nullptr;
    bool triedLoading_ = false;
};

} // namespace korvane::platform
