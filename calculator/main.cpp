// SPDX-License-Identifier: MIT
#include "applicationshell.h"
#include "calculatorpages.h"
#include "display.h"
#include "mainwindow.h"
#include "materialsummary.h"
#include "singleinstance.h"
#include "visualstyle.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    std::string advice;
    if (!korvane::platform::displayAvailable(&advice)) {
        std::fputs(advice.c_str(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // Names the data folder of the summary list and the report header texts.
    QApplication::setApplicationName(QStringLiteral("korvane"));
    // Lets the desktop match the windows to korvane.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
    korvane::VisualStyle::apply();

    korvane::ApplicationShell shell(korvane::platform::SingleInstance::defaultServerName());
    // A second start only shows the running instance's window.
    if (shell.handOverToRunningInstance())
        return 0;

    korvane::MainWindow window;
    shell.attach(&window);
    // Only the instance that runs reads the list, once.
    window.pages()->materialSummary()->load();
    window.show();
    return QApplication::exec();
}
