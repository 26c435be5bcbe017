// SPDX-License-Identifier: MIT
#include "pagenavigation.h"

#include <array>

namespace korvane {

namespace {

struct PageRow {
    const char* caption;
    const char* nestedTab; // nullptr: no nested tab control
    std::array<const char*, 2> nestedCaptions;
    const char* mainTabFocus;
};

// Indexed by page.
constexpr std::array<PageRow, PageNavigation::kPageCount> kPages{{
    {"  板材  ", "选择夹4", {"中厚板", "花纹钢板"}, "编辑框1"},
    {"工字钢", nullptr, {}, "编辑框63"},
    {"  角钢  ", "选择夹2", {"等边角钢", "不等边角钢"}, "编辑框69"},
    {"  槽钢  ", nullptr, {}, "编辑框77"},
    {"H型钢", "选择夹3", {"查表法", "计算法"}, "编辑框89"},
    {"矩形管", nullptr, {}, "编辑框8"},
    {"  圆管  ", nullptr, {}, "编辑框55"},
    {"焊接钢管", nullptr, {}, "编辑框81"},
    {"圆钢", nullptr, {}, "编辑框48"},
    {"扁钢", nullptr, {}, "编辑框61"},
    {"钢轨", nullptr, {}, "编辑框85"},
    {"C型钢", nullptr, {}, "编辑框100"},
    {"辅助功能", "选择夹5", {"±磅差计算", "金额大写转换"}, "编辑框40"},
}};

const PageRow* pageRow(int page) {
    return page >= 0 && page < PageNavigation::kPageCount ? &kPages[page] : nullptr;
}

} // namespace

QString PageNavigation::pageCaption(int page) {
    const PageRow* row = pageRow(page);
    return row ? QString::fromUtf8(row->caption) : QString();
}

QString PageNavigation::nestedTabName(int page) {
    const PageRow* row = pageRow(page);
    return row && row->nestedTab ? QString::fromUtf8(row->nestedTab) : QString();
}

int PageNavigation::nestedPageCount(int page) {
    const PageRow* row = pageRow(page);
    return row && row->nestedTab ? int(row->nestedCaptions.size()) : 0;
}

QString PageNavigation::nestedCaption(int page, int nested) {
    if (nested < 0 || nested >= nestedPageCount(page))
        return {};
    return QString::fromUtf8(kPages[page].nestedCaptions[nested]);
}

QString PageNavigation::mainTabFocusField(int page) {
    const PageRow* row = pageRow(page);
    return row ? QString::fromUtf8(row->mainTabFocus) : QString();
}

} // namespace korvane
