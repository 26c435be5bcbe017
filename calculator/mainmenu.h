// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

class QAction;
class QMenu;
class QMenuBar;

namespace korvane {

// The main window's menus. Each action exists once; the menu bar and the tray
// menu share them.
class MainMenu : public QObject {
    Q_OBJECT
  public:
    static const char* const kCheckUpdatesUrl;
    static const char* const kWeightTableUrl;

    MainMenu(QMenuBar* menuBar, QObject* parent);
    ~MainMenu() override;

    QAction* copyOn() const { return copyOn_; }
    QAction* copyOff() const { return copyOff_; }
    QAction* showWindow() const { return showWindow_; }
    QAction* checkUpdates() const { return checkUpdates_; }
    QAction* weightTable() const { return weightTable_; }
    QAction* about() const { return about_; }
    QAction* exitProgram() const { return exitProgram_; }
    // The "复制功能" submenu, hidden while the summary panel is open.
    QMenu* copyFunctionMenu() const { return copyFunctionMenu_; }
    // The "退出" menu: never in the menu bar, it pops up from the tray icon.
    QMenu* trayMenu() const { return trayMenu_.get(); }

    // Shows the copy function's state by the check marks of "开" and "关".
    void showCopyFunction(bool on);

  private:
    QAction* copyOn_;
    QAction* copyOff_;
    QAction* showWindow_;
    QAction* checkUpdates_;
    QAction* weightTable_;
    QAction* about_;
    QAction* exitProgram_;
    QMenu* copyFunctionMenu_;
    std::unique_ptr<QMenu> trayMenu_;
};

} // namespace korvane
