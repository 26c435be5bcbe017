// SPDX-License-Identifier: MIT
// The six formula pages as data: every control with its object name, caption
// and rect, the focus cycle, the quick copy and how the inputs feed the
// weight formula.
#include "pagedescriptor.h"

#include "weightformulas.h"

namespace korvane {
namespace {

using K = ControlKind;
using F = FocusAction;
using H = HiddenButton;
using Texts = std::vector<std::string>;

constexpr QRgb kBlue = qRgb(0, 0, 255);

Texts plate(const Texts& in) {
    PlateResult r = computePlate(in[0], in[1], in[2], in[3]);
    return {r.unitWeight, r.area, r.weight};
}
Texts rectTube(const Texts& in) {
    SectionResult r = computeRectTube(in[0], in[1], in[2], in[3]);
    return {r.g, r.weight};
}
Texts roundTube(const Texts& in) {
    SectionResult r = computeRoundTube(in[0], in[1], in[2]);
    return {r.g, r.weight};
}
Texts roundBar(const Texts& in) {
    SectionResult r = computeRoundBar(in[0], in[1]);
    return {r.g, r.weight};
}
Texts flatBar(const Texts& in) {
    SectionResult r = computeFlatBar(in[0], in[1], in[2]);
    return {r.g, r.weight};
}
Texts hBeam(const Texts& in) {
    SectionResult r = computeHBeamFormula(in[0], in[1], in[2], in[3], in[4]);
    return {r.g, r.weight};
}

// The two pages on nested tabs have less room above the bottom bar than the
// others: their group boxes are lower and their formula lines closer to the
// fields, so that nothing ends under the bar.
// clang-format off
constexpr ControlRow kPlate[] = {
    {K::GroupBox, "分组框1", "", {26, 7, 547, 190}},
    {K::Title, "标签5", "开平板、中厚板重量计算", {41, 7, 232, 24}},
    {K::Label, "标签1", "厚度(mm):", {48, 48, 61, 28}},
    {K::NumberInput, "编辑框1", "10", {111, 48, 57, 28}},
    {K::Label, "标签2", "宽度(m):", {175, 50, 61, 28}},
    {K::NumberInput, "编辑框4", "2.2", {236, 48, 57, 28}},
    {K::Label, "标签3", "长度(m):", {295, 48, 53, 28}},
    {K::NumberInput, "编辑框3", "12", {357, 48, 57, 28}},
    {K::Label, "标签4", "数量(块):", {423, 48, 61, 28}},
    {K::NumberInput, "编辑框2", "1", {491, 48, 57, 28}},
    {K::Label, "标签7", "理论重量(Kg/㎡):", {45, 108, 104, 28}},
    {K::ResultBlue, "编辑框5", "", {158, 108, 64, 28}},
    {K::Label, "标签8", "面积(㎡):", {232, 108, 57, 28}},
    {K::ResultBlue, "编辑框6", "", {298, 108, 77, 28}},
    {K::Label, "标签9", "钢板重量(Kg):", {382, 108, 95, 28}},
    {K::ResultRed, "编辑框7", "", {469, 108, 91, 28}},
    {K::FormulaLabel, "标签10", "理论重量计算公式=", {45, 164, 118, 24}},
    {K::FormulaText, "标签11", "厚度×密度", {164, 164, 80, 24}},
    {K::FormulaText, "标签12", "材料密度= 7.85 g/cm3", {260, 164, 140, 24}, nullptr, qRgb(88, 48, 224)},
};

constexpr ControlRow kRectTube[] = {
    {K::GroupBox, "分组框5", "", {6, 49, 566, 210}},
    {K::Title, "标签44", "矩形管重量计算", {16, -7, 144, 32}, "分组框5"},
    {K::Label, "标签38", "边a(mm):", {43, 40, 56, 28}, "分组框5"},
    {K::NumberInput, "编辑框8", "", {103, 40, 50, 28}, "分组框5"},
    {K::Label, "标签45", "边b(mm):", {161, 40, 56, 28}, "分组框5"},
    {K::NumberInput, "编辑框43", "", {218, 40, 50, 28}, "分组框5"},
    {K::Label, "标签46", "壁厚d(mm):", {279, 40, 67, 28}, "分组框5"},
    {K::NumberInput, "编辑框44", "", {354, 40, 50, 28}, "分组框5"},
    {K::Label, "标签47", "长度l(m):", {413, 40, 63, 28}, "分组框5"},
    {K::TextInput, "编辑框45", "", {482, 40, 55, 28}, "分组框5"},
    {K::Label, "标签50", "理论重量G(Kg/m):", {212, 80, 123, 28}, "分组框5"},
    {K::ResultBlue, "编辑框46", "", {342, 80, 80, 28}, "分组框5"},
    {K::Label, "标签51", "矩形管重量(Kg):", {212, 120, 110, 28}, "分组框5"},
    {K::ResultRed, "编辑框47", "", {342, 120, 80, 28}, "分组框5"},
    {K::FormulaLabel, "标签48", "理论重量计算公式=", {23, 184, 112, 16}, "分组框5"},
    {K::FormulaText, "标签49", "2×壁厚d×（边a + 边b — 2×壁厚d）×0.00785", {143, 184, 321, 16}, "分组框5"},
    {K::Sketch, "图片框3", ":/sketches/recttube", {95, 90, 80, 60}, "分组框5"},
};

constexpr ControlRow kRoundTube[] = {
    {K::GroupBox, "分组框7", "", {6, 49, 566, 210}},
    {K::Title, "标签63", "圆管、无缝管重量计算", {16, -7, 208, 32}, "分组框7"},
    {K::Label, "标签62", "管道外径φ(mm):", {29, 40, 102, 28}, "分组框7"},
    {K::NumberInput, "编辑框55", "", {136, 40, 56, 28}, "分组框7"},
    {K::Label, "标签61", "管道厚度d(mm):", {200, 40, 94, 28}, "分组框7"},
    {K::NumberInput, "编辑框54", "", {302, 40, 56, 28}, "分组框7"},
    {K::Label, "标签64", "管道长度l(m):", {371, 40, 91, 28}, "分组框7"},
    {K::TextInput, "编辑框56", "", {468, 40, 56, 28}, "分组框7"},
    {K::Label, "标签57", "理论重量G(Kg/m):", {212, 80, 124, 28}, "分组框7"},
    {K::ResultBlue, "编辑框53", "", {342, 80, 80, 28}, "分组框7"},
    {K::Label, "标签55", "圆管重量(Kg):", {212, 120, 101, 28}, "分组框7"},
    {K::ResultRed, "编辑框52", "", {342, 120, 80, 28}, "分组框7"},
    {K::FormulaLabel, "标签67", "理论重量计算公式=", {23, 180, 116, 24}, "分组框7"},
    {K::FormulaText, "标签68", "(外径-壁厚)×壁厚×0.02466", {138, 180, 243, 24}, "分组框7"},
    {K::Sketch, "图片框12", ":/sketches/roundtube", {95, 90, 80, 72}, "分组框7"},
};

constexpr ControlRow kRoundBar[] = {
    {K::GroupBox, "分组框6", "", {6, 49, 566, 210}},
    {K::Title, "标签60", "圆钢、钢筋重量计算", {16, -7, 192, 32}, "分组框6"},
    {K::Label, "标签59", "圆钢直径d(mm):", {71, 40, 100, 28}, "分组框6"},
    {K::NumberInput, "编辑框48", "", {178, 40, 62, 28}, "分组框6"},
    {K::Label, "标签56", "圆钢长度l(m):", {319, 40, 89, 28}, "分组框6"},
    {K::TextInput, "编辑框49", "", {421, 40, 61, 28}, "分组框6"},
    {K::Label, "标签53", "理论重量G(Kg/m):", {212, 80, 129, 28}, "分组框6"},
    {K::ResultBlue, "编辑框50", "", {341, 80, 80, 28}, "分组框6"},
    {K::Label, "标签52", "圆钢重量(Kg):", {212, 120, 143, 28}, "分组框6"},
    {K::ResultRed, "编辑框51", "", {341, 120, 80, 28}, "分组框6"},
    {K::FormulaLabel, "标签65", "理论重量计算公式=", {23, 180, 116, 24}, "分组框6"},
    {K::FormulaText, "标签66", "直径×直径×0.00617", {139, 180, 216, 24}, "分组框6"},
    {K::Sketch, "图片框4", ":/sketches/roundbar", {95, 90, 80, 60}, "分组框6"},
};

constexpr ControlRow kFlatBar[] = {
    {K::GroupBox, "分组框8", "", {6, 49, 566, 210}},
    {K::Title, "标签75", "扁钢、带钢、方钢重量计算", {16, -7, 240, 32}, "分组框8"},
    {K::Label, "标签74", "宽度W(mm):", {47, 40, 73, 28}, "分组框8"},
    {K::NumberInput, "编辑框61", "", {124, 40, 56, 28}, "分组框8"},
    {K::Label, "标签73", "厚度d(mm):", {219, 40, 67, 28}, "分组框8"},
    {K::NumberInput, "编辑框60", "", {294, 40, 56, 28}, "分组框8"},
    {K::Label, "标签70", "长度l(m):", {390, 40, 64, 28}, "分组框8"},
    {K::TextInput, "编辑框57", "", {460, 40, 56, 28}, "分组框8"},
    {K::Label, "标签72", "理论重量G(Kg/m):", {212, 80, 124, 28}, "分组框8"},
    {K::ResultBlue, "编辑框59", "", {341, 80, 80, 28}, "分组框8"},
    {K::Label, "标签71", "扁钢重量(Kg):", {212, 120, 98, 28}, "分组框8"},
    {K::ResultRed, "编辑框58", "", {342, 120, 80, 28}, "分组框8"},
    {K::FormulaLabel, "标签58", "理论重量计算公式=", {23, 180, 104, 24}, "分组框8"},
    {K::FormulaText, "标签69", "宽度×厚度×0.00785", {140, 180, 194, 24}, "分组框8"},
    {K::Sketch, "图片框2", ":/sketches/flatbar", {95, 90, 80, 60}, "分组框8"},
};

constexpr ControlRow kHBeam[] = {
    {K::Title, "标签127", "H型钢重量计算", {180, 11, 165, 29}},
    {K::Sketch, "图片框10", ":/sketches/hbeam", {80, 21, 80, 66}},
    {K::Label, "标签114", "理论重量G(Kg/m):", {208, 44, 112, 28}},
    {K::ResultBlue, "编辑框90", "", {335, 44, 100, 28}},
    {K::Label, "标签115", "H型钢重量(Kg):", {208, 84, 123, 28}},
    {K::ResultRed, "编辑框91", "", {335, 84, 100, 28}},
    {K::GroupBox, "分组框9", "", {41, 114, 530, 86}},
    {K::Label, "标签118", "H-高度(mm):", {14, 6, 81, 24}, "分组框9"},
    {K::NumberInput, "编辑框92", "", {14, 34, 80, 28}, "分组框9", kBlue},
    {K::Label, "标签119", "B-宽度(mm):", {103, 6, 75, 24}, "分组框9"},
    {K::NumberInput, "编辑框93", "", {112, 34, 80, 28}, "分组框9", kBlue},
    {K::Label, "标签120", "t1-腹板厚度(mm):", {188, 6, 112, 24}, "分组框9"},
    {K::NumberInput, "编辑框94", "", {208, 34, 80, 28}, "分组框9", kBlue},
    {K::Label, "标签121", "t2-翼板厚度(mm):", {304, 6, 112, 24}, "分组框9"},
    {K::NumberInput, "编辑框95", "", {304, 34, 80, 28}, "分组框9", kBlue},
    {K::Label, "标签116", "H型钢长度l(m):", {423, 6, 94, 24}, "分组框9"},
    {K::NumberInput, "编辑框96", "", {427, 34, 80, 28}, "分组框9", kBlue},
    {K::FormulaText, "标签117", "理论重量=[(H-t2-t2）×t1 + 2B×t2]×0.00785", {54, 178, 315, 20}},
};

constexpr PageDescriptor kPages[] = {
    {0, 0, SectionKind::Plate, PageForm::Formula, kPlate,
     {"编辑框1", "编辑框4", "编辑框3", "编辑框2", H::QuickAdd, H::QuickCopy}, "编辑框1",
     {{"编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5"}, "钢板", "编辑框7"},
     {{"钢板", "{编辑框1}mm*{编辑框4}m*{编辑框3}m*{编辑框2}块", "{编辑框5}Kg/㎡", "{编辑框6}㎡", "{编辑框7}"},
      "{编辑框1}"},
     {{{{"编辑框1", F::SelectThenCompute}, {"编辑框3", F::SelectThenCompute},
        {"编辑框4", F::SelectThenCompute}, {"编辑框2", F::SelectThenCompute}}},
      {"编辑框5", "编辑框6", "编辑框7"}, nullptr, plate}},
    // The H-beam formula page offers the quick copy before the quick add.
    {4, 1, SectionKind::HBeamFormula, PageForm::Formula, kHBeam,
     {"编辑框92", "编辑框93", "编辑框94", "编辑框95", "编辑框96", H::QuickCopy, H::QuickAdd}, "编辑框92",
     {{"编辑框96", "编辑框92", "编辑框93", "编辑框94", "编辑框95"}, "H型钢", "编辑框91"},
     {{"H型钢", "{编辑框92}*{编辑框93}*{编辑框94}*{编辑框95}", "{编辑框90}Kg/m", "{编辑框96}m", "{编辑框91}"},
      "{编辑框92}*{编辑框93}*{编辑框94}*{编辑框95}"},
     {{{{"编辑框92", F::EvaluateLengthSelectThenCompute}, {"编辑框93", F::EvaluateLengthSelectThenCompute},
        {"编辑框94", F::EvaluateLengthSelectThenCompute}, {"编辑框95", F::EvaluateLengthSelectThenCompute},
        {"编辑框96", F::EvaluateLengthSelectThenCompute}}},
      {"编辑框90", "编辑框91"}, "编辑框96", hBeam}},
    {5, 0, SectionKind::RectTube, PageForm::Formula, kRectTube,
     {"编辑框8", "编辑框43", "编辑框44", "编辑框45", H::QuickAdd, H::QuickCopy}, "编辑框8",
     {{"编辑框8", "编辑框43", "编辑框44", "编辑框45"}, "矩形管", "编辑框47"},
     {{"矩形管", "{编辑框8}*{编辑框43}*{编辑框44}", "{编辑框46}Kg/m", "{编辑框45}m", "{编辑框47}"},
      "{编辑框8}*{编辑框43}*{编辑框44}"},
     {{{{"编辑框8", F::EvaluateLengthSelectThenCompute}, {"编辑框43", F::SelectOnly},
        {"编辑框44", F::SelectOnly}, {"编辑框45", F::SelectOnly}}},
      {"编辑框46", "编辑框47"}, "编辑框45", rectTube}},
    {6, 0, SectionKind::RoundTube, PageForm::Formula, kRoundTube,
     {"编辑框55", "编辑框54", "编辑框56", H::QuickAdd, H::QuickCopy}, "编辑框55",
     {{"编辑框55", "编辑框54", "编辑框56"}, "圆管", "编辑框52"},
     {{"圆管", "φ{编辑框55}*{编辑框54}", "{编辑框53}Kg/m", "{编辑框56}m", "{编辑框52}"},
      "φ{编辑框55}*{编辑框54}"},
     {{{{"编辑框55", F::EvaluateLengthSelectThenCompute}, {"编辑框54", F::SelectOnly},
        {"编辑框56", F::SelectOnly}}},
      {"编辑框53", "编辑框52"}, "编辑框56", roundTube}},
    // The round bar hands its result on without looking at the diameter: a
    // computed G already says it was typed.
    {8, 0, SectionKind::RoundBar, PageForm::Formula, kRoundBar,
     {"编辑框48", "编辑框49", H::QuickAdd, H::QuickCopy}, "编辑框48",
     {{"编辑框49", "编辑框50"}, "圆钢", "编辑框51"},
     {{"圆钢", "φ{编辑框48}", "{编辑框50}Kg/m", "{编辑框49}m", "{编辑框51}"}, "φ{编辑框48}"},
     {{{{"编辑框48", F::EvaluateLengthSelectThenCompute}, {"编辑框49", F::SelectOnly}}},
      {"编辑框50", "编辑框51"}, "编辑框49", roundBar}},
    {9, 0, SectionKind::FlatBar, PageForm::Formula, kFlatBar,
     {"编辑框61", "编辑框60", "编辑框57", H::QuickAdd, H::QuickCopy}, "编辑框61",
     {{"编辑框61", "编辑框60", "编辑框57"}, "扁钢", "编辑框58"},
     {{"扁钢", "{编辑框61}*{编辑框60}", "{编辑框59}Kg/m", "{编辑框57}m", "{编辑框58}"},
      "{编辑框61}*{编辑框60}"},
     {{{{"编辑框61", F::EvaluateLengthSelectThenCompute}, {"编辑框60", F::SelectOnly},
        {"编辑框57", F::SelectOnly}}},
      {"编辑框59", "编辑框58"}, "编辑框57", flatBar}},
};
// clang-format on

} // namespace

std::span<const PageDescriptor> formulaPageDescriptors() {
    return kPages;
}

} // namespace korvane
