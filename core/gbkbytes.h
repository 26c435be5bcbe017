// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The byte work both implementations of the GBK codec (iconv, and code page
// 936 on Windows) share: how far they skip over what they cannot convert, so
// that a damaged text reads the same on every system, and UTF-8 one character
// at a time.
namespace korvane::gbkbytes {

// GBK: a lead byte 0x81..0xFE takes one more byte when that byte is a valid
// trail byte; otherwise the lead byte alone is dropped so that an ASCII byte
// after it survives.
inline size_t gbkSkip(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    if (lead >= 0x81 && lead <= 0xFE && rest.size() >= 2) {
        auto trail = static_cast<unsigned char>(rest[1]);
        if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F)
            return 2;
    }
    return 1;
}

// UTF-8: skip one whole well-formed character (it had no GBK form), or one
// byte when the sequence is malformed.
inline size_t utf8Skip(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || length > rest.size())
        return 1;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

inline bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// A character of the first plane as UTF-8.
inline void appendUtf8(std::string& out, char16_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character that starts rest when it is well-formed UTF-8 as iconv takes
// it (shortest form, no surrogate, at most U+10FFFF); length 0 otherwise.
struct Utf8Character {
    char32_t code = 0;
    size_t length = 0;
};
inline Utf8Character decodeUtf8(std::string_view rest) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(rest[i]); };
    const unsigned lead = byte(0);
    size_t length;
    char32_t code, least;
    if (lead < 0x80)
        return {lead, 1};
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, code = lead & 0x1F, least = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, code = lead & 0x0F, least = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, code = lead & 0x07, least = 0x10000;
    else
        return {};
    if (rest.size() < length)
        return {};
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length};
}

} // namespace korvane::gbkbytes
