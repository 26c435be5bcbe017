// SPDX-License-Identifier: MIT
#include "gbkcodec.h"
#include "gbkbytes.h"
#include "gbkprivateuse.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace korvane {
namespace {

using gbkbytes::appendUtf8;
using gbkbytes::decodeUtf8;
using gbkbytes::gbkSkip;
using gbkbytes::isAscii;
using gbkbytes::utf8Skip;

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

    // Converts all of in; at each input unit iconv cannot convert, unit(rest,
    // out) appends what stands for it and gives its length.
    //
    // glibc converts between GBK and UTF-8 in two steps through UCS-4. On each
    // call the first step decodes as much input as its intermediate buffer
    // takes, thousands of characters; when the second step stops early, at a
    // character without a GBK form or at a full output buffer, the first step
    // decodes the input once more up to that point. Whole texts would thus cost
    // thousands of characters for every character replaced. Input goes in
    // chunks instead, which start small after each replacement and double while
    // they convert cleanly, and the output buffer takes a whole chunk.
    template <typename Unit> std::string convert(std::string_view in, Unit unit) const {
        std::string out;
        out.reserve(in.size() * 3 / 2 + 8);
        if (!ok()) {
            out.assign(in);
            return out;
        }
        // Longer than any character, so that a chunk ending inside one is
        // completed by the next chunk.
        constexpr size_t kMinChunk = 16;
        constexpr size_t kMaxChunk = 4096;
        // One input byte gives at most three output bytes (GBK 0x80 is the euro
        // sign, three bytes in UTF-8).
        char buffer[kMaxChunk * 3];
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        size_t chunk = kMinChunk;
        while (srcLeft > 0) {
            size_t chunkLeft = std::min(chunk, srcLeft);
            size_t heldBack = srcLeft - chunkLeft;
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &chunkLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            srcLeft = heldBack + chunkLeft;
            if (rc != static_cast<size_t>(-1)) {
                chunk = std::min(chunk * 2, kMaxChunk);
                continue;
            }
            // E2BIG: the buffer is full; EINVAL with more input: the chunk ends
            // inside a character. Both go on where iconv stopped.
            if (errno == E2BIG || (errno == EINVAL && heldBack > 0))
                continue;
            // EILSEQ: invalid or unconvertible; EINVAL: incomplete at the end.
            size_t skip = unit(std::string_view(src, srcLeft), out);
            if (skip == 0 || skip > srcLeft)
                skip = 1;
            src += skip;
            srcLeft -= skip;
            chunk = kMinChunk;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

  private:
    iconv_t cd_;
};

// Where the next tag character (U+E0000 to U+E007F, F3 A0 80 80 to F3 A0 81 BF
// in UTF-8) starts, from `from` on; npos when there is none.
size_t findTagCharacter(std::string_view utf8, size_t from) {
    for (size_t at = utf8.find("\xF3\xA0", from); at != std::string_view::npos;
         at = utf8.find("\xF3\xA0", at + 1)) {
        if (utf8.size() - at < 4)
            break;
        const auto third = static_cast<unsigned char>(utf8[at + 2]);
        const auto fourth = static_cast<unsigned char>(utf8[at + 3]);
        if ((third == 0x80 || third == 0x81) && fourth >= 0x80 && fourth <= 0xBF)
            return at;
    }
    return std::string_view::npos;
}

// What stands for a GBK unit iconv cannot read: the private use character code
// page 936 gives it, else one replacement character.
size_t gbkUnit(std::string_view rest, std::string& out) {
    const size_t length = gbkSkip(rest);
    const char16_t c = length == 2
                           ? gbkprivateuse::character((static_cast<unsigned char>(rest[0]) << 8) |
                                                      static_cast<unsigned char>(rest[1]))
                           : 0;
    if (c != 0)
        appendUtf8(out, c);
    else
        out += kReplacementUtf8;
    return length;
}

// What stands for a UTF-8 character iconv cannot write: the GBK code of a
// private use character, else "?".
size_t utf8Unit(std::string_view rest, std::string& out) {
    const size_t length = utf8Skip(rest);
    const uint16_t gbk = gbkprivateuse::code(decodeUtf8(rest).code);
    if (gbk != 0) {
        out += static_cast<char>(gbk >> 8);
        out += static_cast<char>(gbk & 0xFF);
    } else {
        out += '?';
    }
    return length;
}

} // namespace

std::string gbkToUtf8(std::string_view gbk) {
    if (isAscii(gbk))
        return std::string(gbk);
    thread_local const Converter converter("UTF-8", "GBK");
    return converter.convert(gbk, gbkUnit);
}

std::string utf8ToGbk(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);
    thread_local const Converter converter("GBK", "UTF-8");
    // glibc's iconv drops the tag characters without a word. They have no GBK
    // form either, so they become "?" like every other such character, and
    // the text between them is converted piece by piece.
    std::string out;
    size_t start = 0;
    for (size_t tag; (tag = findTagCharacter(utf8, start)) != std::string_view::npos;
         start = tag + 4) {
        out += converter.convert(utf8.substr(start, tag - start), utf8Unit);
        out += '?';
    }
    out += converter.convert(utf8.substr(start), utf8Unit);
    return out;
}

} // namespace korvane
