// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

namespace korvane::platform {

// One running instance per user. On Unix the first instance listens on a local
// socket that only its user can open; a later start connects to it, asks it to
// show its window and ends. On Windows the first instance holds a named event
// in the user's session and keeps the handle of its main window (the first
// ordinary window it shows) in the registry, value "wodechengxu" under
// HKEY_CURRENT_USER; a later start finds the event and asks that window to
// show itself.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Role {
        // This process listens now: it is the running instance.
        Running,
        // Another instance runs and was asked to show its window.
        HandedOver,
        // Neither: the socket or the event cannot be made. The program runs on
        // by itself.
        Unguarded,
    };
    Q_ENUM(Role)

    // The per-user socket in the user's runtime folder on Unix; the event's
    // name on Windows, the one all versions of the program use.
    static QString defaultServerName();

    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);

    // Either asks a running instance to show its window or becomes the running
    // instance. Starts at the same moment (a double click on a launcher) end
    // up with exactly one of them running: on Unix they take turns through a
    // lock file beside the socket, and a socket left behind by a killed
    // instance is replaced; on Windows creating the event decides at once,
    // and the event goes with the process that made it.
    Role claim();
    bool isListening() const;
    const QString& serverName() const { return serverName_; }
    // Held while a start looks for a running instance and opens the socket;
    // empty on Windows, which needs no lock.
    QString lockFileName() const;

  signals:
    // Another start asked this instance to show its window.
    void showRequested();

  private:
    // The running instance's side, a child of this object: the local server on
    // Unix; the event and the main window's handle on Windows.
    class Server;

    bool askRunningInstanceToShow();
    bool listen();

    QString serverName_;
    Server* server_ = nullptr;
};

} // namespace korvane::platform
