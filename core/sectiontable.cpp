// SPDX-License-Identifier: MIT
#include "sectiontable.h"

#include "gbkcodec.h"
#include "sectiontabledata.h"

#include <map>

namespace korvane {

SectionTable::SectionTable(SectionKind kind, std::vector<SectionColumn> columns, int weightColumn,
                           int modelColumn, std::vector<std::string> cells)
    : kind_(kind), columns_(std::move(columns)), weightColumn_(weightColumn),
      modelColumn_(modelColumn), cells_(std::move(cells)) {}

const std::string& SectionTable::cell(int row, int column) const {
    static const std::string empty;
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return empty;
    return cells_[static_cast<size_t>(row) * columns_.size() + static_cast<size_t>(column)];
}

namespace {

std::map<SectionKind, SectionTable> buildTables() {
    std::map<SectionKind, SectionTable> tables;
    for (const RawSectionTable& raw : rawSectionTables()) {
        std::vector<SectionColumn> columns;
        for (int c = 0; c < raw.columnCount; ++c)
            columns.push_back({utf8ToGbk(raw.columns[c].caption), raw.columns[c].width,
                               raw.columns[c].alignment});
        std::vector<std::string> cells;
        cells.reserve(raw.cells.size());
        for (const char* text : raw.cells)
            cells.push_back(utf8ToGbk(text));
        tables.emplace(raw.kind, SectionTable(raw.kind, std::move(columns), raw.weightColumn,
                                              raw.modelColumn, std::move(cells)));
    }
    return tables;
}

} // namespace

const SectionTable* sectionTable(SectionKind kind) {
    static const std::map<SectionKind, SectionTable> tables = buildTables();
    auto it = tables.find(kind);
    return it == tables.end() ? nullptr : &it->second;
}

} // namespace korvane
