// SPDX-License-Identifier: MIT
#pragma once

#include "aboutwindow.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace korvane {

class MainWindow;
namespace platform {
class GlobalHotKeys;
class SingleInstance;
class TrayIcon;
} // namespace platform

// Everything around the main window: one instance per user, the tray icon, the
// hot keys F1 (show) and Esc (hide), and the end of the program.
class ApplicationShell : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kTrayTip = "Korvane2019版";

    explicit ApplicationShell(const QString& instanceName, QObject* parent = nullptr);
    ~ApplicationShell() override;

    // Asks an instance that already runs to show its window; true when there is
    // one, and this start is then to end. Otherwise this start becomes the
    // running instance and listens for later starts at once, before its window
    // is built, so that simultaneous starts wait on each other only briefly.
    bool handOverToRunningInstance();
    // Runs `window`: shows it on later starts, adds the tray icon once the
    // window's first frame is painted, and takes the hot keys.
    void attach(MainWindow* window);
    // "退出" and "退出软件": a modified summary list asks first whether to
    // save it; unless that is cancelled or the save fails, the program ends
    // with exit code 0 once the current event is handled.
    void exit();

    // Null until the window's first frame is painted.
    platform::TrayIcon* trayIcon() const { return tray_; }
    int showHotKeyId() const { return showKeyId_; }
    int hideHotKeyId() const { return hideKeyId_; }
    platform::SingleInstance* instance() const { return instance_; }
    // The open About window, or null.
    AboutWindow* aboutWindow() const { return about_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The icon of the windows and the tray.
    void showIcons();
    void onHotKey(int id);
    void openAbout();
    void dockAbout();

    platform::SingleInstance* instance_;
    platform::TrayIcon* tray_ = nullptr;
    platform::GlobalHotKeys* hotKeys_ = nullptr;
    MainWindow* window_ = nullptr;
    QPointer<AboutWindow> about_;
    int showKeyId_ = 0;
    int hideKeyId_ = 0;
};

} // namespace korvane
