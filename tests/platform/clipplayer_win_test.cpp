// SPDX-License-Identifier: MIT
// Sound clips on Windows: PlaySound plays a clip from the program's resources
// and stops it before the clip's bytes are freed.
#include "clipplayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>
#include <QtTest>

#include <qt_windows.h>

// After windows.h, whose types it uses.
#include <mmsystem.h>

using korvane::platform::ClipPlayer;

namespace {

// A selector button's clip (one second long), as the program names it.
const QUrl kClip(QStringLiteral("qrc:/sounds/selector01.wav"));

// Whether a clip of this process is playing: PlaySound with SND_NOSTOP gives
// way to one and leaves it playing. When none plays the probe itself starts,
// and is stopped.
bool clipPlaying() {
    QFile file(QStringLiteral(":/sounds/selector01.wav"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray probe = file.readAll();
    const bool started = PlaySoundW(reinterpret_cast<LPCWSTR>(probe.constData()), nullptr,
                                    SND_MEMORY | SND_ASYNC | SND_NOSTOP | SND_NODEFAULT) != 0;
    if (started)
        PlaySoundW(nullptr, nullptr, 0);
    return !started;
}

} // namespace

class ClipPlayerWinTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        if (waveOutGetNumDevs() == 0)
            QSKIP("no audio device: PlaySound plays nothing here");
        QVERIFY(!clipPlaying());
    }

    void clipFromTheResourcesPlays() {
        ClipPlayer player;
        QVERIFY(!player.engineLoaded());
        player.play(kClip);
        QVERIFY(player.engineLoaded());
        QVERIFY(clipPlaying());
    }

    // PlaySound reads the clip's bytes while it plays: they go only with the
    // player, which stops the clip first.
    void endedPlayerStopsItsClip() {
        {
            ClipPlayer player;
            player.play(kClip);
            QVERIFY(clipPlaying());
        }
        QVERIFY(!clipPlaying());
    }

    void missingClipPlaysNothing() {
        ClipPlayer player;
        player.play(QUrl(QStringLiteral("qrc:/sounds/missing.wav")));
        QVERIFY(!clipPlaying());
        // A clip after it plays as usual.
        player.play(kClip);
        QVERIFY(clipPlaying());
    }
};

QTEST_GUILESS_MAIN(ClipPlayerWinTest)
#include "clipplayer_win_test.moc"
