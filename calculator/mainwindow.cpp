// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include <QWidget>

namespace korvane {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("启动窗口"));
    setWindowTitle(QStringLiteral("Korvane2019版-免费版"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    setFixedSize(kClientWidth, kClientHeight);
    move(kLeft, kTop);
}

} // namespace korvane
