// SPDX-License-Identifier: MIT
#include "calculatorpages.h"

#include "auxiliarypage.h"
#include "formulapage.h"
#include "mainwindow.h"
#include "messageboxes.h"
#include "pagenavigation.h"
#include "quickcopy.h"
#include "tablepage.h"

#include <QPushButton>

namespace korvane {

CalculatorPages::CalculatorPages(MainWindow* window) : QObject(window), window_(window) {}

void CalculatorPages::build(int page, int nested, QWidget* pageWidget) {
    // Pages in the window's own colour, so that titles which cover a frame
    // line blend in.
    pageWidget->setAutoFillBackground(true);
    const SectionKind kind = PageNavigation::sectionKind(page, nested);
    if (const TablePageDescriptor* table = tablePageDescriptor(kind)) {
        tablePages_[kind] = new TablePage(*table, pageWidget, evaluator_);
    } else if (const FormulaPageDescriptor* formula = formulaPageDescriptor(kind)) {
        formulaPages_[kind] = new FormulaPage(*formula, pageWidget, evaluator_);
    } else if (kind == SectionKind::Auxiliary && nested == 0) {
        weighbridgePage_ = pageWidget;
    } else if (kind == SectionKind::Auxiliary) {
        auxiliary_ = new AuxiliaryPage(weighbridgePage_, pageWidget);
    }
}

void CalculatorPages::connectWindow() {
    MainWindow* window = window_;
    // The program opens on the plate page with its results worked out.
    formulaPage(SectionKind::Plate)->recompute();
    connect(window, &MainWindow::platePageShown, this,
            [this] { formulaPage(SectionKind::Plate)->recompute(); });
    connect(auxiliary_, &AuxiliaryPage::informationReady, this,
            [](const QString& text) { platform::MessageBoxes::current().information(text); });

    quickCopy_ = new QuickCopy(
        {window, [window] { return std::pair(window->currentPage(), window->currentNestedPage()); },
         [window] { window->focusPageField(); }},
        this);
    window->setHiddenButtonsReturnFocus(false);
    connect(window, &MainWindow::quickCopyFocused, quickCopy_, &QuickCopy::quickCopy);
    connect(window->quickCopyButton(), &QPushButton::clicked, quickCopy_, &QuickCopy::copyResult);
    connect(window, &MainWindow::quickAddFocused, window, &MainWindow::focusPageField);
}

TablePage* CalculatorPages::tablePage(SectionKind kind) const {
    auto it = tablePages_.find(kind);
    return it == tablePages_.end() ? nullptr : it->second;
}

FormulaPage* CalculatorPages::formulaPage(SectionKind kind) const {
    auto it = formulaPages_.find(kind);
    return it == formulaPages_.end() ? nullptr : it->second;
}

} // namespace korvane
