// SPDX-License-Identifier: MIT
#include "auxiliarypage.h"

#include "capitals.h"
#include "clipboard.h"
#include "fieldtext.h"
#include "gbkstring.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "pagedescriptor.h"
#include "weighbridge.h"

#include <QLineEdit>
#include <QPushButton>

namespace korvane {
namespace {

// Leading and trailing ASCII and ideographic spaces.
QString trimSpaces(QString text) {
    auto isSpace = [](QChar c) { return c == u' ' || c == QChar(0x3000); };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

void watchInput(QObject* owner, QLineEdit* field, std::function<void()> compute) {
    QObject::connect(field, &QLineEdit::textChanged, owner, [field, compute] {
        if (field->hasFocus())
            compute();
    });
    onFocusIn(field, [field](Qt::FocusReason reason) { selectAllOnFocus(field, reason); });
}

} // namespace

AuxiliaryPage::AuxiliaryPage(QWidget* weighbridgePage, QWidget* capitalsPage)
    : QObject(weighbridgePage) {
    buildControls(auxiliaryPageDescriptors()[0].controls, weighbridgePage);
    buildControls(auxiliaryPageDescriptors()[1].controls, capitalsPage);
    outbound_ = lineEdit(weighbridgePage, "编辑框40");
    received_ = lineEdit(weighbridgePage, "编辑框39");
    allowance_ = lineEdit(weighbridgePage, "编辑框38");
    settle_ = lineEdit(weighbridgePage, "编辑框37");
    amount_ = lineEdit(capitalsPage, "编辑框41");
    capitals_ = lineEdit(capitalsPage, "编辑框42");
    copy_ = capitalsPage->findChild<QPushButton*>(QStringLiteral("按钮_复制"));

    // The capitals can be selected and copied with the keyboard; the field is
    // part of the amount page's focus cycle.
    capitals_->setFocusPolicy(Qt::StrongFocus);
    QFont bigger = capitals_->font();
    bigger.setPixelSize(16);
    capitals_->setFont(bigger);
    amount_->setFont(bigger);

    watchInput(this, outbound_, [this] { computeWeighbridge(); });
    watchInput(this, received_, [this] { computeWeighbridge(); });
    watchInput(this, amount_, [this] { convertAmount(); });
    connect(copy_, &QPushButton::clicked, this, &AuxiliaryPage::copyCapitals);
}

void AuxiliaryPage::computeWeighbridge() {
    WeighbridgeResult result =
        korvane::computeWeighbridge(fieldText(outbound_), fieldText(received_));
    setFieldText(allowance_, result.allowance);
    setFieldText(settle_, result.settle);
}

void AuxiliaryPage::convertAmount() {
    double amount = NumberText::textToNumber(toGbk(trimSpaces(amount_->text())));
    setFieldText(capitals_, amountInCapitals(amount));
}

void AuxiliaryPage::copyCapitals() {
    const std::string capitals = fieldText(capitals_);
    platform::setClipboardText(capitals);
    platform::MessageBoxes::current().information(
        fromGbk(utf8ToGbk("【金额大写】  ") + capitals + utf8ToGbk("\r\n复制成功！！")));
}

} // namespace korvane
