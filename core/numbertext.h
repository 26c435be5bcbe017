// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The conversions between numbers and the texts a user types and reads. Texts
// are GBK bytes. Nothing here depends on the C locale, and nothing ever fails.
namespace korvane::NumberText {

// Folds full-width characters to ASCII, then reads the leading decimal number
// the way atof does (exponents may be written with e, E, d or D). A text
// without a number reads as 0; a value beyond the double range is an infinity.
double textToNumber(std::string_view text);

// At most 13 significant digits, exponent form (e+013) outside 1e-4 .. 1e13,
// never "-0". Non-finite values read "溢出" (overflow).
std::string defaultNumberText(double value);
std::string defaultNumberText(std::int32_t value);
// The same rules with 6 significant digits, for single-precision values.
std::string defaultNumberText(float value);

// Rounds half away from zero to `decimals` places after a 1e-12 nudge of the
// scaled value, then pads with zeros to exactly that many decimals; below 1e13
// this holds for exponent form too, whose padding follows the exponent
// ("1e+013.0" for 9999999999999.5 with 1 decimal). Values of 1e13 and more
// keep their exponent form without padding.
std::string fixedDecimalsText(double value, int decimals);

// "2019年12月19日", no leading zeros.
std::string dateText(int year, int month, int day);

// The bytes up to the first zero byte, taken as GBK text.
std::string bytesToText(std::string_view bytes);

} // namespace korvane::NumberText
