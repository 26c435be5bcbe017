// SPDX-License-Identifier: MIT
#include "applicationshell.h"

#include "aboutwindow.h"
#include "calculatorpages.h"
#include "globalhotkeys.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "materialsummary.h"
#include "programicon.h"
#include "singleinstance.h"
#include "trayicon.h"
#include "windowplacement.h"

#include <QApplication>
#include <QSessionManager>
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

    // No part of the first frame: reading the pictures waits until it is painted.
    window->installEventFilter(this);

    hotKeys_ = new platform::GlobalHotKeys(this);
    showKeyId_ = hotKeys_->registerKey(Qt::Key_F1);
    hideKeyId_ = hotKeys_->registerKey(Qt::Key_Escape);
    connect(hotKeys_, &platform::GlobalHotKeys::activated, this, &ApplicationShell::onHotKey);

    connect(window, &MainWindow::exitRequested, this, &ApplicationShell::exit);
    // Logging out or shutting down asks the same question about the summary
    // list, where the session manager lets the program ask; where it does
    // not, the program ends as it is.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (window_ == nullptr || !manager.allowsInteraction())
            return;
        const bool mayEnd = window_->pages()->materialSummary()->confirmEnd();
        manager.release();
        if (!mayEnd)
            manager.cancel();
    });
    connect(window, &MainWindow::aboutRequested, this, &ApplicationShell::openAbout);
    connect(window, &MainWindow::moved, this, &ApplicationShell::dockAbout);
}

bool ApplicationShell::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && (event->type() == QEvent::Paint || event->type() == QEvent::Hide)) {
        window_->removeEventFilter(this);
        // Once the frame being painted is on the screen.
        QTimer::singleShot(0, this, &ApplicationShell::showIcons);
    }
    return false;
}

void ApplicationShell::showIcons() {
    if (tray_ != nullptr || window_ == nullptr)
        return;
    const QIcon icon = programIcon();
    // Also for the report and About windows, opened later.
    QApplication::setWindowIcon(icon);
    window_->setWindowIcon(icon);
    tray_ = new platform::TrayIcon(icon, QString::fromUtf8(kTrayTip),
                                   window_->mainMenu()->trayMenu(), this);
    tray_->set();
    connect(tray_, &platform::TrayIcon::leftClicked, window_, &MainWindow::showStoredWindow);
    connect(window_, &MainWindow::hiddenByCloseBox, tray_, &platform::TrayIcon::set);
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
    if (window_ != nullptr && !window_->pages()->materialSummary()->confirmEnd())
        return;
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
    // Without owner, so that it has its own taskbar entry and is not hidden
    // with the main window; it destroys itself when closed.
    if (about_ == nullptr)
        about_ = new AboutWindow(QString::fromUtf8(MainMenu::kCheckUpdatesUrl));
    if (window_ != nullptr)
        window_->show();
    about_->show();
    about_->raise();
    about_->activateWindow();
    dockAbout();
}

void ApplicationShell::dockAbout() {
    // Made to stay on top, the About window also stays where the user put it.
    if (about_ == nullptr || window_ == nullptr || about_->staysOnTop())
        return;
    platform::dock(about_, window_,
                   window_->frameGeometry().topLeft() + QPoint(0, kAboutOffsetTop));
}

} // namespace korvane
