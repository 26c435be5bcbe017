// SPDX-License-Identifier: MIT
#include "marginsdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace korvane {
namespace {

// The fields in the order the dialog shows them, each with the setting it edits.
struct FieldRow {
    const char* caption;
    int setting;
};
constexpr FieldRow kFields[] = {
    {"上:", ReportGrid::TopMargin},
    {"下:", ReportGrid::BottomMargin},
    {"左:", ReportGrid::LeftMargin},
    {"右:", ReportGrid::RightMargin},
    {"页眉:", ReportGrid::PageHeader},
    {"页脚:", ReportGrid::PageFooter},
    {"表头与表格间隔:", ReportGrid::HeaderGap},
};

} // namespace

MarginsDialog::MarginsDialog(const Settings& settings, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("页边距设置(单位: 0.1毫米)"));
    auto* form = new QFormLayout;
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (const FieldRow& row : kFields) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromUtf8(row.caption));
        field->setValidator(digits);
        field->setMaxLength(3);
        fields_[size_t(row.setting)] = field;
        form->addRow(QString::fromUtf8(row.caption), field);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* defaults =
        buttons->addButton(QStringLiteral("默认值"), QDialogButtonBox::ResetRole);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消(&C)"), QDialogButtonBox::RejectRole);
    defaults->setObjectName(QStringLiteral("默认值"));
    ok->setDefault(true);
    connect(defaults, &QPushButton::clicked, this, &MarginsDialog::restoreDefaults);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    show(settings);
}

void MarginsDialog::show(const Settings& settings) {
    for (int i = 1; i <= ReportGrid::kPrintSettingCount; ++i)
        fields_[size_t(i)]->setText(QString::number(settings[size_t(i)]));
}

MarginsDialog::Settings MarginsDialog::settings() const {
    Settings settings{};
    // An emptied field counts as 0.
    for (int i = 1; i <= ReportGrid::kPrintSettingCount; ++i)
        settings[size_t(i)] = fields_[size_t(i)]->text().toInt();
    return settings;
}

void MarginsDialog::restoreDefaults() {
    show(settingsOf(ReportGrid()));
}

MarginsDialog::Settings MarginsDialog::settingsOf(const ReportGrid& grid) {
    Settings settings{};
    for (int i = 1; i <= ReportGrid::kPrintSettingCount; ++i)
        settings[size_t(i)] = grid.printSetting(i);
    return settings;
}

void MarginsDialog::apply(const Settings& settings, ReportGrid& grid) {
    for (int i = 1; i <= ReportGrid::kPrintSettingCount; ++i)
        grid.setPrintSetting(i, settings[size_t(i)]);
}

} // namespace korvane
