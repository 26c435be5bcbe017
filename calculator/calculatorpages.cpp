// SPDX-License-Identifier: MIT
#include "calculatorpages.h"

#include "auxiliarypage.h"
#include "formulapage.h"
#include "mainwindow.h"
#include "materialsummary.h"
#include "quickcopy.h"
#include "tablepage.h"

#include <QPushButton>

namespace korvane {

CalculatorPages::CalculatorPages(MainWindow* window) : QObject(window), window_(window) {}

void CalculatorPages::build(int page, int nested, QWidget* pageWidget) {
    // Pages in the window's own colour, so that titles which cover a frame
    // line blend in.
    pageWidget->setAutoFillBackground(true);
    // The start page is built at once; the others when first shown, so that
    // start-up makes only what the first frame shows.
    if (page == 0 && nested == 0)
        buildNow(page, nested, pageWidget);
    else
        onFirstShow(pageWidget, [=, this] { buildNow(page, nested, pageWidget); });
}

void CalculatorPages::buildNow(int page, int nested, QWidget* pageWidget) {
    const PageDescriptor& descriptor = *pageDescriptor(page, nested);
    switch (descriptor.form) {
    case PageForm::Table:
        tables_[descriptor.kind] = new TablePage(descriptor, pageWidget, evaluator_);
        break;
    case PageForm::Formula: {
        auto* formulaPage = new FormulaPage(descriptor, pageWidget, evaluator_);
        if (descriptor.kind == SectionKind::Plate)
            plate_ = formulaPage;
        break;
    }
    case PageForm::Weighbridge:
    case PageForm::Amount:
        // Both tools are built together, whichever is shown first.
        if (auxiliary_ == nullptr) {
            QWidget* other = window_->pageWidget(page, 1 - nested);
            auxiliary_ = nested == 0 ? new AuxiliaryPage(pageWidget, other)
                                     : new AuxiliaryPage(other, pageWidget);
        }
        break;
    }
}

TablePage* CalculatorPages::tablePage(SectionKind kind) const {
    auto found = tables_.find(kind);
    return found == tables_.end() ? nullptr : found->second;
}

void CalculatorPages::connectWindow() {
    MainWindow* window = window_;
    // The program opens on the plate page with its results worked out.
    plate_->recompute();
    connect(window, &MainWindow::platePageShown, plate_, &FormulaPage::recompute);

    auto* quickCopy = new QuickCopy(window);
    connect(window, &MainWindow::quickCopyFocused, quickCopy, &QuickCopy::quickCopy);
    connect(window->quickCopyButton(), &QPushButton::clicked, quickCopy, &QuickCopy::copyResult);
    summary_ = new MaterialSummary(window, this);
}

} // namespace korvane
