// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QMenu;
class QSystemTrayIcon;

namespace korvane::platform {

// The program's icon in the notification area. Where the desktop has no tray
// the calls do nothing; an icon set meanwhile appears once a tray shows up.
class TrayIcon : public QObject {
    Q_OBJECT
  public:
    TrayIcon(QIcon icon, QString tip, QMenu* menu, QObject* parent = nullptr);

    // Shows the icon, or renews its picture and tip when it is already shown.
    void set();
    void remove();
    bool isShown() const;
    static bool trayAvailable();

  signals:
    void leftClicked();

  private:
    QIcon icon_;
    QString tip_;
    QMenu* menu_;
    QSystemTrayIcon* tray_ = nullptr;
};

} // namespace korvane::platform
