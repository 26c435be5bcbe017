// SPDX-License-Identifier: MIT
#include "mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace korvane {

const char* const MainMenu::kCheckUpdatesUrl = "https://korvane.org/download/";
const char* const MainMenu::kWeightTableUrl = "https://korvane.org/download/steel-weight-table/";

MainMenu::MainMenu(QMenuBar* menuBar, QObject* parent) : QObject(parent) {
    auto action = [this](const char* text, bool checkable = false) {
        auto* created = new QAction(QString::fromUtf8(text), this);
        created->setCheckable(checkable);
        return created;
    };
    copyOn_ = action("开", true);
    copyOff_ = action("关", true);
    showWindow_ = action("显示");
    showWindow_->setVisible(false);
    checkUpdates_ = action("检查更新");
    weightTable_ = action("钢材理论重量表");
    about_ = action("关于");
    exitProgram_ = action("退出软件");

    QMenu* menu = menuBar->addMenu(QStringLiteral("菜单"));
    copyFunctionMenu_ = menu->addMenu(QStringLiteral("复制功能"));
    copyFunctionMenu_->addAction(copyOn_);
    copyFunctionMenu_->addAction(copyOff_);
    menu->addAction(showWindow_);
    menuBar->addMenu(QStringLiteral("更新"))->addAction(checkUpdates_);
    menuBar->addMenu(QStringLiteral("查看"))->addAction(weightTable_);
    menuBar->addMenu(QStringLiteral("帮助"))->addAction(about_);

    // Without a parent widget: this menu is never part of the menu bar.
    trayMenu_ = std::make_unique<QMenu>(QStringLiteral("退出"));
    trayMenu_->addAction(exitProgram_);
}

MainMenu::~MainMenu() = default;

void MainMenu::showCopyFunction(bool on) {
    copyOn_->setChecked(on);
    copyOff_->setChecked(!on);
}

} // namespace korvane
