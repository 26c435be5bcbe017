// SPDX-License-Identifier: MIT
// The length-expression evaluator on any text: it never fails, and what it
// gives is a number the program can read back and evaluate again to itself.
#include "expressionevaluator.h"
#include "fuzzcheck.h"
#include "numbertext.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const korvane::ExpressionEvaluator evaluator;
    const std::string result = evaluator.evaluate(text);
    if (result.empty())
        return 0;
    FUZZ_CHECK(result.find_first_not_of("0123456789.-+E") == std::string::npos);
    const double value = korvane::NumberText::textToNumber(result);
    FUZZ_CHECK(std::isfinite(value));
    // A result is an expression too, and evaluates to itself.
    FUZZ_CHECK(evaluator.evaluate(result) == result);
    return 0;
}
