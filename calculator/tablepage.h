// SPDX-License-Identifier: MIT
#pragma once

#include "pagedescriptor.h"

#include <QObject>

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
};

} // namespace korvane
