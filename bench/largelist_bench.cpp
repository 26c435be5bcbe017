// SPDX-License-Identifier: MIT
// A long material summary list, from the user's side: each command as the
// program runs it on 10,000 lines (loading also on 100,000), with the list or
// the report window on screen and the repaint that follows included.
// Offscreen. Target: under 100 ms per command, none over 1 s.
#include "exportdialogs.h"
#include "gbkstring.h"
#include "messageboxes.h"
#include "reportgridview.h"
#include "reportwindow.h"
#include "summaryfilestore.h"
#include "summarylist.h"
#include "summarypanel.h"
#include "visualstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

using namespace korvane;

namespace {

constexpr int kLines = 10000;

// GBK: 钢板 B8D6 B0E5, 块 BFE9, ㎡ A94F.
std::vector<SummaryItem> longList(int count) {
    std::vector<SummaryItem> rows;
    rows.reserve(size_t(count));
    for (int i = 1; i <= count; ++i)
        rows.push_back({{std::to_string(i), "\xB8\xD6\xB0\xE5", "10mm*2.2m*12m*1\xBF\xE9",
                         "78.50Kg/\xA9\x4F", "26.40\xA9\x4F", "2072.40"}});
    return rows;
}

// Every message is answered "yes" and otherwise ignored.
class QuietMessageBoxes : public platform::MessageBoxes {
  public:
    void information(const QString&) override {}
    bool question(const QString&) override { return true; }
    Choice questionWithCancel(const QString&) override { return Choice::Yes; }
    void warning(const QString&) override {}
    void plain(const QString&) override {}
    void error(const QString&, const QString&) override {}
};

// The summary panel in a group box of its own, on screen.
struct Panel {
    QGroupBox box;
    SummaryPanel* panel;

    Panel() : panel(new SummaryPanel(&box)) {
        box.resize(570, 280);
        box.show();
        QApplication::processEvents();
    }
    SummaryList* list() const { return panel->list(); }
    QCheckBox* checkAllBox() const {
        return box.findChild<QCheckBox*>(QStringLiteral("选择框1全选"));
    }
};

std::vector<std::string> columnTitles(const SummaryList& list) {
    std::vector<std::string> titles;
    for (int c = 0; c < list.columnCount(); ++c)
        titles.push_back(toGbk(list.horizontalHeaderItem(c)->text()));
    return titles;
}

// Start-up: the file read and its rows put into the list.
void LoadAtStart(benchmark::State& state) {
    const int count = int(state.range(0));
    if (!SummaryFileStore().save(longList(count)).saved)
        state.SkipWithError("save failed");
    for (auto _ : state) {
        state.PauseTiming();
        auto panel = std::make_unique<Panel>();
        state.ResumeTiming();
        panel->panel->setRows(SummaryFileStore().load());
        QApplication::processEvents();
        state.PauseTiming();
        if (panel->list()->rowCount() != count)
            state.SkipWithError("rows lost");
        panel.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadAtStart)->Arg(kLines)->Arg(10 * kLines)->Unit(benchmark::kMillisecond);

// "打开材料汇总": the total worked out, and the list painted.
void OpenPanel(benchmark::State& state) {
    Panel panel;
    panel.panel->setRows(longList(kLines));
    for (auto _ : state) {
        panel.panel->recomputeTotal();
        QPixmap frame = panel.box.grab();
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(OpenPanel)->Unit(benchmark::kMillisecond);

// "删除选中项" with every other row checked.
void DeleteCheckedRows(benchmark::State& state) {
    Panel panel;
    for (auto _ : state) {
        state.PauseTiming();
        panel.panel->setRows(longList(kLines));
        for (int row = 0; row < kLines; row += 2)
            panel.list()->setChecked(row, true);
        QApplication::processEvents();
        state.ResumeTiming();
        panel.panel->deleteCheckedRows();
        QApplication::processEvents();
    }
    if (panel.list()->rowCount() != kLines / 2)
        state.SkipWithError("wrong rows deleted");
}
BENCHMARK(DeleteCheckedRows)->Unit(benchmark::kMillisecond);

// The spinner's arrows on a row in the middle: one move down, one move up.
void MoveRow(benchmark::State& state) {
    Panel panel;
    panel.panel->setRows(longList(kLines));
    panel.list()->selectRow(kLines / 2);
    QApplication::processEvents();
    for (auto _ : state) {
        panel.panel->moveRowDown();
        QApplication::processEvents();
        panel.panel->moveRowUp();
        QApplication::processEvents();
    }
    state.counters["moves"] = benchmark::Counter(2, benchmark::Counter::kIsIterationInvariant);
}
BENCHMARK(MoveRow)->Unit(benchmark::kMillisecond);

// "全选" clicked: every row checked or unchecked, both totals again.
void CheckAll(benchmark::State& state) {
    Panel panel;
    panel.panel->setRows(longList(kLines));
    QApplication::processEvents();
    for (auto _ : state) {
        panel.checkAllBox()->click();
        QApplication::processEvents();
    }
}
BENCHMARK(CheckAll)->Unit(benchmark::kMillisecond);

// "导出打印": the report window made from the list, shown and painted once.
void OpenReport(benchmark::State& state) {
    Panel panel;
    panel.panel->setRows(longList(kLines));
    const std::vector<std::string> titles = columnTitles(*panel.list());
    for (auto _ : state) {
        auto window = std::make_unique<ReportWindow>(panel.panel->rows(), titles);
        window->show();
        QPixmap frame = window->grab();
        benchmark::DoNotOptimize(frame);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenReport)->Unit(benchmark::kMillisecond);

// "打印" to a PDF file, every page.
void PrintToPdf(benchmark::State& state) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    ReportWindow window(longList(kLines), columnTitles(SummaryList()));
    ReportDialogs dialogs = ReportDialogs::standard();
    dialogs.print = [&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    window.setDialogs(dialogs);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.print();
        QApplication::processEvents();
    }
}
BENCHMARK(PrintToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// "导出表格" answered with a file name of the given type.
class FixedExportDialogs : public ExportDialogs {
  public:
    explicit FixedExportDialogs(QString path) : path_(std::move(path)) {}
    std::optional<SaveChoice> savePath(QWidget*, const QList<FileFilter>&) override {
        return SaveChoice{path_, 0};
    }
    std::optional<QString> text(QWidget*, const QString&, const QString&,
                                const QString& initial) override {
        return initial;
    }

  private:
    QString path_;
};

void ExportSheet(benchmark::State& state, const char* fileName) {
    const QTemporaryDir folder;
    FixedExportDialogs dialogs(folder.filePath(QString::fromUtf8(fileName)));
    ReportWindow window(longList(kLines), columnTitles(SummaryList()));
    window.setExportDialogs(&dialogs);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.exportSheet();
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(ExportSheet, Xls, "汇总.xls")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportSheet, Xlsx, "汇总.xlsx")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The list file and the report's header texts in a data folder of the run's own.
    const QTemporaryDir dataFolder;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataFolder.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvane"));
    VisualStyle::apply();
    QuietMessageBoxes quiet;
    platform::MessageBoxes::install(&quiet);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::MessageBoxes::install(nullptr);
    return 0;
}
