// SPDX-License-Identifier: MIT
#include "pageplaceholders.h"

#include <QLineEdit>
#include <QRect>
#include <QTreeWidget>

namespace korvane {

namespace {

enum class ControlKind { Field, List };

struct PlaceholderRow {
    int page;
    int nested;
    ControlKind kind;
    const char* name;
    QRect rect; // on the page, or on the nested page
};

// Controls inside a group box are placed at the group box's offset on the page.
constexpr QRect inGroup(QPoint group, QRect rect) {
    return rect.translated(group);
}
constexpr QPoint kTubeGroup{6, 49};
constexpr QPoint kHBeamGroup{41, 114};
constexpr QPoint kWeighbridgeGroup{27, 8};

using K = ControlKind;
const PlaceholderRow kRows[] = {
    {0, 0, K::Field, "编辑框1", {111, 48, 57, 28}},
    {0, 0, K::Field, "编辑框4", {236, 48, 57, 28}},
    {0, 0, K::Field, "编辑框3", {357, 48, 57, 28}},
    {0, 0, K::Field, "编辑框2", {491, 48, 57, 28}},
    {0, 1, K::List, "超级列表框9", {28, 9, 200, 210}},
    {0, 1, K::Field, "编辑框12", {412, 174, 120, 28}},
    {1, 0, K::List, "超级列表框1", {1, 49, 260, 210}},
    {1, 0, K::Field, "编辑框63", {477, 215, 90, 28}},
    {2, 0, K::List, "超级列表框2", {28, 9, 200, 210}},
    {2, 0, K::Field, "编辑框69", {477, 174, 90, 28}},
    {2, 1, K::List, "超级列表框3", {28, 9, 200, 210}},
    {2, 1, K::Field, "编辑框70", {450, 174, 120, 28}},
    {3, 0, K::List, "超级列表框4", {1, 49, 260, 210}},
    {3, 0, K::Field, "编辑框77", {477, 215, 90, 28}},
    {4, 0, K::List, "超级列表框5", {28, 8, 300, 210}},
    {4, 0, K::Field, "编辑框89", {441, 174, 130, 28}},
    {4, 1, K::Field, "编辑框92", inGroup(kHBeamGroup, {14, 43, 80, 28})},
    {4, 1, K::Field, "编辑框93", inGroup(kHBeamGroup, {112, 43, 80, 28})},
    {4, 1, K::Field, "编辑框94", inGroup(kHBeamGroup, {208, 43, 80, 28})},
    {4, 1, K::Field, "编辑框95", inGroup(kHBeamGroup, {304, 43, 80, 28})},
    {4, 1, K::Field, "编辑框96", inGroup(kHBeamGroup, {427, 43, 80, 28})},
    {5, 0, K::Field, "编辑框8", inGroup(kTubeGroup, {103, 40, 50, 28})},
    {5, 0, K::Field, "编辑框43", inGroup(kTubeGroup, {218, 40, 50, 28})},
    {5, 0, K::Field, "编辑框44", inGroup(kTubeGroup, {354, 40, 50, 28})},
    {5, 0, K::Field, "编辑框45", inGroup(kTubeGroup, {482, 40, 55, 28})},
    {6, 0, K::Field, "编辑框55", inGroup(kTubeGroup, {136, 40, 56, 28})},
    {6, 0, K::Field, "编辑框54", inGroup(kTubeGroup, {302, 40, 56, 28})},
    {6, 0, K::Field, "编辑框56", inGroup(kTubeGroup, {468, 40, 56, 28})},
    {7, 0, K::List, "超级列表框7", {1, 49, 320, 210}},
    {7, 0, K::Field, "编辑框81", {465, 215, 90, 28}},
    {8, 0, K::Field, "编辑框48", inGroup(kTubeGroup, {178, 40, 62, 28})},
    {8, 0, K::Field, "编辑框49", inGroup(kTubeGroup, {421, 40, 61, 28})},
    {9, 0, K::Field, "编辑框61", inGroup(kTubeGroup, {124, 40, 56, 28})},
    {9, 0, K::Field, "编辑框60", inGroup(kTubeGroup, {294, 40, 56, 28})},
    {9, 0, K::Field, "编辑框57", inGroup(kTubeGroup, {460, 40, 56, 28})},
    {10, 0, K::List, "超级列表框6", {1, 49, 200, 210}},
    {10, 0, K::Field, "编辑框85", {444, 214, 120, 28}},
    {11, 0, K::List, "超级列表框8", {1, 49, 210, 210}},
    {11, 0, K::Field, "编辑框100", {444, 214, 124, 28}},
    {12, 0, K::Field, "编辑框40", inGroup(kWeighbridgeGroup, {147, 40, 80, 28})},
    {12, 0, K::Field, "编辑框39", inGroup(kWeighbridgeGroup, {364, 40, 80, 28})},
    {12, 1, K::Field, "编辑框41", {175, 62, 280, 32}},
    {12, 1, K::Field, "编辑框42", {147, 128, 313, 32}},
};

} // namespace

void addPlaceholderControls(int page, int nestedPage, QWidget* pageWidget) {
    for (const PlaceholderRow& row : kRows) {
        if (row.page != page || row.nested != nestedPage)
            continue;
        QWidget* control = nullptr;
        if (row.kind == ControlKind::List)
            control = new QTreeWidget(pageWidget);
        else
            control = new QLineEdit(pageWidget);
        control->setObjectName(QString::fromUtf8(row.name));
        control->setGeometry(row.rect);
    }
}

} // namespace korvane
