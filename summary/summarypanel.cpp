// SPDX-License-Identifier: MIT
#include "summarypanel.h"

#include "clipboard.h"
#include "gbkstring.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "summarylist.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <cstdint>

namespace korvane {
namespace {

constexpr QRgb kTitleColor = qRgb(255, 128, 192);

std::string numberText(int position) {
    return NumberText::defaultNumberText(std::int32_t(position));
}

template <typename Widget> Widget* place(Widget* widget, const char* name, QRect rect) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(rect);
    return widget;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, QRect rect) {
    auto* label = place(new QLabel(QString::fromUtf8(text), parent), name, rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// The same look as the calculator pages' titles. The title sits on the group
// box's frame and hides the frame line behind it.
QLabel* makeTitle(QWidget* parent) {
    const QRect rect(208, -4, 149, 31);
    auto* title = makeLabel(parent, "标签14", "材料重量汇总表", rect);
    title->setAlignment(Qt::AlignCenter);
    QFont font = title->font();
    font.setFamily(QStringLiteral("黑体"));
    font.setPixelSize(std::min(18, rect.height() - 6));
    font.setBold(true);
    title->setFont(font);
    QPalette colors = title->palette();
    colors.setColor(QPalette::WindowText, QColor(kTitleColor));
    title->setPalette(colors);
    title->setAutoFillBackground(true);
    return title;
}

// Buttons and check boxes leave the keyboard focus where it is, in the page's
// Enter/Tab cycle.
template <typename Button>
Button* makeButton(QWidget* parent, const char* name, const char* text, QRect rect) {
    auto* button = place(new Button(QString::fromUtf8(text), parent), name, rect);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The up/down spinner: a pair of arrow buttons, one above the other.
QWidget* makeSpinner(QWidget* parent, QToolButton*& up, QToolButton*& down) {
    const QRect rect(525, 65, 20, 70);
    auto* spinner = place(new QWidget(parent), "调节器1", rect);
    const int half = rect.height() / 2;
    up = place(new QToolButton(spinner), "调节器1上", QRect(0, 0, rect.width(), half));
    down = place(new QToolButton(spinner), "调节器1下",
                 QRect(0, half, rect.width(), rect.height() - half));
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up, down})
        arrow->setFocusPolicy(Qt::NoFocus);
    return spinner;
}

} // namespace

SummaryPanel::SummaryPanel(QGroupBox* box) : QObject(box) {
    buildControls(box);
}

void SummaryPanel::buildControls(QGroupBox* box) {
    checkAllBox_ = makeButton<QCheckBox>(box, "选择框1全选", "全选", {11, 32, 48, 16});
    makeLabel(box, "标签2汇总材料总重", "汇总材料总重(Kg):", {63, 27, 127, 24});
    total_ = makeLabel(box, "标签1总重求和", "0", {192, 27, 80, 24});
    makeLabel(box, "标签3选中材料总重", "选中材料总重(Kg):", {277, 27, 127, 24});
    checkedTotal_ = makeLabel(box, "标签4选中求和", "0", {407, 27, 80, 24});
    numbersTravelBox_ =
        makeButton<QCheckBox>(box, "选择框1是否第一列", "序号换行", {493, 32, 70, 24});

    list_ = place(new SummaryList(box), "超级列表框1汇总", {9, 62, 516, 178});

    QToolButton* up = nullptr;
    QToolButton* down = nullptr;
    makeSpinner(box, up, down);
    makeLabel(box, "标签14上", "上", {547, 65, 15, 15});
    makeLabel(box, "标签14上调", "移", {547, 82, 15, 15});
    makeLabel(box, "标签14下", "下", {547, 105, 15, 15});
    makeLabel(box, "标签14下调", "移", {547, 122, 15, 15});

    auto* deleteButton =
        makeButton<QPushButton>(box, "按钮1删除选中项", "删除选中项", {194, 246, 80, 24});
    auto* saveButton = makeButton<QPushButton>(box, "按钮4保存", "保存材料", {298, 246, 70, 24});
    auto* addButton = makeButton<QPushButton>(box, "按钮1添加", "添加", {393, 246, 70, 24});
    auto* reportButton =
        makeButton<QPushButton>(box, "按钮3材料汇总", "导出打印", {488, 246, 70, 24});

    // Created last so that it stays above the frame line it covers.
    makeTitle(box);

    connect(checkAllBox_, &QCheckBox::clicked, this, &SummaryPanel::checkAll);
    connect(list_, &SummaryList::checkMarkChanged, this, &SummaryPanel::recomputeCheckedTotal);
    connect(list_, &SummaryList::doubleClickedAt, this,
            [this](QPoint position) { copyCell(position.x()); });
    connect(up, &QToolButton::clicked, this, &SummaryPanel::moveRowUp);
    connect(down, &QToolButton::clicked, this, &SummaryPanel::moveRowDown);
    connect(deleteButton, &QPushButton::clicked, this, &SummaryPanel::deleteCheckedRows);
    connect(saveButton, &QPushButton::clicked, this, &SummaryPanel::saveRequested);
    connect(addButton, &QPushButton::clicked, this, &SummaryPanel::addRequested);
    connect(reportButton, &QPushButton::clicked, this, &SummaryPanel::reportRequested);
}

void SummaryPanel::appendLine(SummaryItem line) {
    const int row = list_->rowCount();
    line.cells[SummaryItem::Number] = numberText(row + 1);
    list_->insertLine(row, line);
    recomputeTotal();
}

QString SummaryPanel::sum(bool checkedOnly) const {
    double total = 0;
    for (int row = 0; row < list_->rowCount(); ++row) {
        if (!checkedOnly || list_->isChecked(row))
            total += NumberText::textToNumber(list_->cellText(row, SummaryItem::Weight));
    }
    return fromGbk(NumberText::defaultNumberText(total));
}

void SummaryPanel::recomputeTotal() {
    total_->setText(sum(false));
}

void SummaryPanel::recomputeCheckedTotal() {
    checkedTotal_->setText(sum(true));
}

void SummaryPanel::deleteCheckedRows() {
    list_->removeCheckedLines();
    list_->setColumnTexts(SummaryItem::Number, [](int row) { return numberText(row + 1); });
    recomputeTotal();
    checkedTotal_->setText(QStringLiteral("0"));
    checkAllBox_->setChecked(false);
}

void SummaryPanel::checkAll() {
    const bool checked = checkAllBox_->isChecked();
    for (int row = 0; row < list_->rowCount(); ++row)
        list_->setChecked(row, checked);
    recomputeCheckedTotal();
    recomputeTotal();
}

void SummaryPanel::copyCell(int x) {
    const int column = list_->columnAtX(x);
    if (column < 0)
        return;
    const int row = list_->selectedRow();
    const std::string text = row < 0 ? std::string() : list_->cellText(row, column);
    platform::setClipboardText(text);
    platform::MessageBoxes::current().plain(QStringLiteral("复制成功：") + fromGbk(text));
}

void SummaryPanel::moveRowUp() {
    const int row = list_->selectedRow();
    if (row == 0) {
        platform::MessageBoxes::current().warning(QStringLiteral("到顶了！！"));
        return;
    }
    if (row > 0)
        moveRow(row, row - 1);
}

void SummaryPanel::moveRowDown() {
    const int row = list_->selectedRow();
    // An empty list has nothing selected and no room below either.
    if (row == list_->rowCount() - 1) {
        platform::MessageBoxes::current().warning(QStringLiteral("到底了！！"));
        return;
    }
    if (row >= 0)
        moveRow(row, row + 1);
}

void SummaryPanel::moveRow(int from, int to) {
    const SummaryItem line = list_->line(from);
    // The check mark travels with its line: the checked total counts it still.
    const bool checked = list_->isChecked(from);
    list_->removeRow(from);
    list_->insertLine(to, line);
    list_->setChecked(to, checked);
    // Unless "序号换行" is checked, the numbers stay in list order and only
    // the two rows that swapped places are renumbered.
    if (!numbersTravelBox_->isChecked()) {
        list_->setCellText(to, SummaryItem::Number, numberText(to + 1));
        list_->setCellText(from, SummaryItem::Number, numberText(from + 1));
    }
    list_->scrollToItem(list_->item(to, 0));
    list_->selectRow(to);
    list_->setFocus(Qt::OtherFocusReason);
    recomputeCheckedTotal();
}

std::vector<SummaryItem> SummaryPanel::rows() const {
    return list_->lines();
}

void SummaryPanel::setRows(const std::vector<SummaryItem>& rows) {
    list_->setLines(rows);
}

} // namespace korvane
