// SPDX-License-Identifier: MIT
#include "auxiliarypage.h"

#include "capitals.h"
#include "clipboard.h"
#include "fieldtext.h"
#include "gbkstring.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "pagecontrols.h"
#include "weighbridge.h"

#include <QLineEdit>
#include <QPushButton>

namespace korvane {
namespace {

using K = ControlKind;

constexpr QRgb kGreen = qRgb(0, 128, 0);

// clang-format off
constexpr ControlSpec kWeighbridge[] = {
    {K::GroupBox, "分组框3", "", {27, 8, 540, 210}},
    {K::Title, "标签27", "磅差计算", {12, -6, 98, 31}, "分组框3"},
    {K::Label, "标签26", "出库重量(吨):", {51, 40, 91, 28}, "分组框3"},
    {K::NumberInput, "编辑框40", "", {147, 40, 80, 28}, "分组框3"},
    {K::Label, "标签25", "收货重量(吨):", {266, 40, 89, 28}, "分组框3"},
    {K::NumberInput, "编辑框39", "", {364, 40, 80, 28}, "分组框3"},
    {K::Label, "标签23", "磅差3‰:", {51, 100, 57, 28}, "分组框3", kGreen},
    {K::ResultBlue, "编辑框38", "", {147, 100, 80, 28}, "分组框3"},
    {K::Label, "标签6", "处理(吨):", {266, 100, 69, 28}, "分组框3", qRgb(128, 0, 128)},
    {K::ResultRed, "编辑框37", "", {364, 100, 80, 28}, "分组框3"},
    {K::FormulaLabel, "标签24", "处理磅差 = 出库重量 * 0.997 - 收货重量", {23, 160, 290, 24}, "分组框3"},
    {K::FormulaText, "标签17", "注：负值表示不用处理磅差，正值表示需处理磅差的重量。", {23, 180, 370, 24}, "分组框3"},
};

constexpr ControlSpec kCapitals[] = {
    {K::GroupBox, "分组框11", "", {27, 8, 547, 210}},
    {K::Title, "标签22", "金额大写转换", {12, -6, 131, 31}, "分组框11"},
    {K::Label, "标签28", "输入金额数值:", {54, 62, 115, 28}, nullptr, kGreen},
    {K::NumberInput, "编辑框41", "", {175, 62, 280, 32}},
    {K::FormulaLabel, "标签29", "金额大写:", {67, 128, 83, 28}},
    {K::ResultRed, "编辑框42", "", {147, 128, 313, 32}},
    {K::Button, "按钮_复制", "复制", {481, 62, 70, 100}},
};
// clang-format on

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
    buildControls(kWeighbridge, weighbridgePage);
    buildControls(kCapitals, capitalsPage);
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
