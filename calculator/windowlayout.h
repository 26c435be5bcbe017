// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

#include <span>

namespace korvane {

// Where the main window's controls sit, in pixels of its client area (below
// the menu bar). The design frame of the window is 584 x 336 with the summary
// panel closed and 584 x 620 with it open; the client area is the part of it
// that holds the controls.
namespace WindowLayout {

constexpr QPoint kPosition{680, 20};
constexpr int kDesignHeightClosed = 336;
constexpr int kDesignHeightOpen = 620;
// Client area below the menu bar: the bottom strip ends at 291, the summary
// panel at 568; opening the panel adds the same 284 pixels as the design frame.
constexpr QSize kClientClosed{578, 291};
constexpr QSize kClientOpen{578, 291 + kDesignHeightOpen - kDesignHeightClosed};

constexpr QRect kMainTabs{0, -5, 582, 295};
constexpr QRect kNestedTabs{0, 41, 580, 254};
constexpr QRect kBlankStrip{0, 255, 584, 36};
constexpr QRect kOnTopCheckBox{19, 260, 79, 25};
constexpr QRect kCalculatorPicture{355, 260, 24, 24};
constexpr QRect kPanelButton{384, 260, 90, 24};
constexpr QRect kExitButton{504, 260, 70, 24};
constexpr QRect kQuickCopyButton{-58, 224, 56, 40};
constexpr QRect kQuickAddButton{580, 288, 48, 56};
constexpr QRect kSummaryPanel{6, 292, 566, 276};

struct SelectorButtonRow {
    const char* name;
    const char* caption;
    QRect rect;
    int page;
    const char* clip; // resource path of the button's sound clip
};

std::span<const SelectorButtonRow> selectorButtons();

} // namespace WindowLayout

} // namespace korvane
