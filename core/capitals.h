// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace korvane {

// A money amount in yuan written in capital numerals as on invoices, e.g.
// 1001 -> "壹仟零壹元整", 1234567.89 -> "壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分" (GBK).
// Rounds half up to whole fen; an amount that rounds to 0 gives "零", one of
// 10^13 yuan or more (or not finite) gives "溢出".
std::string amountInCapitals(double amount);

} // namespace korvane
