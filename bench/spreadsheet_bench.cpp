// SPDX-License-Identifier: MIT
// Exporting the report of a 10,000-line summary list, as "导出表格" does:
// the .xls text alone, and each file type written to its place.
// Target: under 100 ms for the .xls.
#include "reportsamples.h"
#include "spreadsheetexport.h"
#include "spreadsheetexportflow.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using korvane::ReportGrid;
using korvane::SpreadsheetExport;
using korvane::SpreadsheetExportFlow;

namespace {

constexpr int kItems = 10000;

const ReportGrid& longReport() {
    static const ReportGrid grid = reportsamples::manyItemReport(kItems);
    return grid;
}

void XlsText(benchmark::State& state) {
    const ReportGrid& grid = longReport();
    for (auto _ : state)
        benchmark::DoNotOptimize(SpreadsheetExport::xml(grid, "sheet"));
}
BENCHMARK(XlsText)->Unit(benchmark::kMillisecond);

void SaveFile(benchmark::State& state, SpreadsheetExportFlow::FileType type) {
    const ReportGrid& grid = longReport();
    const QTemporaryDir folder;
    const QString path = folder.filePath(type == SpreadsheetExportFlow::FileType::Xls
                                             ? QStringLiteral("汇总.xls")
                                             : QStringLiteral("汇总.xlsx"));
    for (auto _ : state)
        if (!SpreadsheetExportFlow::save({path, type}, grid, QStringLiteral("工作表1")))
            state.SkipWithError("the file was not saved");
}
BENCHMARK_CAPTURE(SaveFile, Xls, SpreadsheetExportFlow::FileType::Xls)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFile, Xlsx, SpreadsheetExportFlow::FileType::Xlsx)
    ->Unit(benchmark::kMillisecond);

} // namespace
