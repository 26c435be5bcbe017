// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// How far the GBK codec skips over what it cannot convert. Both of its
// implementations (iconv, and code page 936 on Windows) skip alike, so that a
// damaged text reads the same on every system.
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

} // namespace korvane::gbkbytes
