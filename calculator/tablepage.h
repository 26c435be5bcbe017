// SPDX-License-Identifier: MIT
#pragma once

#include "pagedescriptor.h"

#include <QObject>
#include <string>

class QLineEdit;
class QTableWidget;

namespace korvane {

class ExpressionEvaluator;
class SectionTable;

// A table-lookup page: clicking a row of the standard table copies its weight
// per metre and its model into the page, and the weight follows the length.
class TablePage : public QObject {
    Q_OBJECT
  public:
    // Builds the page's controls on `page` and wires their events.
    TablePage(const PageDescriptor& descriptor, QWidget* page,
              const ExpressionEvaluator& evaluator);

    QTableWidget* list() const { return list_; }
    QLineEdit* gField() const { return g_; }
    QLineEdit* weightField() const { return weight_; }
    QLineEdit* modelField() const { return model_; }
    QLineEdit* lengthField() const { return length_; }
    const SectionTable& table() const { return table_; }
    // The table row whose G and model fill the page: the row last clicked,
    // -1 after a click on no row. Moving the selection with the keys
    // changes nothing on the page, so it does not change this row either.
    int filledRow() const { return filledRow_; }
    // A cell of the filled row; empty when no row fills the page.
    std::string filledCell(int column) const;

    // The weight step: G × length into the weight field.
    void computeWeight();

  private:
    void fillList();
    void rowClicked();
    void evaluateLength();

    const SectionTable& table_;
    const ExpressionEvaluator& evaluator_;
    QTableWidget* list_ = nullptr;
    QLineEdit* g_ = nullptr;
    QLineEdit* weight_ = nullptr;
    QLineEdit* model_ = nullptr;
    QLineEdit* length_ = nullptr;
    int filledRow_ = -1;
};

} // namespace korvane
