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
    // The per-user socket: in the user's runtime folder on Unix, a pipe named
    // after the user on Windows.
    static QString defaultServerName();

    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);

    // Asks a running instance to show its window; true when one answered.
    bool askRunningInstanceToShow();
    // Becomes the running instance. A socket left behind by a killed instance
    // is replaced. False (silently) when the socket cannot be opened.
    bool listen();
    bool isListening() const;
    const QString& serverName() const { return serverName_; }

  signals:
    // Another start asked this instance to show its window.
    void showRequested();

  private:
    void readRequests();

    QString serverName_;
    QLocalServer* server_ = nullptr;
};

} // namespace korvane::platform
