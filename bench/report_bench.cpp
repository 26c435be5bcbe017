// SPDX-License-Identifier: MIT
// The report of a 10,000-line summary list: building its sheet, and printing
// every page of it to a PDF file through the report painter. Offscreen.
#include "gbkstring.h"
#include "reportpainter.h"
#include "reportsheet.h"
#include "visualstyle.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 10000;

std::vector<korvane::SummaryItem> lines() {
    std::vector<korvane::SummaryItem> items;
    for (int i = 1; i <= kLines; ++i)
        items.push_back({{std::to_string(i), korvane::toGbk("工字钢 I20a"), "200*100*7.0",
                          "27.929Kg/m", "6m", "167.57"}});
    return items;
}

const std::vector<std::string> kTitles = {korvane::toGbk("序号"),     korvane::toGbk("材料名称"),
                                          korvane::toGbk("规格型号"), korvane::toGbk("理论重量"),
                                          korvane::toGbk("数量"),     korvane::toGbk("重量(Kg)")};

korvane::ReportHeader header() {
    return {korvane::toGbk("材 料 重 量 汇 总 表"), korvane::toGbk("甲公司"),
            korvane::toGbk("制单人姓名"), korvane::toGbk("2019年12月19日")};
}

// Target: under 50 ms.
void BM_BuildReport(benchmark::State& state) {
    const auto items = lines();
    for (auto _ : state) {
        korvane::ReportGrid grid = korvane::ReportSheet::build(items, kTitles, header());
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_BuildReport)->Unit(benchmark::kMillisecond);

// Target: under 2 s for every page.
void BM_PrintReportToPdf(benchmark::State& state) {
    const korvane::ReportGrid grid = korvane::ReportSheet::build(lines(), kTitles, header());
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        pages = int(korvane::ReportPainter::pages(printer, grid).size());
        if (korvane::ReportPainter::print(printer, grid) !=
            korvane::ReportPainter::PrintResult::Printed)
            state.SkipWithError("printing failed");
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintReportToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korvane::VisualStyle::apply();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
