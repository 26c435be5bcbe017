// SPDX-License-Identifier: MIT
#pragma once

#include "sectionkind.h"

#include <array>
#include <string>
#include <vector>

namespace korvane {

enum class Alignment { Left, Center, Right };

struct SectionColumn {
    std::string caption; // GBK
    int width;           // pixels
    Alignment alignment;
};

// One standard section table. Cells are GBK texts, shown and copied exactly as
// stored: "3.92" stays "3.92" and "22.6" stays "22.6".
class SectionTable {
  public:
    SectionTable(SectionKind kind, std::vector<SectionColumn> columns, int weightColumn,
                 int modelColumn, std::vector<std::string> cells);

    SectionKind kind() const { return kind_; }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const SectionColumn& column(int index) const { return columns_.at(static_cast<size_t>(index)); }
    int rowCount() const { return static_cast<int>(cells_.size() / columns_.size()); }
    // Out-of-range indices give an empty text.
    const std::string& cell(int row, int column) const;
    int weightColumn() const { return weightColumn_; }
    int modelColumn() const { return modelColumn_; }
    // kg/m; kg/m² for the checkered plate.
    const std::string& weightText(int row) const { return cell(row, weightColumn_); }
    const std::string& modelText(int row) const { return cell(row, modelColumn_); }

  private:
    SectionKind kind_;
    std::vector<SectionColumn> columns_;
    int weightColumn_;
    int modelColumn_;
    std::vector<std::string> cells_; // row by row
};

// The kinds that have a standard table, in the order of the table pages.
constexpr std::array<SectionKind, 9> kTableKinds = {
    SectionKind::CheckeredPlate, SectionKind::IBeam,   SectionKind::EqualAngle,
    SectionKind::UnequalAngle,   SectionKind::Channel, SectionKind::HBeamTable,
    SectionKind::WeldedPipe,     SectionKind::Rail,    SectionKind::CChannel};

// The standard table of a kind, or nullptr for the kinds computed by formula.
// The tables are built once, on first use, and never change.
const SectionTable* sectionTable(SectionKind kind);

} // namespace korvane
