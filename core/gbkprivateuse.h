// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The GBK codes that Windows' code page 936 reads as characters of the private
// use area, U+E000 to U+E864: the three user-defined areas, where people make
// characters of their own (a rare family name, a company's sign), and the
// codes GBK left unassigned among the symbols. glibc's GBK has no character
// for any of them. The program's files come from Windows machines, where such
// bytes go in and out unchanged, so both codecs read and write them as code
// page 936 does: a list made on Windows comes back from Linux byte for byte.
namespace korvane::gbkprivateuse {

// Each run lies in one lead byte and goes through its trail bytes in order
// (skipping 0x7F, which never trails); the private use characters follow one
// another from `first`.
struct Run {
    uint16_t from, to; // GBK codes, both in the run
    char16_t first;
};
inline constexpr Run kRuns[] = {
    {0xA140, 0xA1A0, 0xE4C6}, {0xA240, 0xA2A0, 0xE526}, {0xA2AB, 0xA2B0, 0xE766},
    {0xA2E3, 0xA2E4, 0xE76C}, {0xA2EF, 0xA2F0, 0xE76E}, {0xA2FD, 0xA2FE, 0xE770},
    {0xA340, 0xA3A0, 0xE586}, {0xA440, 0xA4A0, 0xE5E6}, {0xA4F4, 0xA4FE, 0xE772},
    {0xA540, 0xA5A0, 0xE646}, {0xA5F7, 0xA5FE, 0xE77D}, {0xA640, 0xA6A0, 0xE6A6},
    {0xA6B9, 0xA6C0, 0xE785}, {0xA6D9, 0xA6DF, 0xE78D}, {0xA6EC, 0xA6ED, 0xE794},
    {0xA6F3, 0xA6F3, 0xE796}, {0xA6F6, 0xA6FE, 0xE797}, {0xA740, 0xA7A0, 0xE706},
    {0xA7C2, 0xA7D0, 0xE7A0}, {0xA7F2, 0xA7FE, 0xE7AF}, {0xA896, 0xA8A0, 0xE7BC},
    {0xA8BC, 0xA8BC, 0xE7C7}, {0xA8BF, 0xA8BF, 0xE7C8}, {0xA8C1, 0xA8C4, 0xE7C9},
    {0xA8EA, 0xA8FE, 0xE7CD}, {0xA958, 0xA958, 0xE7E2}, {0xA95B, 0xA95B, 0xE7E3},
    {0xA95D, 0xA95F, 0xE7E4}, {0xA989, 0xA995, 0xE7E7}, {0xA997, 0xA9A3, 0xE7F4},
    {0xA9F0, 0xA9FE, 0xE801}, {0xAAA1, 0xAAFE, 0xE000}, {0xABA1, 0xABFE, 0xE05E},
    {0xACA1, 0xACFE, 0xE0BC}, {0xADA1, 0xADFE, 0xE11A}, {0xAEA1, 0xAEFE, 0xE178},
    {0xAFA1, 0xAFFE, 0xE1D6}, {0xD7FA, 0xD7FE, 0xE810}, {0xF8A1, 0xF8FE, 0xE234},
    {0xF9A1, 0xF9FE, 0xE292}, {0xFAA1, 0xFAFE, 0xE2F0}, {0xFBA1, 0xFBFE, 0xE34E},
    {0xFCA1, 0xFCFE, 0xE3AC}, {0xFDA1, 0xFDFE, 0xE40A}, {0xFE50, 0xFEA0, 0xE815},
    {0xFEA1, 0xFEFE, 0xE468},
};

inline constexpr char16_t kFirst = 0xE000, kLast = 0xE864;

// The place of a trail byte among the trail bytes, 0x40 first.
constexpr unsigned trailIndex(unsigned trail) {
    return trail - 0x40 - (trail > 0x7F ? 1 : 0);
}
constexpr unsigned trailAt(unsigned index) {
    return index + 0x40 + (index >= 0x7F - 0x40 ? 1 : 0);
}

// The private use character of a two-byte code, 0 when it has none.
constexpr char16_t character(unsigned gbk) {
    const unsigned trail = gbk & 0xFF;
    if (trail < 0x40 || trail == 0x7F || trail > 0xFE)
        return 0;
    for (const Run& run : kRuns)
        if (gbk >= run.from && gbk <= run.to)
            return static_cast<char16_t>(run.first + trailIndex(trail) -
                                         trailIndex(run.from & 0xFF));
    return 0;
}

// The two-byte code of a private use character, 0 when it has none.
constexpr uint16_t code(char32_t c) {
    if (c < kFirst || c > kLast)
        return 0;
    for (const Run& run : kRuns) {
        const unsigned length = trailIndex(run.to & 0xFF) - trailIndex(run.from & 0xFF) + 1;
        if (c >= run.first && c < run.first + length)
            return static_cast<uint16_t>((run.from & 0xFF00) |
                                         trailAt(trailIndex(run.from & 0xFF) + (c - run.first)));
    }
    return 0;
}

} // namespace korvane::gbkprivateuse
