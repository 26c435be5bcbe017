// SPDX-License-Identifier: MIT
// Windows that dock beside the main window (the report, the About window)
// stay wholly on the screen that holds the main window.
#include "testnames.h"
#include "windowplacement.h"

#include <gtest/gtest.h>
#include <ostream>

using korvane::platform::keptInside;

namespace {

// The report window's outer height for a list of n lines, as designed.
constexpr int reportHeight(int lines) {
    return 25 * (lines + 5) + 220;
}
constexpr int kReportWidth = 584;
// The report docks at the main window's frame + (595, 100).
constexpr QPoint kReportOffset(595, 100);

struct PlacementCase {
    const char* name;
    QRect available;  // of the screen that holds the main window
    QPoint mainFrame; // the main window's frame top-left
    int lines;
    QRect expected;
};
void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

class ReportPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(ReportPlacement, LiesWhollyInsideTheMainWindowsScreen) {
    const PlacementCase& c = GetParam();
    const QRect wanted(c.mainFrame + kReportOffset, QSize(kReportWidth, reportHeight(c.lines)));
    const QRect placed = keptInside(wanted, c.available);
    EXPECT_EQ(placed, c.expected);
    EXPECT_TRUE(c.available.contains(placed));
}

// Free areas: a task bar of 40 pixels at the bottom of each screen.
constexpr QRect kFullHd(0, 0, 1920, 1040);
constexpr QRect kSmall(0, 0, 1366, 728);
constexpr QRect kSecondRight(1920, 0, 1280, 984);

const PlacementCase kPlacementCases[] = {
    // Where it fits, exactly where the design puts it.
    {"full_hd_short_list", kFullHd, {680, 20}, 2, {1275, 120, 584, 395}},
    // Too high: as high as the screen, moved up to its top.
    {"full_hd_30_lines", kFullHd, {680, 20}, 30, {1275, 0, 584, 1040}},
    {"full_hd_350_lines", kFullHd, {680, 20}, 350, {1275, 0, 584, 1040}},
    // Past the right edge: moved left.
    {"small_screen_short_list", kSmall, {680, 20}, 2, {782, 120, 584, 395}},
    {"small_screen_30_lines", kSmall, {680, 20}, 30, {782, 0, 584, 728}},
    {"small_screen_350_lines", kSmall, {680, 20}, 350, {782, 0, 584, 728}},
    // On a second screen to the right of the first, it stays on the second.
    {"second_screen_short_list", kSecondRight, {1930, 20}, 2, {2525, 120, 584, 395}},
    {"second_screen_30_lines", kSecondRight, {1930, 20}, 30, {2525, 0, 584, 984}},
    // The main window at the right edge of the first screen: the report would
    // go to the second; it stays beside the main window, on the first.
    {"main_window_at_right_edge", kFullHd, {1336, 20}, 2, {1336, 120, 584, 395}},
    {"main_window_at_right_edge_30_lines", kFullHd, {1336, 20}, 30, {1336, 0, 584, 1040}},
    // The main window dragged partly above and left of the screen.
    {"main_window_above_and_left", kSmall, {-700, -150}, 2, {0, 0, 584, 395}},
};
INSTANTIATE_TEST_SUITE_P(Table, ReportPlacement, testing::ValuesIn(kPlacementCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

TEST(WindowPlacement, AWindowWiderThanTheScreenStartsAtItsLeftEdge) {
    EXPECT_EQ(keptInside({500, 10, 900, 300}, {100, 0, 800, 600}), QRect(100, 10, 900, 300));
}

} // namespace
