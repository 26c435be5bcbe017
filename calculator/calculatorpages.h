// SPDX-License-Identifier: MIT
#pragma once

#include "expressionevaluator.h"
#include "sectionkind.h"

#include <QObject>
#include <map>

class QWidget;

namespace korvane {

class AuxiliaryPage;
class FormulaPage;
class MainWindow;
class MaterialSummary;
class TablePage;

// The contents of the main window's pages: the table pages, the formula
// pages and the auxiliary tools, sharing one expression evaluator, and the
// quick copy that hands their results on.
class CalculatorPages : public QObject {
    Q_OBJECT
  public:
    explicit CalculatorPages(MainWindow* window);

    // Builds the page shown at (page, nested) of the main window on `pageWidget`,
    // at once for the start page, otherwise when it is first shown.
    void build(int page, int nested, QWidget* pageWidget);
    // Wires the pages to the window once all of them are built.
    void connectWindow();

    // The table page of `kind` once it is built, else nullptr.
    TablePage* tablePage(SectionKind kind) const;
    MaterialSummary* materialSummary() const { return summary_; }

  private:
    void buildNow(int page, int nested, QWidget* pageWidget);

    MainWindow* window_;
    ExpressionEvaluator evaluator_;
    FormulaPage* plate_ = nullptr;
    AuxiliaryPage* auxiliary_ = nullptr;
    std::map<SectionKind, TablePage*> tables_;
    MaterialSummary* summary_ = nullptr;
};

} // namespace korvane
