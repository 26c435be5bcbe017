// SPDX-License-Identifier: MIT
#include "reportwindow.h"

#include "gbkstring.h"
#include "headerinfofile.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "pageprogress.h"
#include "printpreviewwindow.h"
#include "reportgridmodel.h"
#include "reportgridview.h"
#include "reportpainter.h"
#include "reportsheet.h"
#include "spreadsheetexportflow.h"
#include "staysontop.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSize>
#include <algorithm>

namespace korvane {
namespace {

// The designed size, 584 wide and ReportSheet::windowHeight() high, is the
// outer size of the window, title bar and borders included, as for the main
// window (584 x 336 outside, 578 x 311 inside): the client area is 6 pixels
// narrower and 25 lower.
constexpr QSize kDesignFrame{6, 25};
constexpr int kClientWidth = 584 - kDesignFrame.width();
// The client area below the grid: edit boxes, buttons and the bottom margin.
constexpr int kBelowGrid = 220 - 85 - kDesignFrame.height();
// The title bar and frame that a window manager may add, at the most.
constexpr int kFrameAllowance = 40;

// The client height as designed: as tall as the list.
int designedClientHeight(int lineCount) {
    return ReportSheet::windowHeight(lineCount) - kDesignFrame.height();
}

// The client height a new window takes: as designed, or on a screen too small
// for that the primary screen's free height, and the grid scrolls. Docked
// beside the main window, the window is fitted to that window's screen.
int clientHeight(int lineCount) {
    const int designed = designedClientHeight(lineCount);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return designed;
    const int available = screen->availableGeometry().height() - kFrameAllowance;
    return std::min(designed, std::max(available, designedClientHeight(0)));
}

template <typename Widget> Widget* place(Widget* widget, const char* name, QRect rect) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(rect);
    return widget;
}

// A control below the grid, its top measured from the grid's bottom; laid out
// with the grid by layOut().
template <typename Widget>
Widget* placeBelow(Widget* widget, const char* name, QRect rect,
                   std::vector<std::pair<QWidget*, QRect>>& belowGrid) {
    widget->setObjectName(QString::fromUtf8(name));
    belowGrid.emplace_back(widget, rect);
    return widget;
}

// The controls below the grid; tops are measured from the grid's height h.
struct Placed {
    const char* name;
    const char* text;
    int left, topBelowGrid, width, height;
};

constexpr Placed kLabels[] = {
    {"标签1抬头", "表格标题：", 28, 10, 70, 24},
    {"标签3制单人", "制单人：", 314, 10, 64, 24},
    {"标签2公司名称", "公司名称：", 28, 40, 70, 24},
    {"标签4日期", "日期：", 307, 40, 64, 24},
};

constexpr Placed kEditBoxes[] = {
    {"编辑框1抬头", "材 料 重 量 汇 总 表", 104, 10, 180, 24},
    {"编辑框3制单人", "制单人姓名", 377, 10, 120, 24},
    {"编辑框2公司名称", "*********有限公司", 104, 40, 180, 24},
};

// "保存信息" is a narrow, tall button: its caption takes two lines.
constexpr Placed kButtons[] = {
    {"按钮5保存信息", "保存\n信息", 520, 10, 39, 56}, {"按钮1导出", "导出表格", 178, 75, 70, 24},
    {"按钮3打印预览", "打印预览", 273, 75, 70, 24},   {"按钮2打印", "打印", 369, 75, 70, 24},
    {"按钮4关闭", "关闭", 466, 75, 70, 24},
};

QRect below(const Placed& control) {
    return {control.left, control.topBelowGrid, control.width, control.height};
}

} // namespace

ReportWindow::ReportWindow(std::span<const SummaryItem> lines,
                           std::span<const std::string> columnTitles, QWidget* parent)
    : QWidget(parent, Qt::Window), lineCount_(int(lines.size())),
      dialogs_(ReportDialogs::standard()) {
    setWindowTitle(QStringLiteral("材料重量汇总"));
    setAttribute(Qt::WA_DeleteOnClose);
    const int height = clientHeight(lineCount_);
    setFixedSize(kClientWidth, height);
    buildControls();

    grid_ = ReportSheet::build(
        lines, columnTitles,
        {toGbk(title_->text()), toGbk(company_->text()), toGbk(preparer_->text()), dateText()});
    model_ = new ReportGridModel(grid_, this);
    view_ = new ReportGridView(model_, this);
    view_->setObjectName(QStringLiteral("高级表格1"));
    view_->lower();
    layOut();
    connect(view_, &ReportGridView::editFinished, this, &ReportWindow::recomputeTotal);

    connect(title_, &QLineEdit::textChanged, this, [this](const QString& text) {
        ReportSheet::setTitle(grid_, toGbk(text));
        model_->refresh(0, 0);
    });
    connect(company_, &QLineEdit::textChanged, this, [this](const QString& text) {
        ReportSheet::setCompany(grid_, toGbk(text));
        model_->refresh(1, 0);
    });
    connect(preparer_, &QLineEdit::textChanged, this, &ReportWindow::updateSignature);
    connect(date_, &QDateEdit::dateChanged, this, &ReportWindow::updateSignature);

    loadHeaderInfo();
    recomputeTotal();
}

ReportWindow::~ReportWindow() = default;

QSize ReportWindow::sizeHint() const {
    return {kClientWidth, designedClientHeight(lineCount_)};
}

QSize ReportWindow::minimumSizeHint() const {
    return {kClientWidth, designedClientHeight(0)};
}

void ReportWindow::layOut() {
    const int gridHeight = height() - kBelowGrid;
    view_->setGeometry(2, 5, 574, gridHeight);
    for (const auto& [control, rect] : belowGrid_)
        control->setGeometry(rect.translated(0, gridHeight));
}

void ReportWindow::resizeEvent(QResizeEvent* event) {
    // Made lower to fit a screen, or higher again: the controls stay below
    // the grid, and the grid scrolls for the rest.
    QWidget::resizeEvent(event);
    if (view_ != nullptr)
        layOut();
}

PrintPreviewWindow* ReportWindow::previewWindow() const {
    return preview_;
}

void ReportWindow::buildControls() {
    for (const Placed& label : kLabels)
        placeBelow(new QLabel(QString::fromUtf8(label.text), this), label.name, below(label),
                   belowGrid_);
    QLineEdit** edits[] = {&title_, &preparer_, &company_};
    for (size_t i = 0; i < std::size(kEditBoxes); ++i)
        *edits[i] = placeBelow(new QLineEdit(QString::fromUtf8(kEditBoxes[i].text), this),
                               kEditBoxes[i].name, below(kEditBoxes[i]), belowGrid_);

    date_ = placeBelow(new QDateEdit(QDate::currentDate(), this), "日期框1", {377, 40, 120, 24},
                       belowGrid_);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    // Dates are Chinese on a desktop of any language: month and day names,
    // and weeks from Monday as Chinese calendars print them. Only the date
    // control: the program's numbers keep their fixed format.
    date_->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    date_->calendarWidget()->setFirstDayOfWeek(Qt::Monday);

    QPushButton* buttons[std::size(kButtons)];
    for (size_t i = 0; i < std::size(kButtons); ++i)
        buttons[i] = placeBelow(new QPushButton(QString::fromUtf8(kButtons[i].text), this),
                                kButtons[i].name, below(kButtons[i]), belowGrid_);
    connect(buttons[0], &QPushButton::clicked, this, &ReportWindow::saveHeaderInfo);
    connect(buttons[1], &QPushButton::clicked, this, &ReportWindow::exportSheet);
    connect(buttons[2], &QPushButton::clicked, this, &ReportWindow::printPreview);
    connect(buttons[3], &QPushButton::clicked, this, &ReportWindow::print);
    connect(buttons[4], &QPushButton::clicked, this, &QWidget::close);

    onTop_ = placeBelow(new QCheckBox(QStringLiteral("总在最前"), this), "选择框1汇总",
                        {28, 79, 80, 16}, belowGrid_);
    connect(onTop_, &QCheckBox::toggled, this, &ReportWindow::setStaysOnTop);

    // The total is kept in a label that is never shown, as the window always had it.
    place(new QLabel(QStringLiteral("求和："), this), "标签1求和", {80, 104, 80, 32})->hide();
    totalLabel_ = place(new QLabel(this), "透明标签1求和", {168, 88, 104, 56});
    totalLabel_->hide();
}

std::string ReportWindow::dateText() const {
    const QDate date = date_->date();
    return NumberText::dateText(date.year(), date.month(), date.day());
}

void ReportWindow::updateSignature() {
    ReportSheet::setSignature(grid_, toGbk(preparer_->text()), dateText());
    model_->refresh(grid_.rowCount() - 1, 0);
}

void ReportWindow::recomputeTotal() {
    const std::string total = ReportSheet::recomputeTotal(grid_);
    const int totals = grid_.rowCount() - 3;
    model_->refresh(totals, 0);
    model_->refresh(totals, ReportSheet::kWeightColumn);
    totalLabel_->setText(fromGbk(total));
}

void ReportWindow::loadHeaderInfo() {
    const HeaderInfoFile file;
    for (QLineEdit* edit : {title_, preparer_, company_})
        if (std::optional<QString> text = file.text(edit->objectName()))
            edit->setText(*text);
}

void ReportWindow::saveHeaderInfo() {
    // Said, not swallowed: the texts would otherwise be gone at the next start
    // without a word. The first failure stops the save; the others would fail
    // the same way.
    HeaderInfoFile file;
    for (QLineEdit* edit : {preparer_, company_, title_}) {
        const HeaderInfoFile::SaveResult result = file.setText(edit->objectName(), edit->text());
        if (!result.saved) {
            platform::MessageBoxes::current().warning(result.warning);
            return;
        }
    }
}

bool ReportWindow::staysOnTop() const {
    return onTop_->isChecked();
}

void ReportWindow::setStaysOnTop(bool onTop) {
    platform::setStaysOnTop(this, onTop);
}

QPrinter& ReportWindow::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void ReportWindow::print() {
    QPrinter& target = printer();
    if (!dialogs_.print(this, target))
        return;
    const QString title = QStringLiteral("错误");
    // A long list prints for a while.
    ReportPainter::PrintResult result;
    {
        PageProgress progress(this, QStringLiteral("正在打印"));
        result = ReportPainter::print(target, grid_, progress.pageDone());
    }
    switch (result) {
    case ReportPainter::PrintResult::Printed:
        break;
    case ReportPainter::PrintResult::CannotOpen:
        platform::MessageBoxes::current().error(title,
                                                QStringLiteral("打印机初始化出错,请检查打印设置!"));
        break;
    case ReportPainter::PrintResult::Failed:
        platform::MessageBoxes::current().error(
            title, QStringLiteral("打印表格出错,请检查打印设置或稍候重试!"));
        break;
    }
}

void ReportWindow::printPreview() {
    // The preview's margins, which later prints keep.
    grid_.setPrintSetting(ReportGrid::LeftMargin, 20);
    grid_.setPrintSetting(ReportGrid::RightMargin, 10);
    grid_.setPrintSetting(ReportGrid::TopMargin, 30);
    grid_.setPrintSetting(ReportGrid::BottomMargin, 30);
    if (preview_ == nullptr)
        preview_ = new PrintPreviewWindow(
            grid_, printer(), dialogs_, [this] { print(); }, this);
    else
        preview_->preview()->updatePreview();
    preview_->show();
    preview_->raise();
}

void ReportWindow::exportSheet() {
    if (exportDialogs_ != nullptr)
        SpreadsheetExportFlow(*exportDialogs_).run(this, grid_);
    else
        SpreadsheetExportFlow().run(this, grid_);
}

} // namespace korvane
