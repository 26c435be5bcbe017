// SPDX-License-Identifier: MIT
#include "fieldtext.h"

#include "expressionevaluator.h"
#include "gbkstring.h"

namespace korvane {

std::string fieldText(const QLineEdit* field) {
    return toGbk(field->text());
}

void setFieldText(QLineEdit* field, const std::string& gbk) {
    field->setText(fromGbk(gbk));
}

void evaluateInPlace(QLineEdit* field, const ExpressionEvaluator& evaluator) {
    setFieldText(field, evaluator.evaluate(fieldText(field)));
}

} // namespace korvane
