// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Evaluates what users type into length fields: decimal numbers (also with an
// exponent, as 1e3), + - * /, unary signs, parentheses and white space, for
// example "3*6" or "(2+3)*1000". The result is the value as text, the way the
// program always showed it: integers in plain digits, other values with up to
// 15 significant digits ("10/3" gives "3.33333333333333"), exponent form with
// a capital E ("1/20000" gives "5E-05"). A number written beyond the double
// range counts as infinite, one below its smallest value as 0 ("1e-400+2"
// gives "2"). Anything that cannot be evaluated gives an empty text: a syntax
// error, a division by zero, an infinite or undefined result, or parentheses
// nested deeper than kMaxNesting.
//
// Time and stack use are linear in the text length and bounded in depth; the
// evaluator keeps no state between calls.
class ExpressionEvaluator {
  public:
    static constexpr int kMaxNesting = 256;

    std::string evaluate(std::string_view text) const;
};

} // namespace korvane
