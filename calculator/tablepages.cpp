// SPDX-License-Identifier: MIT
// The nine table-lookup pages as data: every control with its object name,
// caption and rect on its page, the focus cycle and the quick copy.
#include "pagedescriptor.h"

namespace korvane {
namespace {

using K = ControlKind;
using H = HiddenButton;

// The lists on nested pages are 190 high, 20 less than elsewhere: they start
// below the nested tab strip, and a taller list would end under the bottom
// bar, where its last rows could never be clicked. For the same reason the
// fields beside them sit a little higher than on the other pages: the length
// field, typed in last, ends level with the list, whole above the bar.

// clang-format off
constexpr ControlRow kCheckeredPlate[] = {
    {K::List, "超级列表框9", "", {28, 9, 200, 190}},
    {K::Title, "标签21", "扁豆形花纹钢板重量计算", {297, 15, 218, 24}},
    {K::Label, "标签13", "理论重量G(Kg/m):", {285, 51, 118, 28}},
    {K::ResultBlue, "编辑框9", "", {412, 51, 120, 28}},
    {K::Label, "标签18", "花纹板重量(Kg):", {285, 91, 123, 28}},
    {K::ResultRed, "编辑框10", "", {412, 91, 120, 28}},
    {K::Label, "标签19", "规格型号:", {285, 131, 70, 28}},
    {K::ResultModel, "编辑框11", "", {412, 131, 120, 28}},
    {K::Label, "标签20", "计算面积S(㎡):", {285, 171, 95, 28}},
    {K::LengthInput, "编辑框12", "", {412, 171, 120, 28}},
};

constexpr ControlRow kIBeam[] = {
    {K::List, "超级列表框1", "", {1, 49, 260, 210}},
    {K::Sketch, "图片框5", ":/sketches/ibeam", {265, 66, 80, 60}},
    {K::Title, "标签87", "普通工字钢重量计算", {358, 56, 192, 24}},
    {K::Label, "标签79", "理论重量G(Kg/m):", {350, 95, 110, 28}},
    {K::ResultBlue, "编辑框62", "", {477, 95, 90, 28}},
    {K::Label, "标签80", "工字钢重量(Kg):", {350, 135, 123, 28}},
    {K::ResultRed, "编辑框64", "", {477, 135, 90, 28}},
    {K::Label, "标签82", "工字钢型号:", {350, 175, 80, 28}},
    {K::ResultModel, "编辑框65", "", {477, 175, 90, 28}},
    {K::Label, "标签81", "工字钢长度l(m):", {350, 215, 102, 28}},
    {K::LengthInput, "编辑框63", "", {477, 215, 90, 28}},
};

constexpr ControlRow kEqualAngle[] = {
    {K::List, "超级列表框2", "", {28, 9, 200, 190}},
    {K::Sketch, "图片框6", ":/sketches/equalangle", {244, 25, 80, 64}},
    {K::Title, "标签88", "等边角钢重量计算", {374, 15, 192, 24}},
    {K::Label, "标签83", "理论重量G(Kg/m):", {350, 51, 118, 28}},
    {K::ResultBlue, "编辑框66", "", {477, 51, 90, 28}},
    {K::Label, "标签84", "等边角钢(Kg):", {350, 91, 123, 28}},
    {K::ResultRed, "编辑框67", "", {477, 91, 90, 28}},
    {K::Label, "标签85", "角钢型号:", {350, 131, 70, 28}},
    {K::ResultModel, "编辑框68", "", {477, 131, 90, 28}},
    {K::Label, "标签86", "角钢长度l(m):", {350, 171, 89, 28}},
    {K::LengthInput, "编辑框69", "", {477, 171, 90, 28}},
};

constexpr ControlRow kUnequalAngle[] = {
    {K::List, "超级列表框3", "", {28, 9, 200, 190}},
    {K::Sketch, "图片框7", ":/sketches/unequalangle", {234, 25, 80, 60}},
    {K::Title, "标签89", "不等边角钢重量计算", {344, 15, 192, 24}},
    {K::Label, "标签90", "理论重量G(Kg/m):", {323, 51, 110, 28}},
    {K::ResultBlue, "编辑框73", "", {450, 51, 120, 28}},
    {K::Label, "标签91", "不等边角钢(Kg):", {323, 91, 123, 28}},
    {K::ResultRed, "编辑框71", "", {450, 91, 120, 28}},
    {K::Label, "标签92", "角钢型号:", {323, 131, 70, 28}},
    {K::ResultModel, "编辑框72", "", {450, 131, 120, 28}},
    {K::Label, "标签93", "角钢长度l(m):", {323, 171, 89, 28}},
    {K::LengthInput, "编辑框70", "", {450, 171, 120, 28}},
};

constexpr ControlRow kChannel[] = {
    {K::List, "超级列表框4", "", {1, 49, 260, 210}},
    {K::Sketch, "图片框8", ":/sketches/channel", {268, 66, 75, 60}},
    {K::Title, "标签94", "普通槽钢重量计算", {368, 56, 172, 24}},
    {K::Label, "标签95", "理论重量G(Kg/m):", {350, 95, 110, 28}},
    {K::ResultBlue, "编辑框74", "", {477, 95, 90, 28}},
    {K::Label, "标签96", "槽钢重量Kg):", {350, 135, 123, 28}},
    {K::ResultRed, "编辑框75", "", {477, 135, 90, 28}},
    {K::Label, "标签97", "槽钢型号:", {350, 175, 70, 28}},
    {K::ResultModel, "编辑框76", "", {477, 175, 90, 28}},
    {K::Label, "标签98", "槽钢长度l(m):", {350, 215, 102, 28}},
    {K::LengthInput, "编辑框77", "", {477, 215, 90, 28}},
};

constexpr ControlRow kHBeam[] = {
    {K::List, "超级列表框5", "", {28, 8, 300, 190}},
    {K::Title, "标签109", "热轧H型钢重量计算", {360, 15, 181, 24}},
    {K::Label, "标签110", "理论重量G(Kg/m):", {341, 51, 112, 28}},
    {K::ResultBlue, "编辑框86", "", {468, 51, 100, 28}},
    {K::Label, "标签111", "H型钢重量(Kg):", {341, 91, 126, 28}},
    {K::ResultRed, "编辑框87", "", {468, 91, 100, 28}},
    {K::Label, "标签112", "H型钢型号:", {341, 131, 70, 28}},
    {K::ResultModel, "编辑框88", "", {441, 131, 130, 28}},
    {K::Label, "标签113", "H型钢长度l(m):", {341, 171, 92, 28}},
    {K::LengthInput, "编辑框89", "", {441, 171, 130, 28}},
};

constexpr ControlRow kWeldedPipe[] = {
    {K::List, "超级列表框7", "", {1, 49, 320, 210}},
    {K::Title, "标签99", "普通焊接钢管重量计算", {341, 58, 200, 24}},
    {K::Label, "标签100", "理论重量G(Kg/m):", {338, 95, 106, 28}},
    {K::ResultBlue, "编辑框78", "", {465, 95, 90, 28}},
    {K::Label, "标签101", "焊管重量(Kg):", {338, 135, 122, 28}},
    {K::ResultRed, "编辑框79", "", {465, 135, 90, 28}},
    {K::Label, "标签102", "焊管型号:", {338, 175, 73, 28}},
    {K::ResultModel, "编辑框80", "", {465, 175, 90, 28}},
    {K::Label, "标签103", "焊管长度l(m):", {338, 215, 89, 28}},
    {K::LengthInput, "编辑框81", "", {465, 215, 90, 28}},
};

constexpr ControlRow kRail[] = {
    {K::List, "超级列表框6", "", {1, 49, 200, 210}},
    {K::Sketch, "图片框9", ":/sketches/rail", {205, 66, 100, 120}},
    {K::Title, "标签104", "普通钢轨重量计算", {330, 56, 182, 24}},
    {K::Label, "标签105", "理论重量G(Kg/m):", {317, 94, 105, 28}},
    {K::ResultBlue, "编辑框82", "", {444, 94, 120, 28}},
    {K::Label, "标签106", "钢轨重量(Kg):", {317, 134, 122, 28}},
    {K::ResultRed, "编辑框83", "", {444, 134, 120, 28}},
    {K::Label, "标签107", "钢轨型号:", {317, 174, 70, 28}},
    {K::ResultModel, "编辑框84", "", {444, 174, 120, 28}},
    {K::Label, "标签108", "钢轨长度l(m):", {317, 214, 89, 28}},
    {K::LengthInput, "编辑框85", "", {444, 214, 120, 28}},
};

constexpr ControlRow kCChannel[] = {
    {K::List, "超级列表框8", "", {1, 49, 210, 210}},
    {K::Sketch, "图片框11", ":/sketches/cchannel", {219, 66, 90, 180}},
    {K::Title, "标签122", "常见C型钢重量计算", {361, 56, 192, 24}},
    {K::Label, "标签123", "理论重量G(Kg/m):", {317, 94, 118, 28}},
    {K::ResultBlue, "编辑框97", "", {444, 94, 124, 28}},
    {K::Label, "标签124", "C型钢重量(Kg):", {317, 134, 122, 28}},
    {K::ResultRed, "编辑框98", "", {444, 134, 124, 28}},
    {K::Label, "标签125", "C型钢型号:", {317, 174, 77, 28}},
    {K::ResultModel, "编辑框99", "", {444, 174, 124, 28}},
    {K::Label, "标签126", "C型钢长度l(m):", {317, 214, 109, 28}},
    {K::LengthInput, "编辑框100", "", {444, 214, 124, 28}},
};

constexpr PageDescriptor kPages[] = {
    {0, 1, SectionKind::CheckeredPlate, PageForm::Table, kCheckeredPlate,
     {"超级列表框9", "编辑框12", H::QuickAdd, H::QuickCopy}, "编辑框12",
     {{"编辑框12", "编辑框11"}, "花纹板", "编辑框10"},
     {{"花纹板", "{编辑框11}", "{编辑框9}Kg/㎡", "{编辑框12}㎡", "{编辑框10}"}, "{编辑框11}"}},
    {1, 0, SectionKind::IBeam, PageForm::Table, kIBeam,
     {"超级列表框1", "编辑框63", H::QuickAdd, H::QuickCopy}, "编辑框63",
     {{"编辑框63", "编辑框65"}, "工字钢", "编辑框64"},
     {{"工字钢 {编辑框65}", "{#1}", "{编辑框62}Kg/m", "{编辑框63}m", "{编辑框64}"}, "{编辑框65}"}},
    {2, 0, SectionKind::EqualAngle, PageForm::Table, kEqualAngle,
     {"超级列表框2", "编辑框69", H::QuickAdd, H::QuickCopy}, "编辑框69",
     {{"编辑框69", "编辑框68"}, "等边角钢", "编辑框67"},
     {{"等边角钢", "{编辑框68}", "{编辑框66}Kg/m", "{编辑框69}m", "{编辑框67}"}, "{编辑框68}"}},
    {2, 1, SectionKind::UnequalAngle, PageForm::Table, kUnequalAngle,
     {"超级列表框3", "编辑框70", H::QuickAdd, H::QuickCopy}, "编辑框70",
     {{"编辑框70", "编辑框72"}, "不等边角钢", "编辑框71"},
     {{"不等边角钢", "{编辑框72}", "{编辑框73}Kg/m", "{编辑框70}m", "{编辑框71}"}, "{编辑框72}"}},
    {3, 0, SectionKind::Channel, PageForm::Table, kChannel,
     {"超级列表框4", "编辑框77", H::QuickAdd, H::QuickCopy}, "编辑框77",
     {{"编辑框77", "编辑框76"}, "槽钢", "编辑框75"},
     {{"槽钢 {编辑框76}", "{#1}", "{编辑框74}Kg/m", "{编辑框77}m", "{编辑框75}"}, "{编辑框76}"}},
    {4, 0, SectionKind::HBeamTable, PageForm::Table, kHBeam,
     {"超级列表框5", "编辑框89", H::QuickAdd, H::QuickCopy}, "编辑框89",
     {{"编辑框89", "编辑框88"}, "H型钢", "编辑框87"},
     {{"H型钢", "{编辑框88}", "{编辑框86}Kg/m", "{编辑框89}m", "{编辑框87}"}, "{编辑框88}"}},
    {7, 0, SectionKind::WeldedPipe, PageForm::Table, kWeldedPipe,
     {"超级列表框7", "编辑框81", H::QuickAdd, H::QuickCopy}, "编辑框81",
     {{"编辑框81", "编辑框78"}, "焊管", "编辑框79"},
     {{"焊管 {编辑框80}", "{#2}", "{编辑框78}Kg/m", "{编辑框81}m", "{编辑框79}"}, "{#0}"}},
    {10, 0, SectionKind::Rail, PageForm::Table, kRail,
     {"超级列表框6", "编辑框85", H::QuickAdd, H::QuickCopy}, "编辑框85",
     {{"编辑框85", "编辑框84"}, "钢轨", "编辑框83"},
     {{"钢轨", "{编辑框84}", "{编辑框82}Kg/m", "{编辑框85}m", "{编辑框83}"}, "{编辑框84}"}},
    {11, 0, SectionKind::CChannel, PageForm::Table, kCChannel,
     {"超级列表框8", "编辑框100", H::QuickAdd, H::QuickCopy}, "编辑框100",
     {{"编辑框100", "编辑框99"}, "C型钢", "编辑框98"},
     {{"C型钢", "{编辑框99}", "{编辑框97}Kg/m", "{编辑框100}m", "{编辑框98}"}, "{编辑框99}"}},
};
// clang-format on

} // namespace

std::span<const PageDescriptor> tablePageDescriptors() {
    return kPages;
}

} // namespace korvane
