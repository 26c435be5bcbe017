// SPDX-License-Identifier: MIT
// The auxiliary page's two tools as data: the weighbridge difference and the
// amount in capital numerals, each with its controls, focus cycle and quick
// copy. Neither adds a line to the material summary.
#include "pagedescriptor.h"

namespace korvane {
namespace {

using K = ControlKind;
using H = HiddenButton;

constexpr QRgb kGreen = qRgb(0, 128, 0);

// Both tools lie on nested tabs: their boxes end, and the weighbridge notes
// sit, high enough to stay clear of the bottom bar.
// clang-format off
constexpr ControlRow kWeighbridge[] = {
    {K::GroupBox, "分组框3", "", {27, 8, 540, 190}},
    {K::Title, "标签27", "磅差计算", {12, -6, 98, 31}, "分组框3"},
    {K::Label, "标签26", "出库重量(吨):", {51, 40, 91, 28}, "分组框3"},
    {K::NumberInput, "编辑框40", "", {147, 40, 80, 28}, "分组框3"},
    {K::Label, "标签25", "收货重量(吨):", {266, 40, 89, 28}, "分组框3"},
    {K::NumberInput, "编辑框39", "", {364, 40, 80, 28}, "分组框3"},
    {K::Label, "标签23", "磅差3‰:", {51, 100, 57, 28}, "分组框3", kGreen},
    {K::ResultBlue, "编辑框38", "", {147, 100, 80, 28}, "分组框3"},
    {K::Label, "标签6", "处理(吨):", {266, 100, 69, 28}, "分组框3", qRgb(128, 0, 128)},
    {K::ResultRed, "编辑框37", "", {364, 100, 80, 28}, "分组框3"},
    {K::FormulaLabel, "标签24", "处理磅差 = 出库重量 * 0.997 - 收货重量", {23, 148, 290, 20}, "分组框3"},
    {K::FormulaText, "标签17", "注：负值表示不用处理磅差，正值表示需处理磅差的重量。", {23, 166, 370, 20}, "分组框3"},
};

constexpr ControlRow kCapitals[] = {
    {K::GroupBox, "分组框11", "", {27, 8, 547, 190}},
    {K::Title, "标签22", "金额大写转换", {12, -6, 131, 31}, "分组框11"},
    {K::Label, "标签28", "输入金额数值:", {54, 62, 115, 28}, nullptr, kGreen},
    {K::NumberInput, "编辑框41", "", {175, 62, 280, 32}},
    {K::Label, "标签29", "金额大写:", {67, 128, 83, 28}, nullptr, qRgb(192, 96, 0)},
    {K::ResultRed, "编辑框42", "", {147, 128, 313, 32}},
    {K::Button, "按钮_复制", "复制", {481, 62, 70, 100}},
};

constexpr PageDescriptor kPages[] = {
    {12, 0, SectionKind::Auxiliary, PageForm::Weighbridge, kWeighbridge,
     {"编辑框40", "编辑框39", H::QuickAdd, H::QuickCopy}, "编辑框40",
     {{"编辑框39", "编辑框40"}, "", "编辑框37", CopyMessage::Weighbridge}, {}},
    // The capitals come first so that they can be selected and copied.
    {12, 1, SectionKind::Auxiliary, PageForm::Amount, kCapitals,
     {"编辑框42", "编辑框41", H::QuickAdd, H::QuickCopy}, "编辑框41",
     {{"编辑框41"}, "", "编辑框42", CopyMessage::Amount}, {}},
};
// clang-format on

} // namespace

std::span<const PageDescriptor> auxiliaryPageDescriptors() {
    return kPages;
}

} // namespace korvane
