// SPDX-License-Identifier: MIT
#include "windowlayout.h"

namespace korvane::WindowLayout {

namespace {
constexpr SelectorButtonRow kSelectorButtons[] = {
    {"超级按钮1", "钢板", {9, 6, 40, 24}, 0, ":/sounds/selector01.wav"},
    {"超级按钮2", "工字钢", {49, 6, 50, 24}, 1, ":/sounds/selector02.wav"},
    {"超级按钮3", "角钢", {99, 6, 40, 24}, 2, ":/sounds/selector03.wav"},
    {"超级按钮4", "槽钢", {139, 6, 40, 24}, 3, ":/sounds/selector04.wav"},
    {"超级按钮5", "H型钢", {179, 6, 50, 24}, 4, ":/sounds/selector05.wav"},
    {"超级按钮6", "矩形管", {229, 6, 50, 24}, 5, ":/sounds/selector06.wav"},
    {"超级按钮7", "圆管", {279, 6, 40, 24}, 6, ":/sounds/selector07.wav"},
    {"超级按钮8", "焊管", {319, 6, 40, 24}, 7, ":/sounds/selector08.wav"},
    {"超级按钮9", "圆钢", {359, 6, 40, 24}, 8, ":/sounds/selector09.wav"},
    {"超级按钮10", "扁钢", {399, 6, 40, 24}, 9, ":/sounds/selector10.wav"},
    {"超级按钮11", "钢轨", {439, 6, 40, 24}, 10, ":/sounds/selector11.wav"},
    {"超级按钮12", "C型钢", {479, 6, 50, 24}, 11, ":/sounds/selector12.wav"},
    {"超级按钮13", "辅助", {529, 6, 40, 24}, 12, ":/sounds/selector13.wav"},
};
} // namespace

std::span<const SelectorButtonRow> selectorButtons() {
    return kSelectorButtons;
}

} // namespace korvane::WindowLayout
