// SPDX-License-Identifier: MIT
// GBK to UTF-8 and back, from any bytes in either direction.
#include "fuzzcheck.h"
#include "gbkcodec.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace korvane;

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Well-formed UTF-8 of scalar values only (no surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t n = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= text.size())
            return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto t = static_cast<unsigned char>(text[i + k]);
            if ((t & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if ((n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Bytes as GBK: the UTF-8 is well formed and, where nothing was replaced,
    // goes back to the same bytes.
    const std::string utf8 = gbkToUtf8(bytes);
    FUZZ_CHECK(isValidUtf8(utf8));
    const std::string gbk = utf8ToGbk(utf8);
    if (utf8.find(kReplacement) == std::string::npos)
        FUZZ_CHECK(gbk == bytes);
    // Whatever came back is GBK that goes to UTF-8 and back unchanged.
    FUZZ_CHECK(utf8ToGbk(gbkToUtf8(gbk)) == gbk);

    // Bytes as UTF-8: what GBK holds of them goes back to UTF-8 unchanged, once
    // more than the first trip.
    const std::string fromUtf8 = utf8ToGbk(bytes);
    const std::string again = gbkToUtf8(fromUtf8);
    FUZZ_CHECK(isValidUtf8(again));
    FUZZ_CHECK(utf8ToGbk(again) == fromUtf8);
    if (isValidUtf8(bytes) && fromUtf8.find('?') == std::string::npos)
        FUZZ_CHECK(again == bytes);
    return 0;
}
