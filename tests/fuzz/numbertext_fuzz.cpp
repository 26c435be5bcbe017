// SPDX-License-Identifier: MIT
// A text read as a number, then that number in every text form the program
// shows: each form reads back as the number it was made from.
#include "fuzzcheck.h"
#include "numbertext.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

using namespace korvane::NumberText;

namespace {

const std::string& overflow() {
    static const std::string text = "\xD2\xE7\xB3\xF6"; // 溢出 in GBK
    return text;
}

// A text of so many significant digits reads back within one unit of its last
// digit: the digits are rounded twice, first to 17 places, then half up to
// the places shown. Subnormal values have fewer digits of their own.
bool readsBack(const std::string& text, double value, double relative) {
    const double back = textToNumber(text);
    return std::fabs(back - value) <= std::fabs(value) * relative + 1e-300;
}

void checkGeneral(const std::string& text, double value, double relative) {
    FUZZ_CHECK(!text.empty());
    FUZZ_CHECK(text != "-0");
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text == overflow());
        return;
    }
    FUZZ_CHECK(text.find_first_not_of("0123456789.-+e") == std::string::npos);
    FUZZ_CHECK(readsBack(text, value, relative));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = textToNumber(text);
    FUZZ_CHECK(!std::isnan(value));

    checkGeneral(defaultNumberText(value), value, 1e-12);

    const auto single = static_cast<float>(value);
    checkGeneral(defaultNumberText(single), double(single), 1e-5);

    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max()) {
        const auto integer = static_cast<std::int32_t>(value);
        FUZZ_CHECK(textToNumber(defaultNumberText(integer)) == integer);
    }

    // The decimals the program's fields use, and a few more.
    for (int decimals = 0; decimals <= 8; ++decimals) {
        const std::string fixed = fixedDecimalsText(value, decimals);
        FUZZ_CHECK(!fixed.empty());
        if (!std::isfinite(value)) {
            FUZZ_CHECK(fixed == overflow());
            continue;
        }
        if (std::fabs(value) >= 1e13 || fixed.find('e') != std::string::npos)
            continue;
        // Plain digits with exactly `decimals` places, within half of the last
        // place of the value (and the 13 digits the text holds).
        const std::size_t point = fixed.find('.');
        FUZZ_CHECK(decimals == 0 ? point == std::string::npos
                                 : point != std::string::npos &&
                                       fixed.size() - point - 1 == std::size_t(decimals));
        const double back = textToNumber(fixed);
        FUZZ_CHECK(std::fabs(back - value) <=
                   0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-12 + 1e-12);
    }
    return 0;
}
