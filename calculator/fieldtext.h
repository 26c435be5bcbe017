// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <string>

namespace korvane {

class ExpressionEvaluator;

// A field's text as the program's own GBK text, and back.
std::string fieldText(const QLineEdit* field);
void setFieldText(QLineEdit* field, const std::string& gbk);

// Replaces the field's text by the value of the expression in it (empty when
// it cannot be evaluated).
void evaluateInPlace(QLineEdit* field, const ExpressionEvaluator& evaluator);

} // namespace korvane
