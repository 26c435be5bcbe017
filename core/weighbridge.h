// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace korvane {

struct WeighbridgeResult {
    std::string allowance; // 3‰ of the outbound weight, t, 3 decimals
    std::string settle;    // outbound × 0.997 − received, t, 3 decimals; > 0 must be settled
};

WeighbridgeResult computeWeighbridge(std::string_view outbound, std::string_view received);

} // namespace korvane
