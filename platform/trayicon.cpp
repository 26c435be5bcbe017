// SPDX-License-Identifier: MIT
#include "trayicon.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace korvane::platform {

TrayIcon::TrayIcon(QIcon icon, QString tip, QMenu* menu, QObject* parent)
    : QObject(parent), icon_(std::move(icon)), tip_(std::move(tip)), menu_(menu) {}

void TrayIcon::set() {
    if (tray_ == nullptr) {
        tray_ = new QSystemTrayIcon(this);
        tray_->setContextMenu(menu_);
        connect(tray_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    // A double click is the second half of a click that already showed
                    // the window; the context menu is popped up by the tray itself.
                    if (reason == QSystemTrayIcon::Trigger)
                        emit leftClicked();
                });
    }
    tray_->setIcon(icon_);
    tray_->setToolTip(tip_);
    tray_->show();
}

void TrayIcon::remove() {
    if (tray_ != nullptr)
        tray_->hide();
}

bool TrayIcon::isShown() const {
    return tray_ != nullptr && tray_->isVisible();
}

bool TrayIcon::trayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace korvane::platform
