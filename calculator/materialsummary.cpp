// SPDX-License-Identifier: MIT
#include "materialsummary.h"

#include "calculatorpages.h"
#include "fieldtext.h"
#include "gbkstring.h"
#include "linetemplate.h"
#include "mainwindow.h"
#include "messageboxes.h"
#include "reportmodule.h"
#include "staysontop.h"
#include "summaryfilestore.h"
#include "summarylist.h"
#include "summarypanel.h"
#include "tablepage.h"
#include "windowplacement.h"

#include <QLineEdit>
#include <QTableWidget>
#include <utility>

namespace korvane {

MaterialSummary::MaterialSummary(MainWindow* window, CalculatorPages* pages)
    : QObject(window), window_(window), pages_(pages) {
    if (SummaryPanel* built = window_->builtSummary())
        panelBuilt(built);
    else
        connect(window_, &MainWindow::summaryBuilt, this, &MaterialSummary::panelBuilt);
    connect(window_, &MainWindow::quickAddFocused, this, &MaterialSummary::quickAdd);
    connect(window_, &MainWindow::moved, this, &MaterialSummary::dockReport);
}

MaterialSummary::~MaterialSummary() {
    delete report_;
}

SummaryPanel* MaterialSummary::panel() const {
    return window_->summary();
}

void MaterialSummary::panelBuilt(SummaryPanel* panel) {
    connect(panel, &SummaryPanel::addRequested, this, &MaterialSummary::addSummaryLine);
    connect(panel, &SummaryPanel::saveRequested, this, &MaterialSummary::save);
    connect(panel, &SummaryPanel::reportRequested, this, &MaterialSummary::toggleReport);
    if (!waiting_.empty())
        panel->setRows(std::exchange(waiting_, {}));
}

std::vector<SummaryItem> MaterialSummary::rows() const {
    const SummaryPanel* built = window_->builtSummary();
    return built ? built->rows() : waiting_;
}

std::string MaterialSummary::fieldText(std::string_view name) const {
    const MainWindow& w = *window_;
    QWidget* page = w.pageWidget(w.currentPage(), w.currentNestedPage());
    auto* field =
        page->findChild<QLineEdit*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    return field ? korvane::fieldText(field) : std::string();
}

std::string MaterialSummary::tableCell(int column) const {
    const TablePage* table = pages_->tablePage(window_->currentSectionKind());
    return table ? table->filledCell(column) : std::string();
}

std::optional<SummaryItem> MaterialSummary::pageLine() const {
    const SummaryLineRow& recipe = window_->currentDescriptor().summary;
    if (!recipe.addsLine())
        return std::nullopt;
    SummaryItem line;
    for (size_t i = 0; i < recipe.cells.size(); ++i)
        line.cells[i + 1] = expand(recipe.cells[i]);
    return line;
}

std::string MaterialSummary::expand(const char* pattern) const {
    return LineTemplate::expand(
        pattern ? pattern : "", [this](std::string_view name) { return fieldText(name); },
        [this](int column) { return tableCell(column); });
}

QString MaterialSummary::question() const {
    const PageDescriptor& page = window_->currentDescriptor();
    const std::string argument = expand(page.summary.question);
    return QStringLiteral("是否将【") + QString::fromUtf8(page.quickCopy.kindWord) +
           QStringLiteral(" ") + fromGbk(argument) +
           QStringLiteral(" 】的材料重量\r\n添加到【材料重量汇总表】中？");
}

void MaterialSummary::addSummaryLine() {
    if (window_->currentDescriptor().summary.addsLine()) {
        if (!window_->pageInputsComplete()) {
            window_->focusPageField();
        } else if (std::optional<SummaryItem> line = pageLine()) {
            panel()->appendLine(*line);
            return;
        }
    }
    // The total is worked out again even when nothing was added.
    panel()->recomputeTotal();
}

void MaterialSummary::quickAdd() {
    // On the auxiliary page the quick add does nothing, and the focus stays
    // where it is.
    if (!window_->currentDescriptor().summary.addsLine())
        return;
    if (!window_->pageInputsComplete()) {
        window_->focusPageField();
        return;
    }
    // Back in the first field, the page works out its length expression; one
    // that cannot be worked out leaves the length empty, and there is no line
    // to ask about.
    window_->focusPageField();
    if (!window_->pageInputsComplete())
        return;
    if (platform::MessageBoxes::current().question(question()))
        addSummaryLine();
}

void MaterialSummary::load() {
    std::vector<SummaryItem> lines = SummaryFileStore().load();
    kept_ = lines;
    if (SummaryPanel* built = window_->builtSummary())
        built->setRows(lines);
    else
        waiting_ = std::move(lines);
}

bool MaterialSummary::save() {
    std::vector<SummaryItem> rows = this->rows();
    const SummaryFileStore::SaveResult result = SummaryFileStore().save(rows);
    if (!result.saved) {
        platform::MessageBoxes::current().warning(result.warning);
        return false;
    }
    kept_ = std::move(rows);
    return true;
}

bool MaterialSummary::modified() const {
    // Compared line by line rather than flagged by every command that changes
    // the list: a line added and deleted again leaves nothing to lose.
    return rows() != kept_;
}

bool MaterialSummary::confirmEnd() {
    if (!modified())
        return true;
    using Choice = platform::MessageBoxes::Choice;
    switch (platform::MessageBoxes::current().questionWithCancel(
        QStringLiteral("材料汇总单已修改，是否保存？"))) {
    case Choice::Yes:
        return save();
    case Choice::No:
        return true;
    case Choice::Cancel:
        break;
    }
    return false;
}

void MaterialSummary::toggleReport() {
    if (report_ != nullptr) {
        report_->setVisible(!report_->isVisible());
        return;
    }
    const SummaryList* list = panel()->list();
    std::vector<std::string> titles;
    for (int c = 0; c < list->columnCount(); ++c)
        titles.push_back(toGbk(list->horizontalHeaderItem(c)->text()));
    const ReportModule::CreateWindow create = ReportModule::createWindow();
    if (create == nullptr) {
        platform::MessageBoxes::current().error(
            QStringLiteral("错误"),
            QStringLiteral("无法打开材料重量汇总：程序的报表模块 korvane_report "
                           "缺失或已损坏，请重新安装本程序。"));
        return;
    }
    // No owner: the report is a window of its own beside the main window.
    report_ = create(rows(), titles);
    dockReport();
    report_->show();
    // Once shown, its frame is known and the window fitted with it.
    dockReport();
}

QWidget* MaterialSummary::reportWindow() const {
    return report_;
}

void MaterialSummary::dockReport() {
    static constexpr QPoint kOffset(595, 100);
    if (report_ == nullptr || platform::staysOnTop(report_))
        return;
    platform::dock(report_, window_, window_->frameGeometry().topLeft() + kOffset,
                   platform::Fit::PlaceAndHeight);
}

} // namespace korvane
