// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The one place where texts change encoding. Every text of the program is GBK
// (code page 936); the window toolkit and the spreadsheet file speak UTF-8.
// The codes Windows reads as private use characters (the user-defined areas)
// convert to and from those characters on every system (gbkprivateuse.h).
//
// Neither direction ever fails or truncates:
// - GBK -> UTF-8: a byte that does not start a valid GBK character becomes
//   U+FFFD (the replacement character) and conversion goes on with the next byte.
// - UTF-8 -> GBK: a character that GBK cannot hold, or a byte that is not valid
//   UTF-8, becomes "?" and conversion goes on with what follows.
// Time is linear in the text length, however many characters are replaced.
std::string gbkToUtf8(std::string_view gbk);
std::string utf8ToGbk(std::string_view utf8);

} // namespace korvane
