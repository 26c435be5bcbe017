// SPDX-License-Identifier: MIT
// How long a page takes to appear: from the selector click (and the nested
// tab click where the page has one) to the window painted, offscreen. Pages
// are built when first shown, so the first show of a page is timed apart
// from its later shows. A frame is 16 ms.
#include "mainwindow.h"
#include "pagedescriptor.h"
#include "selectorbutton.h"

#include <QApplication>
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

void showPage(korvane::MainWindow& window, int page, int nested) {
    window.selectorButton(page)->click();
    if (QTabWidget* tabs = window.nestedTabs(page))
        tabs->setCurrentIndex(nested);
    QPixmap frame = window.grab();
    benchmark::DoNotOptimize(frame);
}

// Another page to come from: the plate page, or the I-beam page for the plate.
int otherPage(int page) {
    return page == 0 ? 1 : 0;
}

void firstShow(benchmark::State& state, int page, int nested) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<korvane::MainWindow>();
        window->show();
        showPage(*window, otherPage(page), 0);
        QApplication::processEvents();
        state.ResumeTiming();
        showPage(*window, page, nested);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void laterShow(benchmark::State& state, int page, int nested) {
    korvane::MainWindow window;
    window.show();
    showPage(window, page, nested);
    for (auto _ : state) {
        state.PauseTiming();
        showPage(window, otherPage(page), 0);
        state.ResumeTiming();
        showPage(window, page, nested);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const korvane::PageDescriptor& d : korvane::pageDescriptors()) {
        const std::string name = std::to_string(d.page) + "/" + std::to_string(d.nested);
        benchmark::RegisterBenchmark(("first_show/" + name).c_str(), firstShow, d.page, d.nested)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
        benchmark::RegisterBenchmark(("later_show/" + name).c_str(), laterShow, d.page, d.nested)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
