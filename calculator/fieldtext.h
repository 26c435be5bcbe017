// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <string>

namespace korvane {

class ExpressionEvaluator;

// A field's text as the program's own GBK text, and back. Every text the
// program puts into a field goes through setFieldText; a read-only result
// field then shows its text from the first character, and the whole text as
// its tool tip when the field is too narrow for it.
std::string fieldText(const QLineEdit* field);
void setFieldText(QLineEdit* field, const std::string& gbk);

// Replaces the field's text by the value of the expression in it (empty when
// it cannot be evaluated).
void evaluateInPlace(QLineEdit* field, const ExpressionEvaluator& evaluator);

} // namespace korvane
