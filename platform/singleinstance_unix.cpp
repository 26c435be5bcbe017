// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace korvane::platform {

namespace {
const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kConnectTimeoutMs = 1000;
// A start holds the lock for one connect and one listen: a few milliseconds, at
// worst the three socket timeouts above. A lock older than this belongs to a
// process that hangs; one of a process that was killed is stale at once.
constexpr int kStaleLockMs = 10000;
// Long enough for a hanging holder's lock to go stale.
constexpr int kLockWaitMs = kStaleLockMs + 2000;

void readRequests(SingleInstance* instance, QLocalServer* server) {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        auto handle = [instance, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == kShowRequest)
                    emit instance->showRequested();
            }
        };
        QObject::connect(socket, &QLocalSocket::readyRead, instance, handle);
        // A short-lived client may be gone before its request was read.
        QObject::connect(socket, &QLocalSocket::disconnected, instance, handle);
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        handle();
    }
}
} // namespace

class SingleInstance::Server : public QLocalServer {
  public:
    using QLocalServer::QLocalServer;
};

QString SingleInstance::defaultServerName() {
    // The runtime folder belongs to the user alone (mode 0700).
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder.isEmpty() ? QDir::tempPath() : folder).filePath(QStringLiteral("korvane"));
}

QString SingleInstance::lockFileName() const {
    // A bare name is a socket in the temporary folder.
    const QString lockName = serverName_ + QStringLiteral(".lock");
    return QFileInfo(serverName_).isAbsolute() ? lockName : QDir::temp().filePath(lockName);
}

SingleInstance::Role SingleInstance::claim() {
    if (isListening())
        return Role::Running;
    QLockFile lock(lockFileName());
    lock.setStaleLockTime(kStaleLockMs);
    // Without the lock (a folder that cannot be written) the start goes on
    // unguarded rather than not at all.
    const bool locked = lock.tryLock(kLockWaitMs);
    if (askRunningInstanceToShow())
        return Role::HandedOver;
    // Nobody answered, and nobody else can start listening while the lock is
    // held: a socket left there is stale.
    if (locked)
        QLocalServer::removeServer(serverName_);
    return listen() ? Role::Running : Role::Unguarded;
}

bool SingleInstance::askRunningInstanceToShow() {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectTimeoutMs);
    return true;
}

bool SingleInstance::listen() {
    delete server_;
    server_ = new Server(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] { readRequests(this, server_); });
    return server_->listen(serverName_);
}

bool SingleInstance::isListening() const {
    return server_ != nullptr && server_->isListening();
}

} // namespace korvane::platform
