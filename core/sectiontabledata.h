// SPDX-License-Identifier: MIT
#pragma once

#include "sectiontable.h"

#include <span>

namespace korvane {

// The standard tables as written in the source (UTF-8), row by row.
struct RawSectionColumn {
    const char* caption;
    int width;
    Alignment alignment;
};

struct RawSectionTable {
    SectionKind kind;
    int columnCount;
    RawSectionColumn columns[4];
    int weightColumn;
    int modelColumn;
    std::span<const char* const> cells;
};

std::span<const RawSectionTable> rawSectionTables();

} // namespace korvane
