// SPDX-License-Identifier: MIT
#include "gbkcodec.h"

#include <cerrno>
#include <iconv.h>

namespace korvane {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in; each unconvertible or invalid input unit is skipped
    // (its length given by skipLength) and replaced by replacement.
    template <typename SkipLength>
    std::string convert(std::string_view in, std::string_view replacement,
                        SkipLength skipLength) const {
        std::string out;
        out.reserve(in.size() * 3 / 2 + 8);
        if (!ok()) {
            out.assign(in);
            return out;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[512];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG)
                continue;
            // EILSEQ: invalid or unconvertible; EINVAL: incomplete at the end.
            size_t skip = skipLength(std::string_view(src, srcLeft));
            if (skip == 0 || skip > srcLeft)
                skip = 1;
            out.append(replacement);
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

  private:
    iconv_t cd_;
};

// GBK: a lead byte 0x81..0xFE takes one more byte when that byte is a valid
// trail byte; otherwise the lead byte alone is dropped so that an ASCII byte
// after it survives.
size_t gbkSkip(std::string_view rest) {
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
size_t utf8Skip(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || length > rest.size())
        return 1;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string gbkToUtf8(std::string_view gbk) {
    if (isAscii(gbk))
        return std::string(gbk);
    thread_local const Converter converter("UTF-8", "GBK");
    return converter.convert(gbk, kReplacementUtf8, gbkSkip);
}

std::string utf8ToGbk(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);
    thread_local const Converter converter("GBK", "UTF-8");
    return converter.convert(utf8, "?", utf8Skip);
}

} // namespace korvane
