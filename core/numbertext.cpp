// SPDX-License-Identifier: MIT
#include "numbertext.h"

#include "gbkcodec.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace korvane::NumberText {
namespace {

const std::string& overflowText() {
    static const std::string text = utf8ToGbk("溢出");
    return text;
}

// Full-width forms, the ideographic space, the wave dash and the two stars
// become their ASCII look-alikes; other double-byte characters stay as they are.
std::string foldFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            continue;
        }
        if (i + 1 >= text.size())
            break; // a lead byte without its second byte ends the text
        auto trail = static_cast<unsigned char>(text[++i]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            out.push_back(static_cast<char>(trail - 0x80));
        else if (lead == 0xA1 && trail == 0xA1)
            out.push_back(' ');
        else if (lead == 0xA1 && trail == 0xAB)
            out.push_back('~');
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            out.push_back('*');
        else {
            out.push_back(static_cast<char>(lead));
            out.push_back(static_cast<char>(trail));
        }
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The leading number of an already folded text, as atof reads it.
double parseLeadingNumber(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && isSpace(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';

    std::string number;
    size_t intStart = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    std::string_view intDigits = s.substr(intStart, i - intStart);
    std::string_view fracDigits;
    if (i < s.size() && s[i] == '.') {
        size_t fracStart = ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        fracDigits = s.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty())
        return 0.0;

    // The exponent saturates far beyond the double range, so that a long run
    // of digits cannot overflow it.
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            expNegative = s[j++] == '-';
        if (j < s.size() && isDigit(s[j])) {
            for (; j < s.size() && isDigit(s[j]); ++j)
                exponent = std::min(exponent * 10 + (s[j] - '0'), 100000000L);
            if (expNegative)
                exponent = -exponent;
        }
    }

    number.reserve(intDigits.size() + fracDigits.size() + 16);
    number.append(intDigits.empty() ? std::string_view("0") : intDigits);
    if (!fracDigits.empty()) {
        number.push_back('.');
        number.append(fracDigits);
    }
    number.push_back('e');
    number.append(std::to_string(exponent));

    double value = 0.0;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal magnitude of
        // the first significant digit.
        long magnitude = 0;
        size_t firstInt = intDigits.find_first_not_of('0');
        if (firstInt != std::string_view::npos) {
            magnitude = static_cast<long>(intDigits.size() - firstInt) - 1;
        } else {
            size_t firstFrac = fracDigits.find_first_not_of('0');
            if (firstFrac == std::string_view::npos)
                return negative ? -0.0 : 0.0;
            magnitude = -static_cast<long>(firstFrac) - 1;
        }
        value = magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

// %.{digits}g, except that the exponent has at least three digits and that
// zero has no sign. The digits are first taken to 17 significant places and
// then rounded half up at the requested place, so that a value typed as
// 2.675 shows as 2.68, as a person reading the digits expects.
std::string generalText(double value, int digits) {
    if (value == 0.0)
        return "0";
    if (!std::isfinite(value))
        return overflowText();

    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                std::chars_format::scientific, 16);
    std::string_view sci(buffer, static_cast<size_t>(result.ptr - buffer));
    // sci is "d.ddddddddddddddde[+-]xx"
    std::string mantissa;
    mantissa.push_back(sci[0]);
    size_t ePos = sci.find('e');
    mantissa.append(sci.substr(2, ePos - 2));
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);

    bool roundUp = mantissa[static_cast<size_t>(digits)] >= '5';
    mantissa.resize(static_cast<size_t>(digits));
    if (roundUp) {
        int k = digits - 1;
        while (k >= 0 && mantissa[static_cast<size_t>(k)] == '9')
            mantissa[static_cast<size_t>(k--)] = '0';
        if (k >= 0) {
            ++mantissa[static_cast<size_t>(k)];
        } else {
            mantissa.insert(mantissa.begin(), '1');
            mantissa.pop_back();
            ++exponent;
        }
    }
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string text;
    if (value < 0)
        text.push_back('-');
    if (exponent >= -4 && exponent < digits) {
        if (exponent < 0) {
            text.append("0.");
            text.append(static_cast<size_t>(-exponent - 1), '0');
            text.append(mantissa);
        } else {
            auto intCount = static_cast<size_t>(exponent) + 1;
            if (mantissa.size() <= intCount) {
                text.append(mantissa);
                text.append(intCount - mantissa.size(), '0');
            } else {
                text.append(mantissa, 0, intCount);
                text.push_back('.');
                text.append(mantissa, intCount);
            }
        }
    } else {
        text.push_back(mantissa[0]);
        if (mantissa.size() > 1) {
            text.push_back('.');
            text.append(mantissa, 1);
        }
        text.push_back('e');
        text.push_back(exponent < 0 ? '-' : '+');
        std::string expDigits = std::to_string(std::abs(exponent));
        if (expDigits.size() < 3)
            text.append(3 - expDigits.size(), '0');
        text.append(expDigits);
    }
    return text;
}

constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

double textToNumber(std::string_view text) {
    return parseLeadingNumber(foldFullWidth(text));
}

std::string defaultNumberText(double value) {
    return generalText(value, 13);
}

std::string defaultNumberText(std::int32_t value) {
    return std::to_string(value);
}

std::string defaultNumberText(float value) {
    return generalText(static_cast<double>(value), 6);
}

std::string fixedDecimalsText(double value, int decimals) {
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(value))
        return overflowText();

    double rounded = value;
    if (value != 0.0) {
        double scale = decimals < static_cast<int>(kPowersOfTen.size())
                           ? kPowersOfTen[static_cast<size_t>(decimals)]
                           : std::pow(10.0, decimals);
        double scaled = std::fabs(value) * scale;
        // A value that the scale takes beyond the double range has no places
        // after the point that could be rounded, and is no overflow.
        if (std::isfinite(scaled)) {
            double whole = 0.0;
            double fraction = std::modf(scaled + 0.000000000001, &whole);
            if (fraction >= 0.5)
                whole += 1.0;
            rounded = std::copysign(whole / scale, value);
        }
    }

    // Below 1e13 a text in exponent form is padded like any other, behind its
    // exponent (0.00001 with 5 decimals reads 1e-005.00000), as the program has
    // always shown it. Larger values keep their exponent form unpadded.
    std::string text = defaultNumberText(rounded);
    if (decimals == 0 || std::fabs(value) >= 1e13 || !std::isfinite(rounded))
        return text;
    size_t point = text.find('.');
    if (point == std::string::npos) {
        text.push_back('.');
        text.append(static_cast<size_t>(decimals), '0');
    } else {
        size_t have = text.size() - point - 1;
        if (have < static_cast<size_t>(decimals))
            text.append(static_cast<size_t>(decimals) - have, '0');
    }
    return text;
}

std::string dateText(int year, int month, int day) {
    static const std::string nian = utf8ToGbk("年");
    static const std::string yue = utf8ToGbk("月");
    static const std::string ri = utf8ToGbk("日");
    return std::to_string(year) + nian + std::to_string(month) + yue + std::to_string(day) + ri;
}

std::string bytesToText(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

} // namespace korvane::NumberText
