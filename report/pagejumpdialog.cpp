// SPDX-License-Identifier: MIT
#include "pagejumpdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace korvane {

PageJumpDialog::PageJumpDialog(int currentPage, int pageCount, QWidget* parent)
    : QDialog(parent), pageCount_(pageCount) {
    setWindowTitle(QStringLiteral("页面跳转"));
    field_ = new QLineEdit(QString::number(currentPage), this);
    field_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), this));
    field_->selectAll();
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("确定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消(&C)"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (page() > 0)
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(field_, &QLineEdit::textChanged, this, &PageJumpDialog::check);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("请输入欲跳转到页号:"), this));
    layout->addWidget(field_);
    layout->addWidget(buttons);
    check();
}

int PageJumpDialog::page() const {
    bool ok = false;
    const int page = field_->text().toInt(&ok);
    return ok && page >= 1 && page <= pageCount_ ? page : 0;
}

void PageJumpDialog::check() {
    ok_->setEnabled(page() > 0);
}

} // namespace korvane
