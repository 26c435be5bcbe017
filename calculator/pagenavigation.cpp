// SPDX-License-Identifier: MIT
#include "pagenavigation.h"

#include <array>

namespace korvane {

namespace {

constexpr const char* kQuickCopy = "按钮5复制隐藏了";
constexpr const char* kQuickAdd = "按钮4隐藏了";

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

struct FocusRow {
    int page;
    int nested;
    SectionKind kind;
    const char* focusField;
    // Space-separated object names; "+" is the quick-add button, "=" the quick-copy button.
    const char* order;
};

constexpr FocusRow kFocusRows[] = {
    {0, 0, SectionKind::Plate, "编辑框1", "编辑框1 编辑框4 编辑框3 编辑框2 + ="},
    {0, 1, SectionKind::CheckeredPlate, "编辑框12", "超级列表框9 编辑框12 + ="},
    {1, 0, SectionKind::IBeam, "编辑框63", "超级列表框1 编辑框63 + ="},
    {2, 0, SectionKind::EqualAngle, "编辑框69", "超级列表框2 编辑框69 + ="},
    {2, 1, SectionKind::UnequalAngle, "编辑框70", "超级列表框3 编辑框70 + ="},
    {3, 0, SectionKind::Channel, "编辑框77", "超级列表框4 编辑框77 + ="},
    {4, 0, SectionKind::HBeamTable, "编辑框89", "超级列表框5 编辑框89 + ="},
    // The H-beam formula page offers the quick copy before the quick add.
    {4, 1, SectionKind::HBeamFormula, "编辑框92",
     "编辑框92 编辑框93 编辑框94 编辑框95 编辑框96 = +"},
    {5, 0, SectionKind::RectTube, "编辑框8", "编辑框8 编辑框43 编辑框44 编辑框45 + ="},
    {6, 0, SectionKind::RoundTube, "编辑框55", "编辑框55 编辑框54 编辑框56 + ="},
    {7, 0, SectionKind::WeldedPipe, "编辑框81", "超级列表框7 编辑框81 + ="},
    {8, 0, SectionKind::RoundBar, "编辑框48", "编辑框48 编辑框49 + ="},
    {9, 0, SectionKind::FlatBar, "编辑框61", "编辑框61 编辑框60 编辑框57 + ="},
    {10, 0, SectionKind::Rail, "编辑框85", "超级列表框6 编辑框85 + ="},
    {11, 0, SectionKind::CChannel, "编辑框100", "超级列表框8 编辑框100 + ="},
    {12, 0, SectionKind::Auxiliary, "编辑框40", "编辑框40 编辑框39 + ="},
    {12, 1, SectionKind::Auxiliary, "编辑框41", "编辑框42 编辑框41 + ="},
};

const PageRow* pageRow(int page) {
    return page >= 0 && page < PageNavigation::kPageCount ? &kPages[page] : nullptr;
}

const FocusRow* focusRow(int page, int nested) {
    if (PageNavigation::nestedPageCount(page) == 0)
        nested = 0;
    for (const FocusRow& row : kFocusRows) {
        if (row.page == page && row.nested == nested)
            return &row;
    }
    return nullptr;
}

} // namespace

QString PageNavigation::quickCopyButtonName() {
    return QString::fromUtf8(kQuickCopy);
}

QString PageNavigation::quickAddButtonName() {
    return QString::fromUtf8(kQuickAdd);
}

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

SectionKind PageNavigation::sectionKind(int page, int nested) {
    const FocusRow* row = focusRow(page, nested);
    return row ? row->kind : SectionKind::Plate;
}

QString PageNavigation::focusField(int page, int nested) {
    const FocusRow* row = focusRow(page, nested);
    return row ? QString::fromUtf8(row->focusField) : QString();
}

QString PageNavigation::mainTabFocusField(int page) {
    const PageRow* row = pageRow(page);
    return row ? QString::fromUtf8(row->mainTabFocus) : QString();
}

QStringList PageNavigation::focusOrder(int page, int nested) {
    const FocusRow* row = focusRow(page, nested);
    if (row == nullptr)
        return {};
    QStringList names = QString::fromUtf8(row->order).split(u' ', Qt::SkipEmptyParts);
    for (QString& name : names) {
        if (name == u"+")
            name = quickAddButtonName();
        else if (name == u"=")
            name = quickCopyButtonName();
    }
    return names;
}

} // namespace korvane
