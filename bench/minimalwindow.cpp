// SPDX-License-Identifier: MIT
// The yardstick for the program's start-up: a plain Qt window of the same size,
// at the same place, with the same kinds and numbers of widgets, and nothing else.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"菜单", "更新", "查看", "帮助"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("…"));
    auto* client = new QWidget;
    window.setCentralWidget(client);

    auto* tabs = new QTabWidget(client);
    tabs->setGeometry(0, -5, 582, 295);
    tabs->tabBar()->hide();
    // Per page: nested pages, fields, lists — as many as the program has.
    const int nested[13] = {2, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 2};
    const int fields[13] = {5, 1, 2, 1, 6, 4, 3, 1, 2, 3, 1, 1, 4};
    const int lists[13] = {1, 1, 2, 1, 1, 0, 0, 1, 0, 0, 1, 1, 0};
    for (int page = 0; page < 13; ++page) {
        auto* pageWidget = new QWidget;
        tabs->addTab(pageWidget, QString::number(page));
        QWidget* holder = pageWidget;
        if (nested[page] > 0) {
            auto* inner = new QTabWidget(pageWidget);
            inner->setGeometry(0, 41, 580, 254);
            for (int i = 0; i < nested[page]; ++i)
                inner->addTab(new QWidget, QString::number(i));
            holder = inner->widget(0);
        }
        for (int i = 0; i < fields[page]; ++i)
            (new QLineEdit(holder))->setGeometry(100 + 90 * i, 60, 80, 28);
        for (int i = 0; i < lists[page]; ++i)
            (new QTreeWidget(holder))->setGeometry(1, 49, 260, 200);
    }
    for (int i = 0; i < 13; ++i)
        (new QPushButton(QStringLiteral("钢板"), client))->setGeometry(9 + 43 * i, 6, 40, 24);
    (new QLabel(client))->setGeometry(0, 255, 584, 36);
    (new QCheckBox(QStringLiteral("总在最前"), client))->setGeometry(19, 260, 79, 25);
    (new QLabel(client))->setGeometry(355, 260, 24, 24);
    (new QPushButton(QStringLiteral("打开材料汇总"), client))->setGeometry(384, 260, 90, 24);
    (new QPushButton(QStringLiteral("退出"), client))->setGeometry(504, 260, 70, 24);
    (new QPushButton(client))->setGeometry(-58, 224, 56, 40);
    (new QGroupBox(client))->setGeometry(6, 292, 566, 276);

    window.setWindowTitle(QStringLiteral("minimal"));
    window.setFixedSize(578, 311);
    window.move(680, 20);
    window.show();
    return QApplication::exec();
}
