// SPDX-License-Identifier: MIT
#include "aboutwindow.h"

#include "developerpage.h"
#include "introductiontext.h"
#include "productshowcase.h"
#include "staysontop.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>

#include <algorithm>

namespace korvane {

namespace {
// The tab control starts one pixel above the window, which hides its top edge.
const QRect kTabControl(0, -1, 582, 409);
// Each page's group box, relative to the tab control (tab strip included).
const QRect kPageBox(8, 24, 566, 377);
const QRect kOnTopBox(482, 2, 88, 19);
const QRect kIntroductionText(16, 15, 537, 354);
constexpr int kIntroductionTextHeight = 16;

QWidget* addPage(QTabWidget* tabs, QGroupBox* box, const QString& caption) {
    auto* page = new QWidget;
    box->setParent(page);
    tabs->addTab(page, caption);
    return page;
}
} // namespace

AboutWindow::AboutWindow(const QString& downloadPage, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("关于"));
    // The client area holds the tab control; the window's frame makes up the
    // rest of its outer 584 × 434.
    setFixedSize(kTabControl.width(), kTabControl.bottom() + 1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("选择夹6"));
    tabs_->setGeometry(kTabControl);

    showcase_ = new ProductShowcase;
    addPage(tabs_, showcase_, QStringLiteral("产品展示"));
    developer_ = new DeveloperPage;
    addPage(tabs_, developer_, QStringLiteral("开发者"));

    auto* introductionBox = new QGroupBox;
    introductionBox->setObjectName(QStringLiteral("分组框12"));
    introduction_ = new QPlainTextEdit(introductionBox);
    introduction_->setObjectName(QStringLiteral("编辑框1"));
    introduction_->setGeometry(kIntroductionText);
    introduction_->setReadOnly(true);
    introduction_->setFrameShape(QFrame::NoFrame);
    introduction_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    introduction_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = QApplication::font();
    font.setPixelSize(kIntroductionTextHeight);
    introduction_->setFont(font);
    QPalette palette = introduction_->palette();
    palette.setColor(QPalette::Text, QColor(0, 0, 255));
    palette.setColor(QPalette::Base, Qt::white);
    introduction_->setPalette(palette);
    introduction_->setPlainText(introductionText(downloadPage));
    addPage(tabs_, introductionBox, QStringLiteral("软件介绍"));

    // Over the empty right end of the tab strip.
    onTop_ = new QCheckBox(QStringLiteral("总在最前"), this);
    onTop_->setObjectName(QStringLiteral("选择框1"));
    onTop_->setGeometry(kOnTopBox);
    onTop_->raise();
    connect(onTop_, &QCheckBox::clicked, this, &AboutWindow::setAlwaysOnTop);
    placePages();
}

bool AboutWindow::staysOnTop() const {
    return onTop_->isChecked();
}

void AboutWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    placePages();
}

void AboutWindow::placePages() {
    tabs_->ensurePolished();
    QWidget* current = tabs_->currentWidget();
    // Until the tab control is laid out its pages sit at the origin.
    const QPoint origin = current->mapTo(tabs_, QPoint(0, 0));
    const QPoint inPage(kPageBox.left() - origin.x(), std::max(0, kPageBox.top() - origin.y()));
    for (int i = 0; i < tabs_->count(); ++i)
        if (auto* box =
                tabs_->widget(i)->findChild<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly))
            box->setGeometry(QRect(inPage, kPageBox.size()));
}

void AboutWindow::setAlwaysOnTop(bool on) {
    platform::setStaysOnTop(this, on);
}

} // namespace korvane
