// SPDX-License-Identifier: MIT
#pragma once

#include "pagedescriptor.h"

#include <QObject>
#include <vector>

class QLineEdit;

namespace korvane {

class ExpressionEvaluator;

// A page that computes a weight from typed dimensions: every keystroke in a
// focused input reruns the formula.
class FormulaPage : public QObject {
    Q_OBJECT
  public:
    FormulaPage(const PageDescriptor& descriptor, QWidget* page,
                const ExpressionEvaluator& evaluator);

    // Runs the formula on the inputs and writes the result fields.
    void recompute();

  private:
    void focused(QLineEdit* field, FocusAction action, Qt::FocusReason reason);

    const FormulaRow& formula_;
    const ExpressionEvaluator& evaluator_;
    std::vector<QLineEdit*> inputs_;
    std::vector<QLineEdit*> outputs_;
    QLineEdit* length_ = nullptr;
};

} // namespace korvane
