// SPDX-License-Identifier: MIT
#pragma once

#include "pagecontrols.h"
#include "sectionkind.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace korvane {

// What an input field does when it receives the focus, besides selecting its
// whole text.
enum class FocusAction {
    SelectThenCompute,               // the plate's inputs
    EvaluateLengthSelectThenCompute, // first dimension field; every H-beam input
    SelectOnly,
};

struct FormulaInput {
    const char* name = nullptr;
    FocusAction onFocus = FocusAction::SelectOnly;
};

using FormulaFunction = std::vector<std::string> (*)(const std::vector<std::string>& inputs);

// One formula page: its controls, its inputs in the order the formula takes
// them, the result fields in the order the formula returns them, and the
// length field that some inputs evaluate when they get the focus.
struct FormulaPageDescriptor {
    SectionKind kind;
    std::span<const ControlSpec> controls;
    std::array<FormulaInput, 5> inputs; // unused entries have no name
    std::array<const char*, 3> outputs; // unused entries are nullptr
    const char* lengthField;            // nullptr: the page evaluates no expression
    FormulaFunction compute;
};

std::span<const FormulaPageDescriptor> formulaPageDescriptors();
const FormulaPageDescriptor* formulaPageDescriptor(SectionKind kind);

} // namespace korvane
