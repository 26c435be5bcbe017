// SPDX-License-Identifier: MIT
#pragma once

#include "sectionkind.h"

#include <QString>
#include <QStringList>

namespace korvane {

// The pages of the main window and how the keyboard moves over them: page
// captions, nested tab controls, the field that takes the focus when a page is
// shown and the focus cycle of each page. Pages are the index of the main tab
// control (0-12) and, on pages 0, 2, 4 and 12, the nested tab index (0-1);
// elsewhere the nested index is 0.
class PageNavigation {
  public:
    static constexpr int kPageCount = 13;
    static constexpr int kPlatePage = 0;
    static constexpr int kAuxiliaryPage = 12;

    // Object names of the two hidden buttons of the focus cycle.
    static QString quickCopyButtonName();
    static QString quickAddButtonName();

    static QString pageCaption(int page);
    // Object name of the page's nested tab control; empty for pages without one.
    static QString nestedTabName(int page);
    static int nestedPageCount(int page); // 0 for pages without nested tabs
    static QString nestedCaption(int page, int nested);
    static SectionKind sectionKind(int page, int nested);

    // The field focused when the page is chosen with its selector button or a
    // nested tab is clicked.
    static QString focusField(int page, int nested);
    // The field focused when the main tab control changes page: nested page 0
    // on the angle and H-beam pages whatever the nested tab shows.
    static QString mainTabFocusField(int page);
    // The page's controls in focus-cycle order, hidden buttons included.
    static QStringList focusOrder(int page, int nested);
};

} // namespace korvane
