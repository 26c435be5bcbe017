// SPDX-License-Identifier: MIT
#include "display.h"
#include "mainwindow.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    std::string advice;
    if (!korvane::platform::displayAvailable(&advice)) {
        std::fputs(advice.c_str(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    korvane::MainWindow window;
    window.show();
    return QApplication::exec();
}
