// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace korvane::platform {

// One running instance per user. The first instance listens on a local socket
// that only its user can open; a later start connects to it, asks it to show
// its window and ends.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Role {
        // This process listens now: it is the running instance.
        Running,
        // Another instance runs and was asked to show its window.
        HandedOver,
        // Neither: the socket cannot be opened. The program runs on by itself.
        Unguarded,
    };
    Q_ENUM(Role)

    // The per-user socket: in the user's runtime folder on Unix, a pipe named
    // after the user on Windows.
    static QString defaultServerName();

    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);

    // Either asks a running instance to show its window or becomes the running
    // instance. Starts at the same moment (a double click on a launcher) take
    // turns through a lock file beside the socket, so that exactly one of them
    // ends up running. A socket left behind by a killed instance is replaced.
    Role claim();
    bool isListening() const;
    const QString& serverName() const { return serverName_; }
    // Held while a start looks for a running instance and opens the socket.
    QString lockFileName() const;

  signals:
    // Another start asked this instance to show its window.
    void showRequested();

  private:
    bool askRunningInstanceToShow();
    bool listen();
    void readRequests();

    QString serverName_;
    QLocalServer* server_ = nullptr;
};

} // namespace korvane::platform
