// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace korvane::platform {

namespace {
const QByteArray kShowRequest = QByteArrayLiteral("show\n");
constexpr int kConnectTimeoutMs = 1000;
} // namespace

QString SingleInstance::defaultServerName() {
#ifdef Q_OS_WIN
    return QStringLiteral("korvane-") + qEnvironmentVariable("USERNAME");
#else
    // The runtime folder belongs to the user alone (mode 0700).
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder.isEmpty() ? QDir::tempPath() : folder).filePath(QStringLiteral("korvane"));
#endif
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {}

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
    if (server_ != nullptr)
        return server_->isListening();
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::readRequests);
    // Only called after nobody answered: whatever socket is left there is stale.
    if (server_->listen(serverName_))
        return true;
    QLocalServer::removeServer(serverName_);
    return server_->listen(serverName_);
}

bool SingleInstance::isListening() const {
    return server_ != nullptr && server_->isListening();
}

void SingleInstance::readRequests() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto handle = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == kShowRequest)
                    emit showRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, handle);
        // A short-lived client may be gone before its request was read.
        connect(socket, &QLocalSocket::disconnected, this, handle);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        handle();
    }
}

} // namespace korvane::platform
