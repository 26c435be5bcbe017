// SPDX-License-Identifier: MIT
#pragma once

#include "pagecontrols.h"
#include "sectionkind.h"

#include <span>

namespace korvane {

// One table-lookup page: its standard table and its controls. The list
// (ControlKind::List), G (ResultBlue), weight (ResultRed), model (ResultModel)
// and length (LengthInput) are found among the controls by their kind.
struct TablePageDescriptor {
    SectionKind kind;
    std::span<const ControlSpec> controls;
};

std::span<const TablePageDescriptor> tablePageDescriptors();
const TablePageDescriptor* tablePageDescriptor(SectionKind kind);

} // namespace korvane
