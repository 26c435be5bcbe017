// SPDX-License-Identifier: MIT
#include "marginsdialog.h"

#include "messageboxes.h"
#include "reportpainter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <cmath>

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

// Millimetres from tenths, without a trailing ".0".
QString millimetres(double tenths) {
    return QString::number(std::round(tenths) / 10.0, 'f', 1).remove(QStringLiteral(".0"));
}

// The paper in tenths of a millimetre, as the settings are.
QSizeF paperSize(const QPageLayout& paper) {
    return paper.fullRect(QPageLayout::Millimeter).size() * 10;
}

} // namespace

MarginsDialog::MarginsDialog(const Settings& settings, const QPageLayout& paper, QWidget* parent)
    : QDialog(parent), paper_(paper) {
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
    showSettings(settings);
}

void MarginsDialog::showSettings(const Settings& settings) {
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

void MarginsDialog::accept() {
    const QString why = problem(settings(), paper_);
    if (why.isEmpty()) {
        QDialog::accept();
        return;
    }
    platform::MessageBoxes::current().warning(why);
    // Back to the first field of the settings to correct, the values as typed.
    const QSizeF paper = paperSize(paper_);
    const QSizeF room = ReportPainter::tableRoom(tableMargins(settings()), paper);
    const bool tooNarrow =
        room.width() < std::min<double>(ReportPainter::kLeastTableRoom, paper.width());
    QLineEdit* field = fields_[size_t(tooNarrow ? ReportGrid::LeftMargin : ReportGrid::TopMargin)];
    field->setFocus();
    field->selectAll();
}

QString MarginsDialog::problem(const Settings& settings, const QPageLayout& paper) {
    const QMarginsF margins = tableMargins(settings);
    const QSizeF size = paperSize(paper);
    const QSizeF room = ReportPainter::tableRoom(margins, size);
    // The table's least room, or the whole paper on paper smaller than that.
    const double leastWidth = std::min<double>(ReportPainter::kLeastTableRoom, size.width());
    const double leastHeight = std::min<double>(ReportPainter::kLeastTableRoom, size.height());
    QStringList lines;
    if (room.width() < leastWidth)
        lines << QStringLiteral("纸宽 %1 毫米，左、右边距合计 %2 毫米，留给表格的宽度不到 %3 "
                                "毫米：左、右边距合计最多填 %4。")
                     .arg(millimetres(size.width()), millimetres(margins.left() + margins.right()),
                          millimetres(leastWidth))
                     .arg(std::floor(size.width() - leastWidth));
    if (room.height() < leastHeight)
        lines << QStringLiteral("纸高 %1 毫米，上、下边距与页眉、页脚、表头与表格间隔合计 %2 "
                                "毫米，留给表格的高度不到 %3 毫米：这五项合计最多填 %4。")
                     .arg(millimetres(size.height()), millimetres(margins.top() + margins.bottom()),
                          millimetres(leastHeight))
                     .arg(std::floor(size.height() - leastHeight));
    if (lines.isEmpty())
        return {};
    QString name = paper.pageSize().name();
    name += paper.orientation() == QPageLayout::Landscape ? QStringLiteral("，横向")
                                                          : QStringLiteral("，纵向");
    return QStringLiteral("页边距太大，纸张（%1）上放不下表格。\n").arg(name) + lines.join('\n') +
           QStringLiteral("\n请改小后再确定（单位：0.1毫米）。");
}

void MarginsDialog::restoreDefaults() {
    showSettings(settingsOf(ReportGrid()));
}

MarginsDialog::Settings MarginsDialog::settingsOf(const ReportGrid& grid) {
    Settings settings{};
    for (int i = 1; i <= ReportGrid::kPrintSettingCount; ++i)
        settings[size_t(i)] = grid.printSetting(i);
    return settings;
}

QMarginsF MarginsDialog::tableMargins(const Settings& settings) {
    ReportGrid grid;
    apply(settings, grid);
    return ReportPainter::tableMargins(grid);
}

void MarginsDialog::apply(const Settings& settings, ReportGrid& grid) {
    for (int i = 1; i <= ReportGrid::kPrintSettingCount; ++i)
        grid.setPrintSetting(i, settings[size_t(i)]);
}

} // namespace korvane
