// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace korvane {

// The pages of the main window: page captions, nested tab controls and the
// field that takes the focus when the main tab changes page. What each page
// holds is its PageDescriptor. Pages are the index of the main tab
// control (0-12) and, on pages 0, 2, 4 and 12, the nested tab index (0-1);
// elsewhere the nested index is 0.
class PageNavigation {
  public:
    static constexpr int kPageCount = 13;
    static constexpr int kPlatePage = 0;
    static constexpr int kAuxiliaryPage = 12;

    static QString pageCaption(int page);
    // Object name of the page's nested tab control; empty for pages without one.
    static QString nestedTabName(int page);
    static int nestedPageCount(int page); // 0 for pages without nested tabs
    static QString nestedCaption(int page, int nested);
    // The field focused when the main tab control changes page: nested page 0
    // on the angle and H-beam pages whatever the nested tab shows.
    static QString mainTabFocusField(int page);
};

} // namespace korvane
