// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

namespace korvane {

// One line of the material summary list: six GBK texts exactly as shown,
// 序号, 材料名称, 规格型号, 理论重量, 数量, 重量(Kg). The check mark belongs to
// the list on screen, never to the line: it is neither saved nor reported.
struct SummaryItem {
    static constexpr int kColumnCount = 6;
    enum Column { Number, Name, Size, UnitWeight, Quantity, Weight };

    std::array<std::string, kColumnCount> cells;

    bool operator==(const SummaryItem&) const = default;
};

} // namespace korvane
