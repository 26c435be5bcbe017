// SPDX-License-Identifier: MIT
#include "capitals.h"

#include "gbkcodec.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace korvane {
namespace {

struct CapitalCharacters {
    std::array<std::string, 10> digits;
    std::array<std::string, 12> placeUnits; // digit positions 3 to 14
    std::string yuan, jiao, fen, whole, negative, overflow, wan, yi;

    CapitalCharacters() {
        const char* digitChars[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
        const char* unitChars[] = {"拾", "佰", "仟", "万", "拾", "佰",
                                   "仟", "亿", "拾", "佰", "仟", "万"};
        for (size_t i = 0; i < digits.size(); ++i)
            digits[i] = utf8ToGbk(digitChars[i]);
        for (size_t i = 0; i < placeUnits.size(); ++i)
            placeUnits[i] = utf8ToGbk(unitChars[i]);
        yuan = utf8ToGbk("元");
        jiao = utf8ToGbk("角");
        fen = utf8ToGbk("分");
        whole = utf8ToGbk("整");
        negative = utf8ToGbk("负");
        overflow = utf8ToGbk("溢出");
        wan = utf8ToGbk("万");
        yi = utf8ToGbk("亿");
    }
};

const CapitalCharacters& characters() {
    static const CapitalCharacters chars;
    return chars;
}

constexpr double kLargestFen = 999999999999999.0; // 15 digit positions

} // namespace

std::string amountInCapitals(double amount) {
    const CapitalCharacters& c = characters();
    if (!std::isfinite(amount))
        return c.overflow;
    bool negative = amount < 0;

    double whole = 0.0;
    double fraction = std::modf(std::fabs(amount) * 100 + 0.000000000001, &whole);
    if (fraction >= 0.5)
        whole += 1.0;
    if (whole > kLargestFen)
        return c.overflow;
    auto n = static_cast<std::uint64_t>(whole);
    if (n == 0)
        return c.digits[0];

    // Built from the right: every piece goes in front of what is there.
    std::string text = n % 10 == 0 ? c.whole : std::string();
    auto prepend = [&text](const std::string& piece) { text.insert(0, piece); };
    enum { Nothing, Digit, Zero } zeroState = Nothing;
    bool yuanWritten = false;
    bool groupWritten = false;

    for (int p = 0; n > 0; ++p) {
        auto digit = static_cast<size_t>(n % 10);
        n /= 10;
        if (p == 6 || p == 10)
            groupWritten = false;
        if (digit == 0) {
            if (zeroState == Digit) {
                prepend(c.digits[0]);
                zeroState = Zero;
            }
            continue;
        }
        zeroState = Digit;
        if (p == 0) {
            prepend(c.fen);
        } else if (p == 1) {
            prepend(c.jiao);
        } else {
            if (!yuanWritten) {
                prepend(c.yuan);
                yuanWritten = true;
            }
            if (!groupWritten && p >= 6) {
                if (p >= 7 && p <= 9)
                    prepend(c.wan);
                else if (p >= 11)
                    prepend(c.yi);
                groupWritten = true;
            }
            if (p > 2)
                prepend(c.placeUnits[static_cast<size_t>(p - 3)]);
        }
        prepend(c.digits[digit]);
    }
    if (negative)
        text.insert(0, c.negative);
    return text;
}

} // namespace korvane
