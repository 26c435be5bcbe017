// SPDX-License-Identifier: MIT
#include "clipplayer.h"

#include <QByteArray>
#include <QFile>
#include <QHash>

#include <qt_windows.h>

// After windows.h, whose types it uses.
#include <mmsystem.h>

namespace korvane::platform {

namespace {

// Plays clips with the system's own PlaySound from their bytes in memory, so
// that no multimedia library is needed. The bytes of every clip played stay
// here, as PlaySound reads them while the clip plays.
class WaveClipEngine : public QObject {
    Q_OBJECT
  public:
    explicit WaveClipEngine(QObject* parent) : QObject(parent) {}
    ~WaveClipEngine() override {
        // The bytes go with this engine: the clip must stop first.
        PlaySoundW(nullptr, nullptr, 0);
    }

    Q_INVOKABLE void play(const QUrl& clip) {
        auto bytes = clips_.constFind(clip);
        if (bytes == clips_.cend())
            bytes = clips_.insert(clip, read(clip));
        if (bytes->isEmpty())
            return;
        // Returns at once; a clip still playing is cut off. Without an audio
        // device nothing plays and nothing is reported.
        PlaySoundW(reinterpret_cast<LPCWSTR>(bytes->constData()), nullptr,
                   SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }

  private:
    // Clips are the program's resources (qrc:/sounds/NAME.wav) or files.
    static QByteArray read(const QUrl& clip) {
        QFile file(clip.scheme() == u"qrc" ? u':' + clip.path() : clip.toLocalFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QHash<QUrl, QByteArray> clips_;
};

} // namespace

QObject* ClipPlayer::makeEngine(QObject* parent) {
    return new WaveClipEngine(parent);
}

} // namespace korvane::platform

#include "clipplayer_win.moc"
