// SPDX-License-Identifier: MIT
#include "applicationshell.h"

#include "globalhotkeys.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "singleinstance.h"
#include "svgpicture.h"
#include "trayicon.h"

#include <QApplication>
#include <QTimer>

namespace korvane {

namespace {
// The About window sits below the main window's title, at its left edge.
constexpr int kAboutOffsetTop = 178;
} // namespace

ApplicationShell::ApplicationShell(const QString& instanceName, QObject* parent)
    : QObject(parent), instance_(new platform::SingleInstance(instanceName, this)) {
    // The program lives on in the tray when its last window is closed.
    QApplication::setQuitOnLastWindowClosed(false);
}

ApplicationShell::~ApplicationShell() = default;

bool ApplicationShell::handOverToRunningInstance() {
    return instance_->claim() == platform::SingleInstance::Role::HandedOver;
}

void ApplicationShell::attach(MainWindow* window) {
    window_ = window;
    connect(instance_, &platform::SingleInstance::showRequested, window,
            &MainWindow::showStoredWindow);

    const QIcon icon = SvgPicture::icon(QStringLiteral(":/pictures/korvane.svg"));
    window->setWindowIcon(icon);
    tray_ = new platform::TrayIcon(icon, QString::fromUtf8(kTrayTip),
                                   window->mainMenu()->trayMenu(), this);
    tray_->set();
    connect(tray_, &platform::TrayIcon::leftClicked, window, &MainWindow::showStoredWindow);
    connect(window, &MainWindow::hiddenByCloseBox, tray_, &platform::TrayIcon::set);

    hotKeys_ = new platform::GlobalHotKeys(this);
    showKeyId_ = hotKeys_->registerKey(Qt::Key_F1);
    hideKeyId_ = hotKeys_->registerKey(Qt::Key_Escape);
    connect(hotKeys_, &platform::GlobalHotKeys::activated, this, &ApplicationShell::onHotKey);

    connect(window, &MainWindow::exitRequested, this, &ApplicationShell::exit);
    connect(window, &MainWindow::aboutRequested, this, &ApplicationShell::openAbout);
    connect(window, &MainWindow::moved, this, &ApplicationShell::dockAbout);
}

void ApplicationShell::onHotKey(int id) {
    if (window_ == nullptr)
        return;
    if (id == hideKeyId_)
        window_->hide();
    else if (id == showKeyId_)
        window_->show();
}

void ApplicationShell::exit() {
    // Posted, so that the handler that asked for it finishes first.
    QTimer::singleShot(0, qApp, [this] {
        if (tray_ != nullptr)
            tray_->remove();
        if (hotKeys_ != nullptr)
            hotKeys_->unregisterAll();
        QCoreApplication::exit(0);
    });
}

void ApplicationShell::openAbout() {
    // Until the About window exists, an empty window stands in its place.
    if (about_ == nullptr) {
        about_ = new QWidget(nullptr, Qt::Window);
        about_->setAttribute(Qt::WA_DeleteOnClose);
        about_->setWindowTitle(QStringLiteral("关于"));
        about_->resize(420, 300);
    }
    about_->show();
    dockAbout();
}

void ApplicationShell::dockAbout() {
    if (about_ == nullptr || window_ == nullptr)
        return;
    const QRect frame = window_->frameGeometry();
    about_->move(frame.left(), frame.top() + kAboutOffsetTop);
}

} // namespace korvane
