// SPDX-License-Identifier: MIT
#include "formulapage.h"

#include "fieldtext.h"

#include <QLineEdit>

namespace korvane {

FormulaPage::FormulaPage(const PageDescriptor& descriptor, QWidget* page,
                         const ExpressionEvaluator& evaluator)
    : QObject(page), formula_(descriptor.formula), evaluator_(evaluator) {
    buildControls(descriptor.controls, page);
    for (const char* name : formula_.outputs)
        if (name != nullptr)
            outputs_.push_back(lineEdit(page, name));
    if (formula_.lengthField != nullptr)
        length_ = lineEdit(page, formula_.lengthField);

    for (const FormulaInput& input : formula_.inputs) {
        if (input.name == nullptr)
            continue;
        QLineEdit* field = lineEdit(page, input.name);
        inputs_.push_back(field);
        connect(field, &QLineEdit::textChanged, this, [this, field] {
            if (field->hasFocus())
                recompute();
        });
        FocusAction action = input.onFocus;
        onFocusIn(field, [this, field, action](Qt::FocusReason reason) {
            focused(field, action, reason);
        });
    }
}

void FormulaPage::focused(QLineEdit* field, FocusAction action, Qt::FocusReason reason) {
    if (action == FocusAction::EvaluateLengthSelectThenCompute && length_ != nullptr)
        evaluateInPlace(length_, evaluator_);
    selectAllOnFocus(field, reason);
    if (action != FocusAction::SelectOnly && field->hasFocus())
        recompute();
}

void FormulaPage::recompute() {
    std::vector<std::string> texts;
    texts.reserve(inputs_.size());
    for (const QLineEdit* field : inputs_)
        texts.push_back(fieldText(field));
    std::vector<std::string> results = formula_.compute(texts);
    for (size_t i = 0; i < outputs_.size() && i < results.size(); ++i)
        setFieldText(outputs_[i], results[i]);
}

} // namespace korvane
