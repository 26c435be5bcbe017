// SPDX-License-Identifier: MIT
// Saving and loading a long summary list as the "保存材料" button and the
// start-up do it: the codec alone, and the codec with the file.
#include "summaryfilestore.h"
#include "summarylistfile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace korvane;

namespace {

constexpr int kRows = 10000;

// A plate line as the list holds it; GBK: 钢板 B8D6 B0E5, 块 BFE9, ㎡ A94F.
std::vector<SummaryItem> longList() {
    std::vector<SummaryItem> rows;
    rows.reserve(kRows);
    for (int i = 1; i <= kRows; ++i)
        rows.push_back({{std::to_string(i), "\xB8\xD6\xB0\xE5", "10mm*2.2m*12m*1\xBF\xE9",
                         "78.50Kg/\xA9\x4F", "26.40\xA9\x4F", "2072.40"}});
    return rows;
}

// The store in a data folder of its own, for the whole run.
const SummaryFileStore& store() {
    static const QTemporaryDir folder;
    static const SummaryFileStore instance = [] {
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder.path()));
        QCoreApplication::setApplicationName(QStringLiteral("korvane"));
        return SummaryFileStore();
    }();
    return instance;
}

void EncodeList(benchmark::State& state) {
    const auto rows = longList();
    for (auto _ : state) {
        std::string bytes = SummaryListFile::encode(rows);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(EncodeList)->Unit(benchmark::kMillisecond);

void DecodeList(benchmark::State& state) {
    const std::string bytes = SummaryListFile::encode(longList());
    for (auto _ : state) {
        auto rows = SummaryListFile::decode(bytes);
        benchmark::DoNotOptimize(rows);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(DecodeList)->Unit(benchmark::kMillisecond);

// Encode, write beside the old file and put it in place.
void SaveList(benchmark::State& state) {
    const auto rows = longList();
    for (auto _ : state) {
        const SummaryFileStore::SaveResult result = store().save(rows);
        if (!result.saved)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveList)->Unit(benchmark::kMillisecond);

void LoadList(benchmark::State& state) {
    if (!store().save(longList()).saved)
        state.SkipWithError("save failed");
    for (auto _ : state) {
        auto rows = store().load();
        benchmark::DoNotOptimize(rows);
        if (rows.size() != kRows)
            state.SkipWithError("rows lost");
    }
}
BENCHMARK(LoadList)->Unit(benchmark::kMillisecond);

} // namespace
