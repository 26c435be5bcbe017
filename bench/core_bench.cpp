// SPDX-License-Identifier: MIT
// Timings of the core. The page benchmarks are one recomputation as a
// keystroke triggers it: the UTF-8 texts of the fields are converted to GBK,
// read as numbers, run through the formula, and the result texts converted
// back to UTF-8 for the window.
#include "expressionevaluator.h"
#include "gbkcodec.h"
#include "sectiontable.h"
#include "weightformulas.h"

#include <benchmark/benchmark.h>

using namespace korvane;

namespace {

void PlatePage(benchmark::State& state) {
    const std::string thickness = "10", length = "12", width = "2.2", count = "1";
    for (auto _ : state) {
        PlateResult r = computePlate(utf8ToGbk(thickness), utf8ToGbk(length), utf8ToGbk(width),
                                     utf8ToGbk(count));
        std::string unit = gbkToUtf8(r.unitWeight), area = gbkToUtf8(r.area),
                    weight = gbkToUtf8(r.weight);
        benchmark::DoNotOptimize(unit);
        benchmark::DoNotOptimize(area);
        benchmark::DoNotOptimize(weight);
    }
}
BENCHMARK(PlatePage);

void RectTubePage(benchmark::State& state) {
    const std::string a = "100", b = "50", d = "3", length = "6";
    for (auto _ : state) {
        SectionResult r =
            computeRectTube(utf8ToGbk(a), utf8ToGbk(b), utf8ToGbk(d), utf8ToGbk(length));
        std::string g = gbkToUtf8(r.g), weight = gbkToUtf8(r.weight);
        benchmark::DoNotOptimize(g);
        benchmark::DoNotOptimize(weight);
    }
}
BENCHMARK(RectTubePage);

// A table page: the G field holds the clicked row's weight (shown in the
// window as UTF-8), the model field its Chinese model text.
void EqualAnglePage(benchmark::State& state) {
    const SectionTable& table = *sectionTable(SectionKind::EqualAngle);
    const std::string g = gbkToUtf8(table.weightText(24));
    const std::string model = gbkToUtf8(table.modelText(24));
    const std::string length = "18";
    for (auto _ : state) {
        std::string gbkModel = utf8ToGbk(model);
        std::string weight = gbkToUtf8(computeTableWeight(utf8ToGbk(g), utf8ToGbk(length)));
        benchmark::DoNotOptimize(gbkModel);
        benchmark::DoNotOptimize(weight);
    }
}
BENCHMARK(EqualAnglePage);

void EvaluateLength(benchmark::State& state) {
    const ExpressionEvaluator evaluator;
    const std::string text = "1500*4+200";
    for (auto _ : state) {
        std::string result = gbkToUtf8(evaluator.evaluate(utf8ToGbk(text)));
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(EvaluateLength);

// Whole texts through the codec, about 1 MB each: pasted or loaded text may
// hold characters GBK has no form for, and each of them must cost no more than
// a character that converts.
std::string repeatToMegabyte(std::string_view piece) {
    std::string text;
    text.reserve((1 << 20) + piece.size());
    while (text.size() < (1 << 20))
        text.append(piece);
    return text;
}

void ConvertText(benchmark::State& state, std::string (*convert)(std::string_view),
                 const std::string& text) {
    for (auto _ : state) {
        std::string out = convert(text);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

void Utf8ToGbkEmoji(benchmark::State& state) {
    ConvertText(state, utf8ToGbk, repeatToMegabyte("😀"));
}
BENCHMARK(Utf8ToGbkEmoji)->Unit(benchmark::kMillisecond);

// Chinese and ASCII with an emoji and characters outside GBK (• and Hangul)
// every few dozen bytes.
void Utf8ToGbkMixed(benchmark::State& state) {
    ConvertText(state, utf8ToGbk,
                repeatToMegabyte("钢板 Q235 10*2200 😀 ∠20*3 φ17 ㎡ •한 材料汇总"));
}
BENCHMARK(Utf8ToGbkMixed)->Unit(benchmark::kMillisecond);

void Utf8ToGbkChinese(benchmark::State& state) {
    ConvertText(state, utf8ToGbk, repeatToMegabyte("材料汇总单理论重量等边角钢"));
}
BENCHMARK(Utf8ToGbkChinese)->Unit(benchmark::kMillisecond);

void GbkToUtf8Chinese(benchmark::State& state) {
    ConvertText(state, gbkToUtf8, repeatToMegabyte(utf8ToGbk("材料汇总单理论重量等边角钢")));
}
BENCHMARK(GbkToUtf8Chinese)->Unit(benchmark::kMillisecond);

// Bytes that are no GBK (0xFF, a lead byte with a bad trail byte) between
// valid characters.
void GbkToUtf8Invalid(benchmark::State& state) {
    ConvertText(state, gbkToUtf8, repeatToMegabyte(utf8ToGbk("钢板") + "\xFF\x81 a\xFF"));
}
BENCHMARK(GbkToUtf8Invalid)->Unit(benchmark::kMillisecond);

// User-made characters (the user-defined areas, which iconv cannot convert)
// after every other character: the codec's slowest path for valid text.
void GbkToUtf8UserMade(benchmark::State& state) {
    ConvertText(state, gbkToUtf8, repeatToMegabyte("\xB8\xD6\xAA\xA1\xB0\xE5\xFE\xFE"));
}
BENCHMARK(GbkToUtf8UserMade)->Unit(benchmark::kMillisecond);

void Utf8ToGbkUserMade(benchmark::State& state) {
    ConvertText(state, utf8ToGbk, repeatToMegabyte("钢\uE000板\uE4C5"));
}
BENCHMARK(Utf8ToGbkUserMade)->Unit(benchmark::kMillisecond);

} // namespace
