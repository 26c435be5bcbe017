// SPDX-License-Identifier: MIT
#include "weighbridge.h"

#include "numbertext.h"

namespace korvane {

WeighbridgeResult computeWeighbridge(std::string_view outbound, std::string_view received) {
    double out = NumberText::textToNumber(outbound);
    WeighbridgeResult result;
    result.allowance = NumberText::fixedDecimalsText(out * 0.003, 3);
    double kept = out * 0.997;
    result.settle = NumberText::fixedDecimalsText(kept - NumberText::textToNumber(received), 3);
    return result;
}

} // namespace korvane
